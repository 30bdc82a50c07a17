// The results sheet's fill sequence: captions, in-place rounding, and the housing sheet's
// independence from the rod-groove values.

#include <gtest/gtest.h>

#include <map>

#include "model/numbers.h"
#include "model/sheet.h"

using namespace glandwise;

namespace {

std::map<std::string, std::string> captions(const std::vector<SheetLabel>& labels) {
  std::map<std::string, std::string> byName;
  for (const SheetLabel& l : labels) byName[l.objectName] = l.caption;
  return byName;
}

GlandRecord headerRecord() {
  GlandRecord r;
  r.W = 0.07f; r.WT = 0.003f; r.ID = 1.2345678f; r.GW = "0.093 to  0.098"; r.ECC = 0.002f; r.PR = 1000.0f;
  r.PDM = 0.9965f; r.PDTM = 0.0005f; r.BDM = 1.0f; r.BDTM = 0.001f; r.GDM = 0.898f; r.GDTM = 0.001f;
  r.GlandType = "PLUG";
  return r;
}

}  // namespace

TEST(SheetFill, HeaderLinesOfTheRodGrooveSheet) {
  GlandRecord r = headerRecord();
  r.EWM = 0.1365953f;
  r.PSM = 10.0f;
  const auto c = captions(fillSheet(r, kRodGroove));
  EXPECT_EQ(c.at("lblWV"), "0.07 Inch   Tolerance =  +/-  0.003");
  EXPECT_EQ(c.at("lblEWMV"), "0.1366 Inch");
  EXPECT_EQ(c.at("lblGCV"), "Groove in Rod.");
  EXPECT_EQ(c.at("lblIDV"), "1.234568 Inch");
  EXPECT_EQ(c.at("lblPDMV"), "0.9965 Inch   Tolerance =  +/-  0.0005");
  EXPECT_EQ(c.at("lblBDMV"), "1 Inch   Tolerance =  +/-  0.001");
  EXPECT_EQ(c.at("lblGDMV"), "0.898 Inch   Tolerance = +/-  0.001");
  EXPECT_EQ(c.at("lblGWV"), "0.093 to  0.098 Inch  (With No Back up Rings)");
  EXPECT_EQ(c.at("lblECCV"), "0.002 Inch");
  EXPECT_EQ(c.at("lblPRV"), "1000 PSI");
  EXPECT_EQ(c.at("lblPSMV"), "10 %");
  EXPECT_EQ(r.EWM, 0.1366f);
  EXPECT_EQ(r.GlandType, "PLUG");
}

TEST(SheetFill, LabelsInFillOrder) {
  GlandRecord r = headerRecord();
  const std::vector<SheetLabel> labels = fillSheet(r, kHousingGroove);
  std::vector<std::string> names;
  for (const SheetLabel& l : labels) names.push_back(l.objectName);
  const std::vector<std::string> expected{
      "lblWV", "lblEWFV", "lblGCV", "lblIDV", "lblPDFV", "lblBDFV", "lblGDFV", "lblGWV", "lblECCV", "lblPRV",
      "lblPSFV", "lblF70FV", "lblF80FV", "lblF90FV", "lblCFMaxE", "lblCFMax", "lblCF", "lblCFMin", "lblCFMinE",
      "lblPCFMaxE", "lblPCFMax", "lblPCF", "lblPCFMin", "lblPCFMinE", "lblEGFMaxE", "lblEGFMax", "lblEGF",
      "lblEGFMin", "lblEGFMinE", "lblGHFMaxE", "lblGHFMax", "lblGHF", "lblGHFMin", "lblGHFMinE"};
  EXPECT_EQ(names, expected);
}

// Each displayed value is rounded half to even, stored back and shown by NumberText.
TEST(SheetFill, RoundsInPlaceForBothSheets) {
  struct Case { float GlandRecord::*rod; float GlandRecord::*housing; const char* rodLabel; const char* housingLabel;
                float value; const char* caption; float stored; };
  const Case cases[] = {
      {&GlandRecord::F70M, &GlandRecord::F70F, "lblF70MV", "lblF70FV", 12.25f, "12.2 Lbs", 12.2f},
      {&GlandRecord::F90M, &GlandRecord::F90F, "lblF90MV", "lblF90FV", 12.75f, "12.8 Lbs", 12.8f},
      {&GlandRecord::PCMMax, &GlandRecord::PCFMax, "lblPCMMax", "lblPCFMax", 18.125f, "18.12", 18.12f},
      {&GlandRecord::EGMMin, &GlandRecord::EGFMin, "lblEGMMin", "lblEGFMin", 0.0000412f, "4E-05", 0.00004f},
      {&GlandRecord::EGMMaxE, &GlandRecord::EGFMaxE, "lblEGMMaxE", "lblEGFMaxE", -0.000002f, "0", -0.0f},
      {&GlandRecord::EGM, &GlandRecord::EGF, "lblEGM", "lblEGF", -0.0012f, "-0.0012", -0.0012f},
      {&GlandRecord::GHMMinE, &GlandRecord::GHFMinE, "lblGHMMinE", "lblGHFMinE", 0.1373449f, "0.13734", 0.13734f},
      {&GlandRecord::CMMinE, &GlandRecord::CFMinE, "lblCMMinE", "lblCFMinE", 0.0230049f, "0.023", 0.023f},
  };
  for (const Case& c : cases) {
    for (bool housing : {false, true}) {
      GlandRecord r = headerRecord();
      r.*(housing ? c.housing : c.rod) = c.value;
      const auto byName = captions(fillSheet(r, housing ? kHousingGroove : kRodGroove));
      EXPECT_EQ(byName.at(housing ? c.housingLabel : c.rodLabel), c.caption) << c.rodLabel;
      EXPECT_EQ(r.*(housing ? c.housing : c.rod), c.stored) << c.rodLabel;
    }
  }
}

TEST(SheetFill, HousingSheetShowsNoRodGrooveValue) {
  GlandRecord r = headerRecord();
  // The record lists the five common figures, then the rod-groove ones, then their twins.
  const std::size_t sideCount = (kFloatFieldCount - 5) / 2;
  for (std::size_t i = 5; i < 5 + sideCount; ++i) r.*floatFields()[i].member = 987.0f;
  ASSERT_EQ(floatFields()[5 + sideCount].name, "BDF");
  r.GlandType = "PLUG";
  const auto c = captions(fillSheet(r, kHousingGroove));
  for (const auto& [name, caption] : c) EXPECT_EQ(caption.find("987"), std::string::npos) << name;
  EXPECT_EQ(c.at("lblGCV"), "Groove in Housing.");
  EXPECT_EQ(c.at("lblPDFV"), "0 Inch   Tolerance =  +/-  0");
}

TEST(SheetFill, RodSheetNamesTheGlandTypeFromItsCode) {
  GlandRecord r = headerRecord();
  r.GlandType = "THROAT";
  EXPECT_EQ(captions(fillSheet(r, kRodGroove)).at("lblGCV"), "Groove in Housing.");
  EXPECT_EQ(sheetDateCaption("12/6/26"), "Date: 12/6/26");
}

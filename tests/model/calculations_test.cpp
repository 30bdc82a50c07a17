// The standard gland, tolerance limits, gland analysis and stretch-and-squeeze checks.

#include <gtest/gtest.h>

#include <cmath>

#include "model/calculations.h"
#include "model/numbers.h"
#include "tests/model/scripted_prompts.h"

using namespace glandwise;
using testing_support::ScriptedPrompts;

namespace {

GlandRecord standardGland(float crossSection, float housingDia, float rodDia) {
  GlandRecord r;
  r.W = crossSection;
  r.BDM = housingDia;
  r.PDF = rodDia;
  CalcStandardDims(r);
  return r;
}

}  // namespace

TEST(CalcStandardDims, RodGroove0139FromHousing2) {
  const GlandRecord r = standardGland(0.139f, 2.0f, 0.0f);
  EXPECT_EQ(r.PDM, 1.9955f);
  EXPECT_EQ(r.GDM, 1.776f);
  EXPECT_EQ(r.BDTM, 0.001f);
  EXPECT_EQ(r.PDTM, 0.0005f);
  EXPECT_EQ(r.GDTM, 0.001f);
  EXPECT_EQ(r.WT, 0.004f);
  EXPECT_EQ(r.ECC, 0.003f);
  EXPECT_EQ(r.GW, "0.187 to 0.192");
  EXPECT_EQ(r.BDF, 0.0045f);
  EXPECT_EQ(r.GDF, 0.224f);
}

TEST(CalcStandardDims, HousingGroove0070FromRodHalfInch) {
  const GlandRecord r = standardGland(0.07f, 0.0f, 0.5f);
  EXPECT_EQ(r.BDF, 0.5035f);
  EXPECT_EQ(r.GDF, 0.602f);
  EXPECT_EQ(r.PDTF, 0.001f);
  EXPECT_EQ(r.BDTF, 0.0005f);
  EXPECT_EQ(r.GDTF, 0.001f);
  EXPECT_EQ(r.GW, "0.093 to  0.098");
}

TEST(CalcStandardDims, RodGroove0275FromHousing4) {
  const GlandRecord r = standardGland(0.275f, 4.0f, 0.0f);
  EXPECT_EQ(r.PDM, 3.9945f);
  EXPECT_EQ(r.GDM, 3.545f);
  EXPECT_EQ(r.GDTM, 0.002f);
  EXPECT_EQ(r.WT, 0.006f);
  EXPECT_EQ(r.ECC, 0.005f);
}

TEST(CalcStandardDims, EveryRowGivesHalfOffsetHeightAndHalfClearanceGap) {
  struct Row { float w; double height, gap; const char* groove; };
  for (const Row& row : {Row{0.07f, 0.051, 0.00175, "0.093 to  0.098"}, Row{0.103f, 0.082, 0.00175, "0.140 to 0.145"},
                         Row{0.139f, 0.112, 0.00225, "0.187 to 0.192"}, Row{0.21f, 0.1715, 0.00225, "0.281 to 0.286"},
                         Row{0.275f, 0.2275, 0.00275, "0.375 to 0.380"}}) {
    const GlandRecord r = standardGland(row.w, 3.0f, 3.0f);
    EXPECT_NEAR((double(r.BDM) - r.GDM) / 2, row.height, 1e-6) << row.w;
    EXPECT_NEAR((double(r.BDM) - r.PDM) / 2, row.gap, 1e-6) << row.w;
    EXPECT_NEAR((double(r.GDF) - r.PDF) / 2, row.height, 1e-6) << row.w;
    EXPECT_NEAR((double(r.BDF) - r.PDF) / 2, row.gap, 1e-6) << row.w;
    EXPECT_EQ(r.GW, row.groove);
  }
}

TEST(CalcStandardDims, UnknownCrossSectionWritesNothingAndRepeatsBitForBit) {
  GlandRecord untouched;
  untouched.BDM = 2.0f;
  CalcStandardDims(untouched);
  EXPECT_EQ(untouched.PDM, 0.0f);
  EXPECT_EQ(untouched.WT, 0.0f);
  EXPECT_TRUE(untouched.GW.empty());

  GlandRecord twice = standardGland(0.103f, 1.234f, 0.777f);
  const GlandRecord once = twice;
  CalcStandardDims(twice);
  for (const FloatField& f : floatFields()) EXPECT_EQ(once.*f.member, twice.*f.member) << f.name;
}

TEST(CalcLimits, EveryLimitIsNominalPlusOrMinusTolerance) {
  GlandRecord r = standardGland(0.139f, 2.0f, 1.5f);
  CalcLimits(r);
  EXPECT_EQ(r.BDMMax, static_cast<float>(double(r.BDTM) + r.BDM));
  EXPECT_EQ(r.BDMMin, static_cast<float>(double(r.BDM) - r.BDTM));
  EXPECT_EQ(r.PDMMax, static_cast<float>(double(r.PDTM) + r.PDM));
  EXPECT_EQ(r.GDMMin, static_cast<float>(double(r.GDM) - r.GDTM));
  EXPECT_EQ(r.PDFMax, static_cast<float>(double(r.PDTF) + r.PDF));
  EXPECT_EQ(r.BDFMin, static_cast<float>(double(r.BDF) - r.BDTF));
  EXPECT_EQ(r.GDFMax, static_cast<float>(double(r.GDTF) + r.GDF));
}

TEST(PressureFactor, KnownPoints) {
  EXPECT_DOUBLE_EQ(pressureFactor(0.0f), 10.0);
  EXPECT_NEAR(pressureFactor(1000.0f), 37.2, 1e-9);
  EXPECT_NEAR(pressureFactor(1500.0f), 49.1125, 1e-9);
}

// The worked example of the rod-groove analysis and its mirrored housing-groove twin.
class GlandAnalysisExample : public testing::Test {
 protected:
  static GlandRecord rodGroove() {
    GlandRecord r;
    r.BDM = 1.0f; r.BDTM = 0.001f; r.PDM = 0.9965f; r.PDTM = 0.0005f; r.GDM = 0.898f; r.GDTM = 0.001f;
    r.WT = 0.003f; r.EWM = 0.07f; r.ECC = 0.002f; r.PR = 1000.0f; r.PCM = 27.142857f;
    CalcLimits(r);
    return r;
  }
  static GlandRecord housingGroove() {
    GlandRecord r;
    r.PDF = 1.0f; r.PDTF = 0.001f; r.BDF = 1.0035f; r.BDTF = 0.0005f; r.GDF = 1.102f; r.GDTF = 0.001f;
    r.WT = 0.003f; r.EWF = 0.07f; r.ECC = 0.002f; r.PR = 1000.0f; r.PCF = 27.142857f;
    CalcLimits(r);
    return r;
  }
};

TEST_F(GlandAnalysisExample, RodGrooveFiguresAndNoMessage) {
  GlandRecord r = rodGroove();
  ScriptedPrompts prompts;
  CalcMaleGland(r, prompts);
  EXPECT_TRUE(prompts.shown.empty());
  struct Expect { float value; double expected, tolerance; const char* name; };
  for (const Expect& e : {Expect{r.APM, 0.1520, 5e-5, "APM"}, Expect{r.FHM, 5.656, 5e-4, "FHM"},
                          Expect{r.F70M, 11.45, 5e-3, "F70M"}, Expect{r.F80M, 16.06, 5e-3, "F80M"},
                          Expect{r.F90M, 19.30, 5e-3, "F90M"}, Expect{r.CMMax, 0.0230, 5e-5, "CMMax"},
                          Expect{r.PCMMax, 31.51, 5e-3, "PCMMax"}, Expect{r.EGMMin, 0.0010, 5e-5, "EGMMin"},
                          Expect{r.GHMMin, 0.0500, 5e-5, "GHMMin"}, Expect{r.CMMin, 0.0150, 5e-5, "CMMin"},
                          Expect{r.PCMMin, 22.39, 5e-3, "PCMMin"}, Expect{r.EGMMax, 0.0025, 5e-5, "EGMMax"},
                          Expect{r.GHMMax, 0.0520, 5e-5, "GHMMax"}, Expect{r.CMMaxE, 0.0255, 5e-5, "CMMaxE"},
                          Expect{r.PCMMaxE, 34.93, 5e-3, "PCMMaxE"}, Expect{r.GHMMinE, 0.0475, 5e-5, "GHMMinE"},
                          Expect{r.CMMinE, 0.0115, 5e-5, "CMMinE"}, Expect{r.PCMMinE, 17.16, 5e-3, "PCMMinE"},
                          Expect{r.EGMMaxE, 0.0050, 5e-5, "EGMMaxE"}, Expect{r.GHMMaxE, 0.0555, 5e-5, "GHMMaxE"}})
    EXPECT_NEAR(e.value, e.expected, e.tolerance) << e.name;
  EXPECT_EQ(r.EGMMinE, 0.0f);
}

TEST_F(GlandAnalysisExample, HousingGrooveFriction) {
  GlandRecord r = housingGroove();
  ScriptedPrompts prompts;
  CalcFemaleGland(r, prompts);
  EXPECT_TRUE(prompts.shown.empty());
  EXPECT_NEAR(r.APF, 0.1684, 5e-5);
  EXPECT_NEAR(r.FHF, 6.264, 5e-4);
  EXPECT_NEAR(r.F70F, 12.06, 5e-3);
  EXPECT_NEAR(r.F80F, 16.67, 5e-3);
  EXPECT_NEAR(r.F90F, 19.91, 5e-3);
}

TEST_F(GlandAnalysisExample, MirroredTwinsGiveTheSameSqueezeGapAndHeight) {
  GlandRecord m = rodGroove();
  GlandRecord f = housingGroove();
  SilentPrompts silent;
  CalcMaleGland(m, silent);
  CalcFemaleGland(f, silent);
  // Lengths agree to the four decimals and percentages to the two decimals the worked
  // example gives.
  const std::pair<float, float> lengths[] = {
      {m.CMMax, f.CFMax}, {m.CMMin, f.CFMin}, {m.CMMaxE, f.CFMaxE}, {m.CMMinE, f.CFMinE},
      {m.EGMMin, f.EGFMin}, {m.EGMMax, f.EGFMax}, {m.EGMMinE, f.EGFMinE}, {m.EGMMaxE, f.EGFMaxE},
      {m.GHMMin, f.GHFMin}, {m.GHMMax, f.GHFMax}, {m.GHMMinE, f.GHFMinE}, {m.GHMMaxE, f.GHFMaxE}};
  for (const auto& [male, female] : lengths) EXPECT_NEAR(male, female, 5e-5);
  const std::pair<float, float> percents[] = {
      {m.PCMMax, f.PCFMax}, {m.PCMMin, f.PCFMin}, {m.PCMMaxE, f.PCFMaxE}, {m.PCMMinE, f.PCFMinE}};
  for (const auto& [male, female] : percents) EXPECT_NEAR(male, female, 5e-3);
}

TEST_F(GlandAnalysisExample, FrictionIgnoresTolerancesAndEccentricity) {
  GlandRecord plain = rodGroove();
  GlandRecord loose = rodGroove();
  loose.BDTM = 0.01f; loose.PDTM = 0.02f; loose.GDTM = 0.005f; loose.WT = 0.0f; loose.ECC = 0.03f;
  CalcLimits(loose);
  SilentPrompts silent;
  CalcMaleGland(plain, silent);
  CalcMaleGland(loose, silent);
  EXPECT_EQ(plain.F70M, loose.F70M);
  EXPECT_EQ(plain.F80M, loose.F80M);
  EXPECT_EQ(plain.F90M, loose.F90M);
}

TEST_F(GlandAnalysisExample, EccentricityZeroGivesGrooveDepthAndLmcPlusClearance) {
  GlandRecord r = rodGroove();
  r.ECC = 0.0f;
  SilentPrompts silent;
  CalcMaleGland(r, silent);
  EXPECT_EQ(r.GHMMinE, static_cast<float>((double(r.PDMMin) - r.GDMMax) / 2));
  EXPECT_EQ(r.GHMMaxE, static_cast<float>((double(r.BDMMax) - r.PDMMin) / 2 + (double(r.BDMMax) - r.GDMMin) / 2));
}

TEST_F(GlandAnalysisExample, InterferenceNoticesComeInOrderAndOnlyBelowZero) {
  struct Case { float rod; std::vector<std::string> conditions; };
  const std::string start = "Caution ! Interference in rod and housing dimensions at ";
  // Bore 1 +/- 0.0625 and rod tolerance 0.0625 (exact in binary): a rod of 0.875 gives an
  // MMC gap of exactly zero.
  for (const Case& c : {Case{0.875f, {}}, Case{0.9f, {"MMC Concentric"}},
                        Case{1.2f, {"MMC Concentric", "LMC Concentric", "LMC Eccentric"}}}) {
    for (bool housing : {false, true}) {
      const GlandSide& side = housing ? kHousingGroove : kRodGroove;
      GlandRecord r = housing ? housingGroove() : rodGroove();
      r.*side.bore.nominal = 1.0f;
      r.*side.bore.tolerance = 0.0625f;
      r.*side.rod.nominal = c.rod;
      r.*side.rod.tolerance = 0.0625f;
      CalcLimits(r);
      ScriptedPrompts prompts;
      CalcGland(r, side, prompts);
      ASSERT_EQ(prompts.shown.size(), c.conditions.size()) << c.rod;
      for (std::size_t i = 0; i < c.conditions.size(); ++i) {
        EXPECT_FALSE(prompts.shown[i].question);
        EXPECT_FALSE(prompts.shown[i].beep);
        EXPECT_EQ(prompts.shown[i].text, start + c.conditions[i] + " conditions.");
      }
      EXPECT_EQ(housing ? r.EGFMinE : r.EGMMinE, 0.0f);
    }
  }
}

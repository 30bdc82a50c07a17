// The selection screen's option clicks and OK sequence.

#include <gtest/gtest.h>

#include "model/numbers.h"
#include "model/ok_result.h"
#include "model/selection.h"

using namespace glandwise;

namespace {

enum class Pick { None, Rod, Housing };

struct SelectionCase {
  const char* name;
  std::optional<int> crossSection;
  Pick gland;
  const char* id;
  const char* rod;
  const char* housing;
  const char* pressure;
  OkOutcome outcome;
  const char* message;
  bool beep;
};

SelectionEntries enter(GlandRecord& r, const SelectionCase& c) {
  SelectionEntries e;
  if (c.crossSection) selectCrossSection(r, e, *c.crossSection);
  if (c.gland != Pick::None)
    selectGlandType(r, e, c.gland == Pick::Rod ? GlandKind::RodGroove : GlandKind::HousingGroove);
  e.sealInsideDia = c.id;
  e.rodDia = c.rod;
  e.housingDia = c.housing;
  e.pressure = c.pressure;
  return e;
}

class SelectionOkTest : public testing::TestWithParam<SelectionCase> {};

constexpr int k070 = 0, k139 = 2;

}  // namespace

TEST_P(SelectionOkTest, RefusesInOrderOrGoesOn) {
  const SelectionCase& c = GetParam();
  GlandRecord r;
  const OkResult result = selectionOk(r, enter(r, c));
  EXPECT_EQ(result.outcome, c.outcome);
  EXPECT_EQ(result.message, c.message);
  EXPECT_EQ(result.beep, c.beep);
  if (c.outcome == OkOutcome::Refused) {
    EXPECT_EQ(r.ErrorText, c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SelectionOkTest,
    testing::Values(
        SelectionCase{"NothingSelected", {}, Pick::None, "1", "0", "2", "1", OkOutcome::Refused,
                      "Select cross-section diameter.", true},
        SelectionCase{"NoCrossSectionButGland", {}, Pick::Rod, "1", "0", "2", "1", OkOutcome::Refused,
                      "Select cross-section diameter.", true},
        SelectionCase{"NoGlandType", k139, Pick::None, "1", "0", "2", "1", OkOutcome::Refused, "Select gland type.", true},
        SelectionCase{"EmptySealBox", k139, Pick::Rod, "", "0", "2", "1", OkOutcome::Refused,
                      "Enter numeric values only.", true},
        SelectionCase{"LetterInPressure", k139, Pick::Rod, "1", "0", "2", "1x", OkOutcome::Refused,
                      "Enter numeric values only.", true},
        SelectionCase{"TooLarge", k139, Pick::Rod, "1e60", "0", "2", "1", OkOutcome::Refused, kValueTooLarge, true},
        SelectionCase{"HousingGrooveRodZero", k139, Pick::Housing, "1", "0", "0", "1", OkOutcome::Refused,
                      "Enter rod  diameter.", true},
        SelectionCase{"HousingGrooveRodNegative", k139, Pick::Housing, "1", "-1", "0", "1", OkOutcome::Refused,
                      "Enter rod  diameter.", true},
        SelectionCase{"RodGrooveHousingZero", k139, Pick::Rod, "1", "0", "0", "1", OkOutcome::Refused,
                      "Enter housing diameter.", true},
        SelectionCase{"SealInsideZero", k139, Pick::Rod, "0", "0", "2", "1", OkOutcome::Refused,
                      "Seal inside diameter should be > 0 inch", true},
        SelectionCase{"PressureZero", k139, Pick::Rod, "1", "0", "2", "0", OkOutcome::Refused,
                      "Pressure should be > 0 psi and < = 1500 psi", true},
        SelectionCase{"Pressure1501", k139, Pick::Rod, "1", "0", "2", "1501", OkOutcome::Refused,
                      "Pressure should be > 0 psi and < = 1500 psi", true},
        SelectionCase{"Pressure1500", k139, Pick::Rod, "1", "0", "2", "1500", OkOutcome::GoOn, "", false},
        SelectionCase{"HousingSealTooLarge", k139, Pick::Housing, "1.05", "1", "0", "1", OkOutcome::Refused,
                      "Calculation shows seal inside diameter  1.05  > 1  rod  diameter.", false},
        SelectionCase{"HousingSealEqualFits", k139, Pick::Housing, "1", "1", "0", "1", OkOutcome::GoOn, "", false},
        SelectionCase{"RodSealFits", k070, Pick::Rod, "1.4", "0", "1.5", "1", OkOutcome::GoOn, "", false},
        SelectionCase{"RodSealTooLarge", k070, Pick::Rod, "1.45", "0", "1.5", "1", OkOutcome::Refused,
                      "Calculation shows seal nominal diameter  1.52  > 1.497  rod  diameter.", false}),
    [](const testing::TestParamInfo<SelectionCase>& info) { return info.param.name; });

TEST(SelectionOk, TooLargeChangesNothingInTheRecord) {
  GlandRecord r;
  SelectionEntries e;
  selectCrossSection(r, e, k139);
  selectGlandType(r, e, GlandKind::RodGroove);
  e.sealInsideDia = "1";
  e.housingDia = "-4e39";
  selectionOk(r, e);
  EXPECT_EQ(r.ID, 0.0f);
  EXPECT_EQ(r.BDM, 0.0f);
  EXPECT_EQ(r.PR, 0.0f);
}

TEST(SelectionOk, RodSealRefusalRoundsTheGeneratedRod) {
  GlandRecord r;
  SelectionEntries e;
  selectCrossSection(r, e, k070);
  selectGlandType(r, e, GlandKind::RodGroove);
  e.sealInsideDia = "1.45";
  e.housingDia = "1.5";
  selectionOk(r, e);
  EXPECT_EQ(r.PDM, 1.497f);
}

TEST(SelectionOk, SuccessWritesInputsAndTheStandardGland) {
  GlandRecord r;
  SelectionEntries e;
  selectCrossSection(r, e, k139);
  selectGlandType(r, e, GlandKind::RodGroove);
  e.sealInsideDia = " 1.8 ";
  e.housingDia = "2";
  e.pressure = "1000";
  ASSERT_EQ(selectionOk(r, e).outcome, OkOutcome::GoOn);
  EXPECT_EQ(r.GlandType, "PLUG");
  EXPECT_EQ(r.W, 0.139f);
  EXPECT_EQ(r.ID, 1.8f);
  EXPECT_EQ(r.PR, 1000.0f);
  EXPECT_EQ(r.PDM, 1.9955f);
  EXPECT_EQ(r.GDM, 1.776f);
}

TEST(SelectionOptions, GlandTypeResetsTheBoxItDisables) {
  GlandRecord r;
  SelectionEntries e;
  e.housingDia = "2.5";
  e.rodDia = "1.25";
  selectGlandType(r, e, GlandKind::HousingGroove);
  EXPECT_EQ(r.GlandType, "THROAT");
  EXPECT_EQ(e.housingDia, "0");
  EXPECT_EQ(e.rodDia, "1.25");
  selectGlandType(r, e, GlandKind::RodGroove);
  EXPECT_EQ(r.GlandType, "PLUG");
  EXPECT_EQ(e.housingDia, "0");
  EXPECT_EQ(e.rodDia, "0");
}

TEST(SelectionOptions, CrossSectionsStoreTheirFloat) {
  const float expected[] = {0.07f, 0.103f, 0.139f, 0.21f, 0.275f};
  for (int i = 0; i < 5; ++i) {
    GlandRecord r;
    SelectionEntries e;
    selectCrossSection(r, e, i);
    EXPECT_EQ(r.W, expected[i]);
    EXPECT_EQ(e.crossSection, i);
  }
}

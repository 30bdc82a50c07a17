// The editors' load step and OK action: refusals in order, questions, and figures that a
// 32-bit float cannot hold.

#include <gtest/gtest.h>

#include <cmath>

#include "model/calculations.h"
#include "model/editor.h"
#include "tests/model/scripted_prompts.h"
#include "model/selection.h"

using namespace glandwise;
using testing_support::ScriptedPrompts;

namespace {

// A record as the selection screen leaves it for the editor of `kind`.
GlandRecord selectedGland(GlandKind kind, int crossSection, const char* typedDia, const char* sealId) {
  GlandRecord r;
  SelectionEntries e;
  selectCrossSection(r, e, crossSection);
  selectGlandType(r, e, kind);
  (kind == GlandKind::RodGroove ? e.housingDia : e.rodDia) = typedDia;
  e.sealInsideDia = sealId;
  e.pressure = "500";
  EXPECT_EQ(selectionOk(r, e).outcome, OkOutcome::GoOn);
  return r;
}

struct EditCase {
  const char* name;
  GlandKind kind;
  std::vector<std::pair<EditorBox, const char*>> edits;
  const char* glandType;  // the record's GlandType during OK
  OkOutcome outcome;
  const char* message;
  bool beep;
};

class EditorOkTest : public testing::TestWithParam<EditCase> {};

GlandRecord gland(GlandKind kind) {
  return kind == GlandKind::RodGroove ? selectedGland(kind, 2, "2", "1.8") : selectedGland(kind, 0, "0.5", "0.49");
}

constexpr GlandKind kRod = GlandKind::RodGroove;
constexpr GlandKind kHousing = GlandKind::HousingGroove;

}  // namespace

TEST_P(EditorOkTest, RefusesInOrderOrGoesOn) {
  const EditCase& c = GetParam();
  const GlandSide& side = glandSide(c.kind);
  GlandRecord r = gland(c.kind);
  r.GlandType = c.glandType;
  EditorTexts texts = editorLoad(r, side);
  for (const auto& [box, text] : c.edits) texts[static_cast<std::size_t>(box)] = text;
  SilentPrompts silent;
  const OkResult result = editorOk(r, side, texts, silent);
  EXPECT_EQ(result.outcome, c.outcome);
  EXPECT_EQ(result.message, c.message);
  EXPECT_EQ(result.beep, c.beep);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditorOkTest,
    testing::Values(
        EditCase{"RodUnchanged", kRod, {}, "PLUG", OkOutcome::GoOn, "", false},
        EditCase{"RodEmptyBox", kRod, {{EditorBox::GDT, ""}}, "PLUG", OkOutcome::Refused, "Enter numeric values only.", true},
        EditCase{"RodLetters", kRod, {{EditorBox::ECC, "abc"}}, "PLUG", OkOutcome::Refused, "Enter numeric values only.", true},
        EditCase{"RodSealBeforePressure", kRod, {{EditorBox::ID, "1.2"}, {EditorBox::PD, "1.23456"}, {EditorBox::PR, "0"}},
                 "PLUG", OkOutcome::Refused, "Calculation shows seal nominal diameter  1.339  > 1.235  rod  diameter  ", false},
        EditCase{"RodSealEqualFits", kRod, {{EditorBox::ID, "1.861"}, {EditorBox::PD, "2"}, {EditorBox::BD, "2.01"}},
                 "PLUG", OkOutcome::GoOn, "", false},
        EditCase{"RodPressureZero", kRod, {{EditorBox::PR, "0"}}, "PLUG", OkOutcome::Refused,
                 "Pressure  should  be  > 0 and < = 1500 PSI", true},
        EditCase{"RodPressureAbove", kRod, {{EditorBox::PR, "1500.5"}}, "PLUG", OkOutcome::Refused,
                 "Pressure  should  be  > 0 and < = 1500 PSI", true},
        EditCase{"RodPressure1500", kRod, {{EditorBox::PR, "1500"}}, "PLUG", OkOutcome::GoOn, "", false},
        EditCase{"RodSealZero", kRod, {{EditorBox::ID, "0"}}, "PLUG", OkOutcome::Refused,
                 "Seal  inside  diameter  should  be  >  0  Inch", true},
        EditCase{"RodRodZeroWithoutSealCheck", kRod, {{EditorBox::PD, "0"}}, "", OkOutcome::Refused,
                 "Rod  diamter  should  be  >  0  Inch", true},
        EditCase{"RodBoreZero", kRod, {{EditorBox::BD, "0"}}, "PLUG", OkOutcome::Refused,
                 "Bore  diamaeter  should be  >  0  Inch", true},
        EditCase{"RodGrooveZero", kRod, {{EditorBox::GD, "0"}}, "PLUG", OkOutcome::Refused,
                 "Groove  diamaeter  should be  >  0  Inch", true},
        EditCase{"RodGrooveAtRod", kRod, {{EditorBox::GD, "1.9955"}}, "PLUG", OkOutcome::Refused,
                 "Groove  diamaeter  is >  Rod  diameter", true},
        EditCase{"RodGrooveJustBelowRod", kRod, {{EditorBox::GD, "1.9954"}, {EditorBox::ID, "1.5"}}, "PLUG",
                 OkOutcome::GoOn, "", false},
        EditCase{"RodNegativeTolerances", kRod, {{EditorBox::PDT, "-0.001"}, {EditorBox::ECC, "-0.002"}}, "PLUG",
                 OkOutcome::GoOn, "", false},
        EditCase{"RodTooLarge", kRod, {{EditorBox::BD, "1e60"}}, "PLUG", OkOutcome::Refused, kValueTooLarge, true},
        EditCase{"RodLimitOverflows", kRod, {{EditorBox::BD, "3e38"}, {EditorBox::BDT, "3e38"}}, "PLUG",
                 OkOutcome::Refused, kResultsOutOfRange, true},
        EditCase{"RodStretchOverflows", kRod, {{EditorBox::ID, "1e-40"}}, "PLUG", OkOutcome::Refused,
                 kResultsOutOfRange, true},
        EditCase{"RodAreaOverflows", kRod, {{EditorBox::BD, "1e20"}, {EditorBox::PD, "9e19"}, {EditorBox::GD, "8e19"}},
                 "PLUG", OkOutcome::Refused, kResultsOutOfRange, true},
        EditCase{"HousingUnchanged", kHousing, {}, "THROAT", OkOutcome::GoOn, "", false},
        EditCase{"HousingSealBeforePressure", kHousing, {{EditorBox::ID, "1"}, {EditorBox::PD, "0.98765"}, {EditorBox::PR, "0"}},
                 "THROAT", OkOutcome::Refused, "   Calculation shows seal inside diameter  1  > 0.988  rod  diameter ", false},
        EditCase{"HousingPressure", kHousing, {{EditorBox::PR, "-3"}}, "THROAT", OkOutcome::Refused,
                 "Pressure should be  >  0 and < = 1500  PSI", true},
        EditCase{"HousingSealZero", kHousing, {{EditorBox::ID, "0"}}, "THROAT", OkOutcome::Refused,
                 "  Seal inside diameter should be >  0  Inch", true},
        EditCase{"HousingRodZeroWithoutSealCheck", kHousing, {{EditorBox::PD, "0"}}, "", OkOutcome::Refused,
                 "Rod diameter should be  >  0  Inch", true},
        EditCase{"HousingBoreZero", kHousing, {{EditorBox::BD, "0"}}, "THROAT", OkOutcome::Refused,
                 "Bore diameter should be  >  0  Inch", true},
        EditCase{"HousingGrooveZero", kHousing, {{EditorBox::GD, "0"}}, "THROAT", OkOutcome::Refused,
                 "Groove diameter should be  >  0  Inch", true},
        EditCase{"HousingGrooveAtBore", kHousing, {{EditorBox::GD, "0.5035"}}, "THROAT", OkOutcome::Refused,
                 "Groove diameter should be > Bore diameter.", true},
        EditCase{"HousingSealEqualsRod", kHousing, {{EditorBox::ID, "0.5"}}, "THROAT", OkOutcome::GoOn, "", false}),
    [](const testing::TestParamInfo<EditCase>& info) { return info.param.name; });

TEST(EditorLoad, ShowsTheStandardGlandInStoreOrder) {
  const GlandRecord r = selectedGland(kRod, 2, "2", "1.8");
  const EditorTexts texts = editorLoad(r, kRodGroove);
  const EditorTexts expected{"1.8", "1.9955", "0.0005", "2", "0.001", "1.776", "0.001", "500", "0.003"};
  EXPECT_EQ(texts, expected);
  EXPECT_EQ(editorBoxName(kRodGroove, EditorBox::PDT), "txtPDTM");
  EXPECT_EQ(editorBoxName(kHousingGroove, EditorBox::BD), "txtBDF");
}

TEST(EditorOk, NumericRefusalLeavesTheRecordUnchanged) {
  for (const char* bad : {"", "abc", "1e60"}) {
    GlandRecord r = gland(kRod);
    const GlandRecord before = r;
    EditorTexts texts = editorLoad(r, kRodGroove);
    texts[0] = "2";
    texts[8] = bad;
    SilentPrompts silent;
    editorOk(r, kRodGroove, texts, silent);
    for (const FloatField& f : floatFields()) EXPECT_EQ(r.*f.member, before.*f.member) << f.name << " " << bad;
  }
}

TEST(EditorOk, YesToAQuestionStaysWithoutAnalysis) {
  GlandRecord r = gland(kRod);
  EditorTexts texts = editorLoad(r, kRodGroove);
  texts[static_cast<std::size_t>(EditorBox::ID)] = "1.6";  // stretch of 11 % asks the 5 % question
  ScriptedPrompts prompts({true});
  const OkResult result = editorOk(r, kRodGroove, texts, prompts);
  EXPECT_EQ(result.outcome, OkOutcome::Stayed);
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(r.F70M, 0.0f);  // the analysis did not run
}

TEST(EditorOk, RepeatedOkRecomputesEverything) {
  GlandRecord r = gland(kHousing);
  const EditorTexts texts = editorLoad(r, kHousingGroove);
  SilentPrompts silent;
  ASSERT_EQ(editorOk(r, kHousingGroove, texts, silent).outcome, OkOutcome::GoOn);
  const GlandRecord first = r;
  r.PCF = 99.0f;
  r.EWF = 1.0f;
  r.CFMax = -3.0f;
  ASSERT_EQ(editorOk(r, kHousingGroove, texts, silent).outcome, OkOutcome::GoOn);
  for (const FloatField& f : floatFields()) EXPECT_EQ(r.*f.member, first.*f.member) << f.name;
  EXPECT_EQ(r.GlandType, "THROAT");
}

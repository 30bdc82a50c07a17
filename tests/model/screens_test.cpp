// The screens' logic: both OK actions, one whole run per gland kind bit for bit, runs over random texts.

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <random>
#include "model/editor.h"
#include "model/numbers.h"
#include "model/selection.h"
#include "model/sheet.h"
#include "tests/model/scripted_prompts.h"

using namespace glandwise;

namespace {

constexpr GlandKind kRod = GlandKind::RodGroove, kHousing = GlandKind::HousingGroove;
constexpr OkOutcome kGoOn = OkOutcome::GoOn, kStayed = OkOutcome::Stayed, kRefused = OkOutcome::Refused;

// Every refusal sounds the beep but the seal fit refusal, which shows the rod diameter as it
// rounded and stored it; a refusal for texts that are no usable numbers leaves the record alone.
void expectRefusal(const OkResult& result, const char* message, const GlandRecord& r, const GlandRecord& before,
                   float rod) {
  EXPECT_EQ(result.message, message ? message : "");
  EXPECT_EQ(r.ErrorText, result.outcome == kRefused ? result.message : "");
  const bool sealFit = result.message.starts_with("Calculation") || result.message.starts_with("   Calculation");
  EXPECT_EQ(result.beep, result.outcome == kRefused && !sealFit);
  if (sealFit) {
    EXPECT_NE(result.message.find("  > " + NumberText(rod) + "  rod"), std::string::npos);
  }
  const bool numberRefusal = result.message == kNumericValuesOnly || result.message == kValueTooLarge;
  for (const FloatField& f : floatFields()) EXPECT_TRUE(!numberRefusal || r.*f.member == before.*f.member) << f.name;
}

// The selection screen's OK with a cross-section and a gland type chosen and the boxes typed in.
OkResult select(GlandRecord& r, GlandKind kind, int crossSection, const std::string& typedDia,
                const std::string& sealId, const std::string& pressure) {
  SelectionEntries e;
  selectCrossSection(r, e, crossSection);
  selectGlandType(r, e, kind);
  (kind == kRod ? e.housingDia : e.rodDia) = typedDia, e.sealInsideDia = sealId, e.pressure = pressure;
  return selectionOk(r, e);
}

struct SelectionCase {
  const char* name;
  std::optional<int> crossSection;  // 0 is 0.070, 2 is 0.139
  std::optional<GlandKind> gland;
  const char *id, *rod, *housing, *pressure;
  const char* message;  // nullptr: the editor opens
};

// In both tables most cases also break a later rule, so that the order of the checks shows.
const SelectionCase kSelectionCases[] = {
    {"NothingSelected", {}, {}, "1", "0", "0", "0", "Select cross-section diameter."},
    {"NoGlandType", 2, {}, "x", "0", "2", "1", "Select gland type."},
    {"EmptySealBox", 2, kRod, "", "0", "0", "1", kNumericValuesOnly},
    {"TooLarge", 2, kRod, "1e60", "0", "0", "1", kValueTooLarge},
    {"TooLargeThenNotANumber", 2, kRod, "1e60", "0", "2", "abc", kNumericValuesOnly},
    {"NotANumberThenTooLarge", 2, kHousing, "abc", "0", "-4e39", "1", kNumericValuesOnly},
    {"HousingGrooveRodZero", 2, kHousing, "0", "0", "0", "0", "Enter rod  diameter."},
    {"HousingGrooveRodNegative", 2, kHousing, "1", "-1", "0", "1", "Enter rod  diameter."},
    {"RodGrooveHousingZero", 2, kRod, "0", "0", "0", "0", "Enter housing diameter."},
    {"SealInsideZero", 2, kRod, "0", "0", "2", "0", "Seal inside diameter should be > 0 inch"},
    {"PressureZero", 2, kRod, "5", "0", "2", "0", "Pressure should be > 0 psi and < = 1500 psi"},
    {"Pressure1501", 2, kRod, "1", "0", "2", "1501", "Pressure should be > 0 psi and < = 1500 psi"},
    {"Pressure1500", 2, kRod, "1", "0", "2", "1500", nullptr},
    {"HousingSealTooLarge", 2, kHousing, "1.05", "1", "0", "1",
     "Calculation shows seal inside diameter  1.05  > 1  rod  diameter."},
    {"HousingSealEqualToRodFits", 2, kHousing, "1", "1", "0", "1", nullptr},
    {"RodSealFits", 0, kRod, "1.4", "0", "1.5", "1", nullptr},
    {"RodSealTooLarge", 0, kRod, "1.45", "0", "1.5", "1",
     "Calculation shows seal nominal diameter  1.52  > 1.497  rod  diameter."},
};

using B = EditorBox;
struct EditCase {
  const char* name;
  GlandKind kind;  // rod groove: 0.139, housing 2, seal 1.75; housing groove: 0.070, rod 0.5, seal 0.49
  std::vector<std::pair<B, const char*>> edits;
  OkOutcome outcome;  // Stayed: the first question was answered Yes
  const char* message = nullptr;
  const char* glandType = nullptr;  // GlandType during the OK, when not the editor's own
};

const EditCase kEditCases[] = {
    {"RodEmptyBox", kRod, {{B::GDT, ""}, {B::PR, "0"}}, kRefused, kNumericValuesOnly},
    {"RodTooLarge", kRod, {{B::BD, "1e60"}, {B::PR, "0"}}, kRefused, kValueTooLarge},
    {"RodTooLargeThenNotANumber", kRod, {{B::ID, "1e60"}, {B::ECC, "x"}}, kRefused, kNumericValuesOnly},
    {"RodNotANumberThenTooLarge", kRod, {{B::PD, "1,5"}, {B::PR, "-1e39"}}, kRefused, kNumericValuesOnly},
    {"RodLimitOverflows", kRod, {{B::BD, "3e38"}, {B::BDT, "3e38"}}, kRefused, kResultsOutOfRange},
    {"RodSealBeforePressure", kRod, {{B::ID, "1.2"}, {B::PD, "1.23456"}, {B::PR, "0"}}, kRefused,
     "Calculation shows seal nominal diameter  1.339  > 1.235  rod  diameter  "},
    {"RodSealEqualToRodFits", kRod, {{B::ID, "1.861"}, {B::PD, "2"}, {B::BD, "2.01"}}, kStayed},
    {"RodPressureZero", kRod, {{B::PR, "0"}, {B::ID, "0"}}, kRefused, "Pressure  should  be  > 0 and < = 1500 PSI"},
    {"RodPressure1500", kRod, {{B::PR, "1500"}}, kGoOn},
    {"RodSealZero", kRod, {{B::ID, "0"}, {B::BD, "0"}}, kRefused, "Seal  inside  diameter  should  be  >  0  Inch"},
    {"RodRodZeroWithoutSealCheck", kRod, {{B::PD, "0"}, {B::GD, "0"}}, kRefused,
     "Rod  diamter  should  be  >  0  Inch", ""},
    {"RodBoreZero", kRod, {{B::BD, "0"}, {B::GD, "0"}}, kRefused, "Bore  diamaeter  should be  >  0  Inch"},
    {"RodGrooveZero", kRod, {{B::GD, "0"}}, kRefused, "Groove  diamaeter  should be  >  0  Inch"},
    {"RodGrooveAtRod", kRod, {{B::GD, "1.9955"}}, kRefused, "Groove  diamaeter  is >  Rod  diameter"},
    {"RodGrooveJustBelowRod", kRod, {{B::GD, "1.9954"}}, kStayed},
    {"RodNegativeTolerances", kRod, {{B::PDT, "-0.001"}, {B::ECC, "-0.002"}}, kGoOn},
    {"HousingSealBeforePressure", kHousing, {{B::ID, "1"}, {B::PD, "0.98765"}, {B::PR, "0"}}, kRefused,
     "   Calculation shows seal inside diameter  1  > 0.988  rod  diameter "},
    {"HousingPressure", kHousing, {{B::PR, "-3"}, {B::GD, "0"}}, kRefused, "Pressure should be  >  0 and < = 1500  PSI"},
    {"HousingSealZero", kHousing, {{B::ID, "0"}, {B::BD, "0"}}, kRefused, "  Seal inside diameter should be >  0  Inch"},
    {"HousingRodZeroWithoutSealCheck", kHousing, {{B::PD, "0"}, {B::BD, "0"}}, kRefused,
     "Rod diameter should be  >  0  Inch", ""},
    {"HousingBoreZero", kHousing, {{B::BD, "0"}, {B::GD, "0"}}, kRefused, "Bore diameter should be  >  0  Inch"},
    {"HousingGrooveZero", kHousing, {{B::GD, "0"}}, kRefused, "Groove diameter should be  >  0  Inch"},
    {"HousingGrooveAtBore", kHousing, {{B::GD, "0.5035"}}, kRefused, "Groove diameter should be > Bore diameter."},
    {"HousingGrooveJustAboveBore", kHousing, {{B::GD, "0.5036"}}, kStayed},
    {"HousingSealEqualToRodFits", kHousing, {{B::ID, "0.5"}}, kGoOn},
};

// Expected floats worked out independently from the written formulas, rounding to a 32-bit float at every stored
// step; in these small glands the gland height and squeezes are inexact in a float, so an unstored step shows.
struct GlandRun {
  GlandKind kind;
  const char *typedDia, *sealId, *pressure;  // typed on the selection screen, cross-section 0.103
  std::vector<std::pair<EditorBox, const char*>> edits;
  std::vector<std::pair<std::string_view, float>> record;  // every float after the editor's OK that is not 0
  std::vector<std::string> sheet = {};  // the sheet's captions in fill order (the date aside), where checked
};

const GlandRun kRuns[] = {
    {GlandKind::RodGroove, "0.195", "0.0491", "500",
     {{EditorBox::GD, "0.0515"}, {EditorBox::ECC, "0.0025"}, {EditorBox::PDT, "0.0004"}},
     {{"W", 0.103f}, {"WT", 0.003f}, {"ID", 0.0491f}, {"PR", 500.0f}, {"ECC", 0.0025f}, {"BDM", 0.195f},
      {"BDTM", 0.001f}, {"PDM", 0.1915f}, {"PDTM", 0.0004f}, {"GDM", 0.0515f}, {"GDTM", 0.001f}, {"BDMMax", 0.196f},
      {"BDMMin", 0.19399999f}, {"PDMMax", 0.1919f}, {"PDMMin", 0.19109999f}, {"GDMMax", 0.0525f}, {"GDMMin", 0.0505f},
      {"PSM", 4.89f}, {"EWM", 0.09956484f}, {"GHM", 0.07175f}, {"CM", 0.027814843f}, {"PCM", 27.93641f},
      {"EGM", 0.0017499998f}, {"EWMMax", 0.10256484f}, {"EWMMin", 0.096564844f}, {"CMMax", 0.031814843f},
      {"CMMin", 0.023814848f}, {"CMMaxE", 0.03451485f}, {"CMMinE", 0.020114843f}, {"PCMMax", 31.019249f},
      {"PCMMin", 24.662027f}, {"PCMMaxE", 33.651733f}, {"PCMMinE", 20.830399f}, {"EGMMin", 0.0010499954f},
      {"EGMMax", 0.0024500042f}, {"EGMMaxE", 0.0049000084f}, {"GHMMin", 0.07075f}, {"GHMMax", 0.072749995f},
      {"GHMMinE", 0.06805f}, {"GHMMaxE", 0.07645f}, {"APM", 0.02778169f}, {"LPM", 0.6126105f}, {"FHM", 0.6664133f},
      {"FC70M", 1.1637615f}, {"FC80M", 2.087925f}, {"FC90M", 2.7382622f}, {"F70M", 1.8301748f}, {"F80M", 2.7543383f},
      {"F90M", 3.4046755f}, {"BDF", 0.0035f}, {"BDTF", 0.0005f}, {"PDTF", 0.001f}, {"GDF", 0.164f}, {"GDTF", 0.001f},
      {"BDFMax", 0.004f}, {"BDFMin", 0.003f}, {"PDFMax", 0.001f}, {"PDFMin", -0.001f}, {"GDFMax", 0.165f},
      {"GDFMin", 0.163f}},
     {"0.103 Inch   Tolerance =  +/-  0.003", "0.09956 Inch", "Groove in Rod.", "0.0491 Inch",
      "0.1915 Inch   Tolerance =  +/-  0.0004", "0.195 Inch   Tolerance =  +/-  0.001",
      "0.0515 Inch   Tolerance = +/-  0.001", "0.140 to 0.145 Inch  (With No Back up Rings)", "0.0025 Inch",
      "500 PSI", "4.89 %", "1.8 Lbs", "2.8 Lbs", "3.4 Lbs", "0.03451", "0.03181", "0.02781", "0.02381", "0.02011",
      "33.65", "31.02", "27.94", "24.66", "20.83", "0.0049", "0.00245", "0.00175", "0.00105", "0", "0.07645",
      "0.07275", "0.07175", "0.07075", "0.06805"}},
    {GlandKind::HousingGroove, "0.0506", "0.049", "750",
     {{EditorBox::GD, "0.1955"}, {EditorBox::ECC, "0.002"}, {EditorBox::BDT, "0.0004"}},
     {{"W", 0.103f}, {"WT", 0.003f}, {"ID", 0.049f}, {"PR", 750.0f}, {"ECC", 0.002f}, {"BDTM", 0.001f},
      {"PDM", -0.0035f}, {"PDTM", 0.0005f}, {"GDM", -0.164f}, {"GDTM", 0.001f}, {"BDMMax", 0.001f},
      {"BDMMin", -0.001f}, {"PDMMax", -0.003f}, {"PDMMin", -0.004f}, {"GDMMax", -0.163f}, {"GDMMin", -0.165f},
      {"BDF", 0.0541f}, {"BDTF", 0.0004f}, {"PDF", 0.0506f}, {"PDTF", 0.001f}, {"GDF", 0.1955f}, {"GDTF", 0.001f},
      {"BDFMax", 0.0545f}, {"BDFMin", 0.0537f}, {"PDFMax", 0.051599998f}, {"PDFMin", 0.0496f}, {"GDFMax", 0.1965f},
      {"GDFMin", 0.1945f}, {"PSF", 3.27f}, {"EWF", 0.10048668f}, {"GHF", 0.07245f}, {"CF", 0.028036684f},
      {"PCF", 27.900896f}, {"EGF", 0.0017499998f}, {"EWFMax", 0.10348668f}, {"EWFMin", 0.09748668f},
      {"CFMax", 0.032036677f}, {"CFMin", 0.024036681f}, {"CFMaxE", 0.034486677f}, {"CFMinE", 0.020586682f},
      {"PCFMax", 30.957294f}, {"PCFMin", 24.656374f}, {"PCFMaxE", 33.32475f}, {"PCFMinE", 21.11743f},
      {"EGFMin", 0.001050001f}, {"EGFMax", 0.0024499986f}, {"EGFMaxE", 0.0048999973f}, {"GHFMin", 0.07145f},
      {"GHFMax", 0.07345f}, {"GHFMinE", 0.069f}, {"GHFMaxE", 0.0769f}, {"APF", 0.028007211f}, {"LPF", 0.15896459f},
      {"FHF", 0.8604778f}, {"FC70F", 0.3015973f}, {"FC80F", 0.54110104f}, {"FC90F", 0.70964074f}, {"F70F", 1.162075f},
      {"F80F", 1.4015789f}, {"F90F", 1.5701185f}}},
};

void expectRecord(const GlandRecord& r, const GlandRun& run) {
  for (const FloatField& f : floatFields()) {
    const auto it = std::find_if(run.record.begin(), run.record.end(), [&](auto& e) { return e.first == f.name; });
    EXPECT_EQ(r.*f.member, it == run.record.end() ? 0.0f : it->second) << f.name;
  }
}

// Ordinary figures, figures with exponents, the float range's edges and garbage.
std::string randomText(std::mt19937& g) {
  static const char* const kOdd[] = {"3.4e38", "-3.4e38", "1e38", "1e39", "1e20", "1e-45", "1e-38", "-0", "0",
                                     "0.0000001", "1500", "99999999", "", " ", "1,5", "$5", "1e", "inf", "nan", "--1"};
  const std::string plain = (g() % 8 ? "" : "-") + std::to_string(g() % 4) + "." + std::to_string(g() % 100000);
  return g() % 4 == 0 ? kOdd[g() % std::size(kOdd)] : g() % 3 ? plain : plain + "e" + std::to_string(int(g() % 90) - 45);
}

bool finite(const GlandRecord& r) {
  return std::all_of(floatFields().begin(), floatFields().end(), [&](auto& f) { return std::isfinite(r.*f.member); });
}

bool nonFinite(const std::string& text) { return text.find("Inf") != text.npos || text.find("NaN") != text.npos; }

}  // namespace

TEST(SelectionOk, RefusalsInOrderWithTheirTextAndBeep) {
  for (const SelectionCase& c : kSelectionCases) {
    SCOPED_TRACE(c.name);
    GlandRecord r;
    SelectionEntries e;
    if (c.crossSection) selectCrossSection(r, e, *c.crossSection);
    if (c.gland) selectGlandType(r, e, *c.gland);
    e.sealInsideDia = c.id, e.rodDia = c.rod, e.housingDia = c.housing, e.pressure = c.pressure;
    const GlandRecord before = r;
    const OkResult result = selectionOk(r, e);
    EXPECT_EQ(result.outcome, c.message ? kRefused : kGoOn);
    expectRefusal(result, c.message, r, before, c.gland == kRod ? r.PDM : r.PDF);
  }
}

TEST(EditorOk, RefusalsInOrderWithTheirTextAndBeep) {
  for (const EditCase& c : kEditCases) {
    SCOPED_TRACE(c.name);
    const bool rod = c.kind == kRod;
    const GlandSide& side = glandSide(c.kind);
    GlandRecord r;
    ASSERT_EQ(select(r, c.kind, rod ? 2 : 0, rod ? "2" : "0.5", rod ? "1.75" : "0.49", "1").outcome, kGoOn);
    if (c.glandType) r.GlandType = c.glandType;
    const GlandRecord before = r;
    EditorTexts texts = editorLoad(r, side);
    for (const auto& [box, text] : c.edits) texts[static_cast<std::size_t>(box)] = text;
    testing_support::ScriptedPrompts yesToTheFirstQuestion(0);
    const OkResult result = editorOk(r, side, texts, yesToTheFirstQuestion);
    EXPECT_EQ(result.outcome, c.outcome);
    expectRefusal(result, c.message, r, before, r.*side.rod.nominal);
    EXPECT_EQ(r.*side.F70 != 0.0f, c.outcome == kGoOn) << "the analysis runs only when the OK goes on";
  }
}

// Catches a storage step skipped, a constant changed, a box mapped to the wrong variable, a rounding not stored back.
TEST(FullRun, RecordIsBitExactAndTheSheetShowsWhatTheRecordKeeps) {
  for (const GlandRun& run : kRuns) {
    const GlandSide& side = glandSide(run.kind);
    SCOPED_TRACE(side.code);
    GlandRecord r;
    ASSERT_EQ(select(r, run.kind, 1, run.typedDia, run.sealId, run.pressure).outcome, kGoOn);
    EditorTexts texts = editorLoad(r, side);
    for (const auto& [box, text] : run.edits) texts[static_cast<std::size_t>(box)] = text;
    testing_support::ScriptedPrompts prompts;
    ASSERT_EQ(editorOk(r, side, texts, prompts).outcome, OkOutcome::GoOn);
    EXPECT_TRUE(prompts.shown.empty());
    expectRecord(r, run);
    std::vector<std::string> captions;
    for (const SheetLabel& label : fillSheet(r, side)) {
      captions.push_back(label.caption);
      // The sheet stores each rounded value back: label lblX or lblXV shows exactly the record's X.
      const std::string& name = label.objectName;
      if (name == "lblGCV" || name == "lblGWV") continue;
      const auto f = std::find_if(floatFields().begin(), floatFields().end(), [&](const FloatField& field) {
        return name == "lbl" + std::string(field.name) || name == "lbl" + std::string(field.name) + "V"; });
      ASSERT_NE(f, floatFields().end()) << name;
      EXPECT_EQ(r.*f->member, parseNumber(label.caption.substr(0, label.caption.find(' '))).value) << name;
    }
    EXPECT_TRUE(run.sheet.empty() || captions == run.sheet) << ::testing::PrintToString(captions);
    // Pressing OK again in the editor recomputes every value that the sheet rounded.
    ASSERT_EQ(editorOk(r, side, texts, prompts).outcome, OkOutcome::GoOn);
    expectRecord(r, run);
  }
}

// No infinity or NaN ever reaches the record, a message, a question or a caption.
TEST(RandomRuns, NeverStoreOrShowInfinityOrNaN) {
  std::mt19937 g(20261206);
  int reachedSheet = 0;
  for (int run = 0; run < 20000; ++run) {
    const GlandSide& side = g() % 2 ? kRodGroove : kHousingGroove;
    const int crossSection = static_cast<int>(g() % 5);
    const std::string seal = randomText(g), typed = randomText(g), pressure = g() % 2 ? randomText(g) : "100";
    GlandRecord r;
    const OkResult selection = select(r, side.kind, crossSection, typed, seal, pressure);
    ASSERT_TRUE(finite(r)) << "run " << run;
    ASSERT_FALSE(nonFinite(selection.message)) << selection.message;
    if (selection.outcome != OkOutcome::GoOn) continue;
    EditorTexts boxes = editorLoad(r, side);
    for (std::string& box : boxes)
      if (g() % 4 == 0) box = randomText(g);
    testing_support::ScriptedPrompts prompts;
    const OkResult edit = editorOk(r, side, boxes, prompts);
    ASSERT_TRUE(finite(r)) << "run " << run;
    ASSERT_FALSE(nonFinite(edit.message)) << edit.message;
    for (const auto& box : prompts.shown) ASSERT_FALSE(nonFinite(box.text)) << box.text;
    if (edit.outcome != OkOutcome::GoOn) continue;
    ++reachedSheet;
    for (const SheetLabel& label : fillSheet(r, side)) ASSERT_FALSE(nonFinite(label.caption)) << label.caption;
    ASSERT_TRUE(finite(r)) << "run " << run;
  }
  EXPECT_GT(reachedSheet, 500);  // the texts must take the whole path often enough
}

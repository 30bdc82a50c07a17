// The face seal's forms: the designer's entries read into a gland, the review's boxes and
// the Find a seal window's face inputs, each bad box refused with its reason on its box.

#include <gtest/gtest.h>

#include <optional>

#include "face/face_find_form.h"
#include "face/face_form.h"
#include "face/face_review_form.h"
#include "model/ok_result.h"
#include "tests/face/face_files.h"

using namespace glandwise;

namespace {

// -214 (0.139 ± 0.004 × 0.984 ± 0.010) from inside, liquid, 500 psi. Its standard groove:
// OD 1.262 × 0.985 = 1.243 ± 0.001, depth 0.101 to 0.107 = 0.104 ± 0.003, liquid width 0.177
// to 0.187 = 0.182 ± 0.005, bottom radius 0.010 to 0.025.
FaceForm form214() {
  FaceForm form;
  form.crossSection = 2;
  form.sealId = "0.984";
  form.pressureFrom = PressureFrom::Inside;
  form.medium = FaceMedium::Liquid;
  form.pressure = "500";
  return form;
}

FaceDesign design(const FaceForm& form) { return designFace(form, test::faceData(), &test::as568Table()); }

// Each bad entry refuses the gland with its reason, on its own box and no other. Faults: a
// reason on the wrong box (the datum's on its tolerance), a lenient parse ("0.98a" read as
// 0.98), the other side's datum named, a groove box judged before the groove is known.
TEST(FaceForm, EachBadBoxIsRefusedOnItsBox) {
  struct Case {
    const char* what;
    void (*change)(FaceForm&);
    std::optional<FaceBox> box;  // none: a refusal of the whole form
    std::string reason;
  };
  const Case cases[] = {
      {"junk after the ID", [](FaceForm& f) { f.sealId = "0.98a"; }, FaceBox::SealId, kNumericValuesOnly},
      {"ID beyond a float", [](FaceForm& f) { f.sealId = "1e39"; }, FaceBox::SealId, kValueTooLarge},
      {"negative ID", [](FaceForm& f) { f.sealId = "-0.984"; }, FaceBox::SealId,
       "Seal inside diameter should be > 0 inch"},
      {"pressure over 1500", [](FaceForm& f) { f.pressure = "1500.1"; }, FaceBox::Pressure,
       "Pressure should be > 0 psi and < = 1500 psi"},
      {"no pressure", [](FaceForm& f) { f.pressure = "0"; }, FaceBox::Pressure,
       "Pressure should be > 0 psi and < = 1500 psi"},
      {"datum 0", [](FaceForm& f) { f.datum = "0"; }, FaceBox::Datum, "Groove OD should be > 0 inch"},
      {"groove ID negative, from outside",
       [](FaceForm& f) {
         f.pressureFrom = PressureFrom::Outside;
         f.datum = "-1";
       },
       FaceBox::Datum, "Groove ID should be > 0 inch"},
      {"datum tolerance as large as the datum", [](FaceForm& f) { f.edit(FaceBox::DatumTolerance) = "1.243"; },
       FaceBox::DatumTolerance, "Groove OD tolerance should be >= 0 inch and < the groove OD"},
      {"negative depth tolerance", [](FaceForm& f) { f.edit(FaceBox::DepthTolerance) = "-0.001"; },
       FaceBox::DepthTolerance, "Groove depth tolerance should be >= 0 inch and < the groove depth"},
      {"depth 0.027 ± 0.003: 0.024 at its smallest, under the 0.025 radius",
       [](FaceForm& f) { f.edit(FaceBox::Depth) = "0.027"; }, FaceBox::Depth,
       "Groove depth should be at least the bottom radius (0.025 inch) at its smallest"},
      {"width 0.054 ± 0.005: 0.049 at its smallest, under twice the 0.025 radius",
       [](FaceForm& f) { f.edit(FaceBox::Width) = "0.054"; }, FaceBox::Width,
       "Groove width should be at least twice the bottom radius (0.025 inch) at its smallest"},
      {"junk width tolerance", [](FaceForm& f) { f.edit(FaceBox::WidthTolerance) = "abc"; },
       FaceBox::WidthTolerance, kNumericValuesOnly},
      {"unknown AS568 size", [](FaceForm& f) { f.as568 = "999"; }, std::nullopt,
       "\"999\" is not an AS568 size of the table."},
      {"AS568 size of a non-standard cross-section", [](FaceForm& f) { f.as568 = "901"; }, std::nullopt,
       "AS568 size -901 has a cross-section of 0.056 inch, not one of the five standard cross-sections."},
      {"no cross-section", [](FaceForm& f) { f.crossSection.reset(); }, std::nullopt,
       "Select cross-section diameter."},
      {"no medium: the groove is not known, its junk datum not judged",
       [](FaceForm& f) {
         f.medium.reset();
         f.datum = "x";
       },
       std::nullopt, "Select medium."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FaceForm form = form214();
    c.change(form);
    const FaceDesign d = design(form);
    EXPECT_FALSE(d.gland);
    EXPECT_EQ(d.refusal, c.reason);
    for (std::size_t b = 0; b < kFaceBoxCount; ++b)
      EXPECT_EQ(d.problems[b], c.box && std::size_t(*c.box) == b ? c.reason : "") << "box " << b;
  }
}

// A box at its limit is accepted. Faults: a strict limit where the message says "at least"
// or "< =", and the smallest width 0.055 − 0.005, which as floats comes to 0.04999999981
// against twice the float radius 0.05000000075, refused through its last bit.
TEST(FaceForm, EntriesAtTheirLimitsAreAccepted) {
  FaceForm form = form214();
  form.pressure = "1500";
  form.edit(FaceBox::DatumTolerance) = "0";
  form.edit(FaceBox::Depth) = "0.028";  // 0.025 at its smallest: the bottom radius
  form.edit(FaceBox::Width) = "0.055";  // 0.050 at its smallest: twice the bottom radius
  const FaceDesign d = design(form);
  ASSERT_TRUE(d.gland) << d.refusal;
  EXPECT_FLOAT_EQ(d.gland->pressure, 1500);
  EXPECT_FLOAT_EQ(d.gland->groove.width, 0.055f);
}

// The standard groove follows the ring, the direction and the medium; a retyped box stays
// as typed through them. Faults: an edit overwritten by the standard groove, or the standard
// groove not recomputed for the medium or side.
TEST(FaceForm, RetypedBoxSurvivesTheStandardGroovesChanges) {
  FaceForm form = form214();
  form.edit(FaceBox::Depth) = "0.110";
  struct Step {
    PressureFrom from;
    FaceMedium medium;
    float datum, width, widthTolerance;
  };
  const Step steps[] = {
      {PressureFrom::Inside, FaceMedium::Liquid, 1.243f, 0.182f, 0.005f},
      // Gas: width 0.158 to 0.164 = 0.161 ± 0.003.
      {PressureFrom::Inside, FaceMedium::Gas, 1.243f, 0.161f, 0.003f},
      // From outside: groove ID 0.984 × 1.025 = 1.0086, to 0.001 inch 1.009.
      {PressureFrom::Outside, FaceMedium::Gas, 1.009f, 0.161f, 0.003f},
  };
  for (const Step& s : steps) {
    form.pressureFrom = s.from;
    form.medium = s.medium;
    const FaceDesign d = design(form);
    ASSERT_TRUE(d.gland) << d.refusal;
    EXPECT_FLOAT_EQ(d.gland->groove.depth, 0.110f);
    EXPECT_FLOAT_EQ(d.standard->depth, 0.104f);
    EXPECT_FLOAT_EQ(d.gland->groove.datum, s.datum);
    EXPECT_FLOAT_EQ(d.gland->groove.width, s.width);
    EXPECT_FLOAT_EQ(d.gland->groove.widthTolerance, s.widthTolerance);
  }
  // An AS568 size stands in for the ring: -116 is 0.103 × 0.737.
  form.as568 = "116";
  form.crossSection.reset();
  const FaceDesign d = design(form);
  ASSERT_TRUE(d.gland) << d.refusal;
  EXPECT_FLOAT_EQ(d.gland->ring.crossSection, 0.103f);
  EXPECT_FLOAT_EQ(d.gland->ring.insideDiameter, 0.737f);
  EXPECT_FLOAT_EQ(d.gland->groove.depth, 0.110f);
}

// The review's boxes: both temperatures or neither, the lowest not above the highest, each
// range, the flange gap required. Faults: a half-given pair read as one temperature, the
// problem on the box that was right, a range end excluded.
TEST(FaceReviewForm, BoxesAreCheckedTogether) {
  using Texts = std::array<std::string, kFaceReviewBoxCount>;  // lowest, highest, swell, flange gap
  struct Case {
    Texts texts;
    Texts problems;
  };
  const std::string range = "must be from -460 to 1000 °F";
  const Case cases[] = {
      {{"-20", "", "", "0"}, {"", "give both temperatures, or neither", "", ""}},
      {{"", "180", "", "0"}, {"give both temperatures, or neither", "", "", ""}},
      {{"300", "200", "", "0"}, {"", "must not be below the lowest temperature", "", ""}},
      {{"-461", "200", "", "0"}, {range, "", "", ""}},
      {{"abc", "1000.1", "", "0"}, {"not a number", range, "", ""}},
      {{"", "", "-100", "0"}, {"", "", "must be above -100 and at most 1000 %", ""}},
      {{"", "", "", ""}, {"", "", "", "not a number"}},
      {{"", "", "", "1"}, {"", "", "", "must be at least 0 and below 1 inch"}},
      {{"", "", "", "-0.001"}, {"", "", "", "must be at least 0 and below 1 inch"}},
      {{"-460", "1000", "1000", "0.999"}, {}},
      {{"100", "100", "", "0"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.texts[0] + " | " + c.texts[1] + " | " + c.texts[2] + " | " + c.texts[3]);
    FaceReviewForm form;
    form.texts = c.texts;
    const FaceReviewFormRead read = readFaceReviewForm(form);
    EXPECT_EQ(read.problems, c.problems);
    EXPECT_EQ(read.inputs.has_value(), c.problems == Texts{});
  }
}

// The form of some inputs reads back to them, a question not asked staying unasked.
// Faults: temperatures swapped or dropped, a swell not asked about read as 0 % (which would
// judge the heat row), the compound or hardness lost.
TEST(FaceReviewForm, FormReadsBackToItsInputs) {
  const FaceReviewInputs asked{90, "fkm", "aluminium", std::array<double, 2>{-20, 300}, 12.5, 0.0025f};
  const FaceReviewInputs unasked{80, "epdm", "brass", std::nullopt, std::nullopt, 0};
  for (const FaceReviewInputs& in : {asked, unasked}) {
    const FaceReviewFormRead read = readFaceReviewForm(faceReviewForm(in));
    ASSERT_TRUE(read.inputs);
    EXPECT_EQ(read.inputs->hardness, in.hardness);
    EXPECT_EQ(read.inputs->compound, in.compound);
    EXPECT_EQ(read.inputs->metal, in.metal);
    EXPECT_EQ(read.inputs->temperaturesF, in.temperaturesF);
    EXPECT_EQ(read.inputs->swellPercent, in.swellPercent);
    EXPECT_FLOAT_EQ(float(read.inputs->flangeGap), float(in.flangeGap));
  }
}

// ---- Find a seal's face inputs -------------------------------------------------------

// A form of the window looking for a groove OD of 1.243 inch at 500 psi, with junk in every
// box a face gland does not read.
FindForm findForm() {
  FindForm form;
  form.text(FindBox::Hardware) = "1.243";
  form.text(FindBox::Pressure) = "500";
  form.text(FindBox::HardwareTolerance) = "x";
  form.text(FindBox::LargestRadialSpace) = "-1";
  form.text(FindBox::SmallestSealId) = "abc";
  form.text(FindBox::LargestSealId) = "0";
  form.review.texts.fill("junk");  // the radial review's limits
  return form;
}

FaceFindFormRead readFind(const FindForm& form, const FaceFindChoices& choices = {}) {
  return readFaceFindForm(form, choices, test::faceData().rules);
}

// The boxes a face gland does not read never block it; what it reads reaches the request.
// Faults: the radial boxes' problems kept, the cross-sections or the width not passed on.
TEST(FaceFindForm, OnlyTheFaceBoxesAreRead) {
  FindForm form = findForm();
  form.text(FindBox::LargestGrooveWidth) = "0.2";
  form.crossSections = {false, false, true, true, false};
  FaceFindChoices choices{PressureFrom::Outside, FaceMedium::Gas, {}};
  choices.review.texts = {"-20", "180", "", "0.004"};
  const FaceFindFormRead read = readFind(form, choices);
  ASSERT_TRUE(read.request) << read.inputsProblem;
  EXPECT_EQ(read.problems, (std::array<std::string, kFindBoxCount>{}));
  EXPECT_EQ(read.request->from, PressureFrom::Outside);
  EXPECT_EQ(read.request->medium, FaceMedium::Gas);
  EXPECT_FLOAT_EQ(read.request->datum, 1.243f);
  EXPECT_FLOAT_EQ(read.request->pressure, 500);
  EXPECT_FLOAT_EQ(float(read.request->largestGrooveWidth.value()), 0.2f);
  EXPECT_EQ(read.request->crossSections, form.crossSections);
  EXPECT_EQ(read.request->review.temperaturesF, (std::array<double, 2>{-20, 180}));
  EXPECT_FLOAT_EQ(float(read.request->review.flangeGap), 0.004f);
  form.text(FindBox::LargestGrooveWidth).clear();
  EXPECT_FALSE(readFind(form).request.value().largestGrooveWidth);
}

// A box it reads that is wrong is refused on that box and gives no request. Faults: a
// zero or negative datum or pressure searched for, an empty datum read as 0, the problem
// on another box.
TEST(FaceFindForm, BadFaceBoxesAreRefusedOnTheirBox) {
  struct Case {
    FindBox box;
    const char* text;
    const char* problem;
  };
  const Case cases[] = {
      {FindBox::Hardware, "0", "must be above 0"},           {FindBox::Hardware, "-1.243", "must be above 0"},
      {FindBox::Hardware, "", "not a number"},               {FindBox::Pressure, "-500", "must be above 0"},
      {FindBox::Pressure, "1e39", "not a number"},           {FindBox::LargestGrooveWidth, "0", "must be above 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(int(c.box)) + " \"" + c.text + "\"");
    FindForm form = findForm();
    form.text(c.box) = c.text;
    const FaceFindFormRead read = readFind(form);
    EXPECT_FALSE(read.request);
    std::array<std::string, kFindBoxCount> problems{};
    problems[std::size_t(c.box)] = c.problem;
    EXPECT_EQ(read.problems, problems);
  }
  FindForm none = findForm();
  none.crossSections.fill(false);
  EXPECT_EQ(readFind(none).problems[std::size_t(FindBox::LargestGrooveWidth)], "allow at least one cross-section");
}

// Choices the rules cannot review give the reason and no request; a bad review box gives
// its problem. Faults: a compound the rules lack searched with (and crashing the review),
// a hardness without extrusion limits at the pressure accepted.
TEST(FaceFindForm, ChoicesTheRulesLackGiveNoRequest) {
  FaceFindChoices custom;
  custom.review.compound = "custom";
  FaceFindFormRead read = readFind(findForm(), custom);
  EXPECT_FALSE(read.request);
  EXPECT_TRUE(read.inputsProblem.starts_with("\"compound\" in \"review\" \"custom\" is not a compound of the rules"))
      << read.inputsProblem;

  FaceFindChoices hardness;
  hardness.review.hardness = 75;
  read = readFind(findForm(), hardness);
  EXPECT_FALSE(read.request);
  EXPECT_TRUE(read.inputsProblem.starts_with("\"hardness\" in \"review\" 75 has no extrusion limit at 500 psi"))
      << read.inputsProblem;

  FaceFindChoices gap;
  gap.review.texts[std::size_t(FaceReviewBox::FlangeGap)] = "2";
  read = readFind(findForm(), gap);
  EXPECT_FALSE(read.request);
  EXPECT_EQ(read.review.problems[std::size_t(FaceReviewBox::FlangeGap)], "must be at least 0 and below 1 inch");
}

}  // namespace

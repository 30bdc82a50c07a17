// The face seal's forms: the designer's entries read into a gland, the review's boxes and
// the Find a seal window's face inputs, each bad box refused with its reason on its box.

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

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

// `text` typed in `box`.
void type(FaceForm& form, FaceBox box, const char* text) {
  if (box == FaceBox::SealId) form.sealId = text;
  else if (box == FaceBox::Pressure) form.pressure = text;
  else if (box == FaceBox::Datum) form.datum = text;
  else form.edit(box) = text;
}

// The refusal is `reason`, on `box` alone (none: on no box).
void expectRefused(const FaceForm& form, std::optional<FaceBox> box, const std::string& reason) {
  const FaceDesign d = design(form);
  EXPECT_FALSE(d.gland);
  EXPECT_EQ(d.refusal, reason);
  for (std::size_t b = 0; b < kFaceBoxCount; ++b)
    EXPECT_EQ(d.problems[b], box && std::size_t(*box) == b ? reason : "") << "box " << b;
}

// Each bad entry refuses the gland with its reason, on its own box and no other. Faults: a
// reason on the wrong box (the datum's on its tolerance), a lenient parse ("0.98a" read as
// 0.98), the other side's datum named, a groove box judged before the groove is known.
TEST(FaceForm, EachBadBoxIsRefusedOnItsBox) {
  const std::string depth = "Groove depth should be at least the bottom radius (0.025 inch) at its smallest";
  const std::string width = "Groove width should be at least twice the bottom radius (0.025 inch) at its smallest";
  const std::tuple<FaceBox, const char*, std::string> typed[] = {
      {FaceBox::SealId, "0.98a", kNumericValuesOnly},
      {FaceBox::SealId, "1e39", kValueTooLarge},
      {FaceBox::SealId, "-0.984", "Seal inside diameter should be > 0 inch"},
      {FaceBox::Pressure, "1500.1", "Pressure should be > 0 psi and < = 1500 psi"},
      {FaceBox::Datum, "0", "Groove OD should be > 0 inch"},
      {FaceBox::DatumTolerance, "1.243", "Groove OD tolerance should be >= 0 inch and < the groove OD"},
      {FaceBox::DepthTolerance, "-0.001", "Groove depth tolerance should be >= 0 inch and < the groove depth"},
      {FaceBox::Depth, "0.027", depth},  // 0.024 at its smallest
      {FaceBox::Width, "0.054", width},  // 0.049 at its smallest
      {FaceBox::WidthTolerance, "abc", kNumericValuesOnly},
  };
  for (const auto& [box, text, reason] : typed) {
    SCOPED_TRACE(text);
    FaceForm form = form214();
    type(form, box, text);
    expectRefused(form, box, reason);
  }
  FaceForm outside = form214();
  outside.pressureFrom = PressureFrom::Outside;
  outside.datum = "-1";
  expectRefused(outside, FaceBox::Datum, "Groove ID should be > 0 inch");

  const std::pair<void (*)(FaceForm&), std::string> chosen[] = {
      {[](FaceForm& f) { f.as568 = "999"; }, "\"999\" is not an AS568 size of the table."},
      {[](FaceForm& f) { f.as568 = "901"; },
       "AS568 size -901 has a cross-section of 0.056 inch, not one of the five standard cross-sections."},
      {[](FaceForm& f) { f.crossSection.reset(); }, "Select cross-section diameter."},
      // The groove is not known: its junk datum is not judged.
      {[](FaceForm& f) { f.medium.reset(), f.datum = "x"; }, "Select medium."},
  };
  for (const auto& [change, reason] : chosen) {
    SCOPED_TRACE(reason);
    FaceForm form = form214();
    change(form);
    expectRefused(form, std::nullopt, reason);
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

// The standard groove follows the direction and the medium; a retyped box stays as typed
// through them. Faults: an edit overwritten by the standard groove, or the standard
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
}

// The review's boxes: both temperatures or neither, the lowest not above the highest, each
// range, the flange gap required. Faults: a half-given pair read as one temperature, the
// problem on the box that was right, a range end excluded.
TEST(FaceReviewForm, BoxesAreCheckedTogether) {
  using Texts = std::array<std::string, kFaceReviewBoxCount>;  // lowest, highest, swell, flange gap
  const std::string range = "must be from -460 to 1000 °F";
  const std::pair<Texts, Texts> cases[] = {  // the texts, the problems
      {{"-20", "", "", "0"}, {"", "give both temperatures, or neither", "", ""}},
      {{"", "180", "", "0"}, {"give both temperatures, or neither", "", "", ""}},
      {{"300", "200", "", "0"}, {"", "must not be below the lowest temperature", "", ""}},
      {{"-461", "200", "", "0"}, {range, "", "", ""}},
      {{"abc", "1000.1", "", "0"}, {"not a number", range, "", ""}},
      {{"", "", "-100", "0"}, {"", "", "must be above -100 and at most 1000 %", ""}},
      {{"", "", "", ""}, {"", "", "", "not a number"}},
      {{"", "", "", "1"}, {"", "", "", "must be at least 0 and below 1 inch"}},
      {{"-460", "1000", "1000", "0.999"}, {}},
      {{"100", "100", "", "0"}, {}},
  };
  for (const auto& [texts, problems] : cases) {
    SCOPED_TRACE(texts[0] + " | " + texts[1] + " | " + texts[2] + " | " + texts[3]);
    FaceReviewForm form;
    form.texts = texts;
    const FaceReviewFormRead read = readFaceReviewForm(form);
    EXPECT_EQ(read.problems, problems);
    EXPECT_EQ(read.inputs.has_value(), problems == Texts{});
  }
}

// The form of some inputs reads back to them, a question not asked staying unasked.
// Faults: temperatures swapped or dropped, a swell not asked about read as 0 % (which would
// judge the heat row), the compound or hardness lost.
TEST(FaceReviewForm, FormReadsBackToItsInputs) {
  const FaceReviewInputs asked{90, "fkm", "aluminium", std::array<double, 2>{-20, 300}, 12.5, 0.0025f, {}};
  const FaceReviewInputs unasked{80, "epdm", "brass", std::nullopt, std::nullopt, 0, {}};
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

// A box it reads that is wrong is refused on that box; a custom material or a compound the
// rules lack is refused with its reason; none gives a request. Faults: a zero or negative
// datum or pressure searched for, an empty datum read as 0, the problem on another box, a
// request the review cannot judge (it would look up the missing compound).
TEST(FaceFindForm, BadInputsGiveNoRequest) {
  const std::tuple<FindBox, const char*, const char*> cases[] = {
      {FindBox::Hardware, "0", "must be above 0"},           {FindBox::Hardware, "-1.243", "must be above 0"},
      {FindBox::Hardware, "", "not a number"},               {FindBox::Pressure, "-500", "must be above 0"},
      {FindBox::Pressure, "1e39", "not a number"},           {FindBox::LargestGrooveWidth, "0", "must be above 0"},
  };
  for (const auto& [box, text, problem] : cases) {
    SCOPED_TRACE(std::to_string(int(box)) + " \"" + text + "\"");
    FindForm form = findForm();
    form.text(box) = text;
    const FaceFindFormRead read = readFind(form);
    EXPECT_FALSE(read.request);
    std::array<std::string, kFindBoxCount> problems{};
    problems[std::size_t(box)] = problem;
    EXPECT_EQ(read.problems, problems);
  }
  FindForm none = findForm();
  none.crossSections.fill(false);
  EXPECT_EQ(readFind(none).problems[std::size_t(FindBox::LargestGrooveWidth)], "allow at least one cross-section");
  for (const auto& [compound, problem] : std::initializer_list<std::pair<const char*, const char*>>{
           {"custom", "a face seal is reviewed with the compounds and metals of the rules: choose one of them"},
           {"ptfe", "\"compound\" in \"review\" \"ptfe\" is not a compound of the rules"}}) {
    FaceFindChoices choices;
    choices.review.compound = compound;
    const FaceFindFormRead read = readFind(findForm(), choices);
    EXPECT_FALSE(read.request);
    EXPECT_TRUE(read.inputsProblem.starts_with(problem)) << read.inputsProblem;
  }
}

}  // namespace

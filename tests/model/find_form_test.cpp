// The Find a seal form read box by box into a request, or into the reason for each box that
// cannot be used.

#include <gtest/gtest.h>

#include "model/find_form.h"

using namespace glandwise;

namespace {

// The form with a bore typed and the rest as it opens (1000 psi, no constraints).
FindForm typed() {
  FindForm form;
  form.text(FindBox::Hardware) = "2.5";
  return form;
}

// Catches a constraint of 0 or below taken (a groove width of 0 would silently leave no
// size), 1e-50 taken as above 0 though it is 0 as a float, an empty optional box refused or
// an empty required one taken, a number beyond a float taken, a problem put on another
// box, and a request made while any box is unusable.
TEST(FindForm, EachBoxByItsRule) {
  const FindFormRead opened = readFindForm(typed());
  ASSERT_TRUE(opened.request);
  EXPECT_EQ(opened.request->hardwareDia, "2.5");
  EXPECT_EQ(opened.request->hardwareTolerance, "");
  EXPECT_EQ(opened.request->pressure, "1000");
  EXPECT_FALSE(opened.request->constraints.largestGrooveWidth || opened.request->constraints.largestRadialSpace ||
               opened.request->constraints.smallestSealId || opened.request->constraints.largestSealId);
  const struct {
    FindBox box;
    const char* text;
    std::string problem;  // empty: usable
  } cases[] = {
      {FindBox::Hardware, "", "not a number"},          {FindBox::Hardware, "2,5", "not a number"},
      {FindBox::Pressure, "", "not a number"},          {FindBox::HardwareTolerance, "±0.002", "not a number"},
      {FindBox::HardwareTolerance, "-0.002", ""},       // judged later as the editor judges typing
      {FindBox::LargestGrooveWidth, "0", "must be above 0"}, {FindBox::LargestRadialSpace, "-0.1", "must be above 0"},
      {FindBox::LargestSealId, "1e-50", "must be above 0"},  {FindBox::SmallestSealId, " 0.25 ", ""},
  };
  for (const auto& c : cases) {
    FindForm form = typed();
    form.text(c.box) = c.text;
    const FindFormRead read = readFindForm(form);
    std::array<std::string, kFindBoxCount> problems;
    problems[static_cast<std::size_t>(c.box)] = c.problem;
    EXPECT_EQ(read.problems, problems) << c.text;
    EXPECT_EQ(read.request.has_value(), c.problem.empty()) << c.text;
  }
  FindForm huge = typed();
  huge.text(FindBox::SmallestSealId) = "1e39";
  EXPECT_FALSE(readFindForm(huge).request);  // beyond a float: refused, whatever the reason is called
}

// Catches the constraints put into each other's places, the allowed cross-sections not
// passed on, no cross-section allowed not said (nothing could be found), the review's boxes
// not read or a problem of theirs not stopping the request, and a bottom radius judged
// against some fixed groove instead of each candidate's own.
TEST(FindForm, ConstraintsCrossSectionsAndTheReviewsBoxes) {
  FindForm form = typed();
  form.text(FindBox::LargestGrooveWidth) = "0.25";  // each a float exactly, and each different
  form.text(FindBox::LargestRadialSpace) = "0.125";
  form.text(FindBox::SmallestSealId) = "1.5";
  form.text(FindBox::LargestSealId) = "2";
  form.crossSections = {false, false, true, false, false};
  form.review.text(ReviewBox::GrooveRadius) = "0.2";  // above half of many grooves, within others
  form.review.text(ReviewBox::Swell) = "12";
  const FindFormRead read = readFindForm(form);
  ASSERT_TRUE(read.request);
  const FindConstraints& constraints = read.request->constraints;
  EXPECT_EQ(constraints.largestGrooveWidth, 0.25);
  EXPECT_EQ(constraints.largestRadialSpace, 0.125);
  EXPECT_EQ(constraints.smallestSealId, 1.5);
  EXPECT_EQ(constraints.largestSealId, 2.0);
  EXPECT_EQ(constraints.crossSections, form.crossSections);
  EXPECT_EQ(read.request->review.swellPercent, 12.0);
  EXPECT_EQ(read.request->review.grooveRadius, 0.2f);

  form.crossSections = {};
  const FindFormRead none = readFindForm(form);
  EXPECT_FALSE(none.request);
  EXPECT_EQ(none.problems[static_cast<std::size_t>(FindBox::LargestGrooveWidth)], "allow at least one cross-section");

  FindForm halfTyped = typed();
  halfTyped.review.text(ReviewBox::TempMin) = "-40";
  const FindFormRead review = readFindForm(halfTyped);
  EXPECT_FALSE(review.request);
  EXPECT_EQ(review.review.problem(ReviewBox::TempMax), "give both temperatures or neither");
}

}  // namespace

#include "face/face_find_form.h"

#include <algorithm>

#include "model/numbers.h"
#include "model/review.h"

namespace glandwise {
namespace {

std::size_t at(FindBox box) { return static_cast<std::size_t>(box); }

// The form with only the boxes a face gland reads: the others as a blank form has them.
FindForm faceBoxesOnly(const FindForm& form) {
  FindForm only;
  only.texts.fill({});
  for (const FindBox box : kFaceFindBoxes) only.text(box) = form.text(box);
  only.crossSections = form.crossSections;
  return only;
}

}  // namespace

FaceFindFormRead readFaceFindForm(const FindForm& form, const FaceFindChoices& choices, const RuleSet& rules) {
  FaceFindFormRead read;
  const FindFormRead shared = readFindForm(faceBoxesOnly(form));
  for (const FindBox box : kFaceFindBoxes) read.problems[at(box)] = shared.problems[at(box)];
  for (const FindBox box : {FindBox::Hardware, FindBox::Pressure})
    if (read.problems[at(box)].empty() && !(parseNumber(form.text(box)).value > 0))
      read.problems[at(box)] = "must be above 0";
  read.review = readFaceReviewForm(choices.review);
  if (!std::ranges::all_of(read.problems, &std::string::empty) || !read.review.inputs) return read;

  FaceFindRequest request;
  request.from = choices.from;
  request.medium = choices.medium;
  request.datum = parseNumber(form.text(FindBox::Hardware)).value;
  request.pressure = parseNumber(form.text(FindBox::Pressure)).value;
  request.review = *read.review.inputs;
  if (const std::string& width = form.text(FindBox::LargestGrooveWidth); !width.empty())
    request.largestGrooveWidth = parseNumber(width).value;
  request.crossSections = form.crossSections;
  const bool custom = request.review.compound == kCustomMaterial || request.review.metal == kCustomMaterial;
  read.inputsProblem = custom ? "a face seal is reviewed with the compounds and metals of the rules: choose one of "
                                "them instead of Custom"
                              : faceReviewInputsProblem(request.review, rules, request.pressure);
  if (read.inputsProblem.empty()) read.request = request;
  return read;
}

}  // namespace glandwise

#include "face/face_result.h"

#include "model/cross_sections.h"
#include "model/numbers.h"

namespace glandwise {

FaceResult workFaceSeal(const FaceInput& input, const FaceData& data, const As568Table* as568, bool review) {
  FaceResult result{input, designFace(input.form, data, as568), std::nullopt, std::nullopt, std::nullopt, {}};
  if (!result.design.gland) return result;
  result.analysis = analyseFaceGland(*result.design.gland);
  if (review || input.review) {
    const FaceReviewInputs inputs = input.review.value_or(FaceReviewInputs{});
    result.reviewProblem = faceReviewInputsProblem(inputs, data.rules, result.design.gland->pressure);
    if (!result.reviewProblem.empty()) return result;
    result.reviewInputs = inputs;
    result.review = reviewFaceGland(*result.design.gland, *result.analysis, inputs, data);
  }
  return result;
}

FaceResult standardFaceSeal(const As568Size& size, PressureFrom from, FaceMedium medium, std::optional<float> datum,
                            float pressure, const FaceReviewInputs& inputs, const FaceData& data,
                            const As568Table& as568) {
  FaceForm form;
  form.crossSection = standardCrossSectionIndex(size.crossSection);
  form.sealId = NumberText(size.insideDiameter);
  form.pressureFrom = from;
  form.medium = medium;
  form.pressure = NumberText(pressure);
  if (datum) form.datum.emplace(NumberText(*datum));
  const FaceInput input{form, inputs};
  return workFaceSeal(input, data, &as568, true);
}

}  // namespace glandwise

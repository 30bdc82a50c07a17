#pragma once
// A face seal worked through: the entries read, the gland analysed and (when asked)
// reviewed. What the designer shows, the batch calculator writes and Find a seal ranks.

#include <optional>

#include "face/face_data.h"
#include "face/face_form.h"
#include "face/face_gland.h"
#include "face/face_input.h"
#include "face/face_review.h"
#include "model/as568.h"

namespace glandwise {

struct FaceResult {
  FaceInput input;
  FaceDesign design;                             // the refusal, or the gland
  std::optional<FaceAnalysis> analysis;          // when the gland is usable
  std::optional<FaceReview> review;              // when asked for and the gland is usable
  std::optional<FaceReviewInputs> reviewInputs;  // the inputs of `review`
  std::string reviewProblem;                     // why the review asked for cannot be made; empty when it can
};

// Works `input` through: reads the entries, analyses the gland and reviews it when the
// input or `review` asks (with the default inputs where the input gives none) and its
// inputs fit the rules.
FaceResult workFaceSeal(const FaceInput& input, const FaceData& data, const As568Table* as568, bool review);

// The standard face gland of an AS568 size for a pressure direction and medium, on the
// datum diameter given (none: the standard fit), analysed and reviewed with `inputs`.
FaceResult standardFaceSeal(const As568Size& size, PressureFrom from, FaceMedium medium, std::optional<float> datum,
                            float pressure, const FaceReviewInputs& inputs, const FaceData& data,
                            const As568Table& as568);

}  // namespace glandwise

#pragma once
// The face seal review's inputs as a person types them in the designer: one text per box,
// read into review inputs with a reason for every box that cannot be used. An empty
// temperature or swell box is a question not asked: that row is not judged.

#include <array>
#include <optional>
#include <string>

#include "face/face_review.h"

namespace glandwise {

enum class FaceReviewBox { TempMin, TempMax, Swell, FlangeGap, Count };
inline constexpr std::size_t kFaceReviewBoxCount = static_cast<std::size_t>(FaceReviewBox::Count);

struct FaceReviewForm {
  int hardness = 70;
  std::string compound = "nbr";        // a compound id of the rules
  std::string metal = "carbon_steel";  // a metal id of the rules
  std::array<std::string, kFaceReviewBoxCount> texts = {"", "", "", "0"};
};

struct FaceReviewFormRead {
  std::optional<FaceReviewInputs> inputs;                 // when every box is usable
  std::array<std::string, kFaceReviewBoxCount> problems;  // empty for a usable box
};

FaceReviewFormRead readFaceReviewForm(const FaceReviewForm& form);

// The form that reads back to `inputs`.
FaceReviewForm faceReviewForm(const FaceReviewInputs& inputs);

}  // namespace glandwise

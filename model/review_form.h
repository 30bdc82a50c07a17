#pragma once
// The review window's inputs as a person types them: one text per box, read into review
// inputs with a reason for every box that cannot be used.

#include <array>
#include <optional>
#include <string>

#include "model/review.h"

namespace glandwise {

// The text boxes of the review inputs, in the order they are shown.
enum class ReviewBox {
  SealIdTolerance, TempMin, TempMax, AlphaSeal, AlphaGroove, Swell, GrooveRadius, SqueezeMin, SqueezeMax,
  GrooveWidthMin, GrooveWidthMax, AlphaMating, Count
};
inline constexpr std::size_t kReviewBoxCount = static_cast<std::size_t>(ReviewBox::Count);

// The review inputs as chosen and typed. An empty box means none typed: no seal ID tolerance
// (the AS568 size's is used when the seal is one), no service temperatures, no swell, the
// rule set's squeeze limits, the standard groove width. The defaults are those of ReviewInputs.
struct ReviewForm {
  int hardness = 70;  // Shore A
  std::string compound = ReviewInputs{}.compound;        // ids of the rule set, or "custom"
  std::string metalGroove = ReviewInputs{}.metalGroove;
  std::string metalMating = ReviewInputs{}.metalMating;
  std::array<std::string, kReviewBoxCount> texts = {"", "", "", "0", "0", "", "0.010", "", "", "", "", "0"};

  std::string& text(ReviewBox box) { return texts[static_cast<std::size_t>(box)]; }
  const std::string& text(ReviewBox box) const { return texts[static_cast<std::size_t>(box)]; }
};

// The form read: the inputs when every box is usable, and why each box that is not is not.
struct ReviewFormRead {
  std::optional<ReviewInputs> inputs;
  std::array<std::string, kReviewBoxCount> problems;  // empty for a usable box

  const std::string& problem(ReviewBox box) const { return problems[static_cast<std::size_t>(box)]; }
};

// Reads every box with the one number parser and checks its range, then the boxes that go
// together (both temperatures or neither, the lowest not above the highest; both squeeze
// limits or neither, the lower below the upper; both groove widths or neither), then the
// groove against the gland `fit` (a width narrower than the seal, a bottom radius above half
// the width or above the groove's depth). The coefficient boxes are read only for a custom
// material.
ReviewFormRead readReviewForm(const ReviewForm& form, const GrooveFit& fit);

// The form that reads back to `inputs`: each value in its shortest text.
ReviewForm reviewFormOf(const ReviewInputs& inputs);

// A box's text for `value`: the shortest text that reads back to the same 32-bit float, as
// the boxes read ("0.01", "6.2e-06").
std::string reviewBoxText(float value);

}  // namespace glandwise

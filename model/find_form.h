#pragma once
// The Find a seal window's inputs as a person types them: one text per box, read into a
// find request with a reason for every box that cannot be used.

#include <array>
#include <optional>
#include <string>

#include "model/find_seal.h"
#include "model/review_form.h"

namespace glandwise {

// The text boxes of the hardware and the constraints, in the order they are shown.
enum class FindBox {
  Hardware, HardwareTolerance, Pressure, LargestGrooveWidth, LargestRadialSpace, SmallestSealId, LargestSealId, Count
};
inline constexpr std::size_t kFindBoxCount = static_cast<std::size_t>(FindBox::Count);

// The inputs as chosen and typed. Empty constraint boxes and an empty tolerance mean none.
struct FindForm {
  GlandKind glandType = GlandKind::RodGroove;
  std::array<std::string, kFindBoxCount> texts = {"", "", "1000", "", "", "", ""};
  std::array<bool, kCrossSections.size()> crossSections{true, true, true, true, true};
  ReviewForm review;

  std::string& text(FindBox box) { return texts[static_cast<std::size_t>(box)]; }
  const std::string& text(FindBox box) const { return texts[static_cast<std::size_t>(box)]; }
};

// The form read: the request when every box is usable, and why each box that is not is not.
struct FindFormRead {
  std::optional<FindRequest> request;
  std::array<std::string, kFindBoxCount> problems;  // empty for a usable box
  ReviewFormRead review;
};

// Reads every box with the one number parser: the diameter, its tolerance and the pressure
// must be numbers (the screens then judge them as they judge typing), the constraints
// numbers above 0, and the review's inputs as the review window reads them (whether the
// groove can hold the bottom radius is each candidate's question). No cross-section allowed
// is a problem of the first constraint box's row.
FindFormRead readFindForm(const FindForm& form);

}  // namespace glandwise

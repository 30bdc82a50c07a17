#pragma once
// The Find a seal window's inputs when it looks for a face gland: the datum typed in the
// diameter box, the pressure, the largest groove width and the cross-sections of the
// window's form, with the face seal's own choices and review inputs.

#include <array>
#include <optional>
#include <string>

#include "face/face_find.h"
#include "face/face_review_form.h"
#include "model/find_form.h"

namespace glandwise {

// What a face gland asks besides the window's form.
struct FaceFindChoices {
  PressureFrom from = PressureFrom::Inside;
  FaceMedium medium = FaceMedium::Liquid;
  FaceReviewForm review;
};

// The boxes of the form a face gland reads; the others (the diameter's tolerance, the
// radial space, the seal ID range and the radial review's limits) are not its questions.
inline constexpr std::array<FindBox, 3> kFaceFindBoxes{FindBox::Hardware, FindBox::Pressure,
                                                       FindBox::LargestGrooveWidth};

struct FaceFindFormRead {
  std::optional<FaceFindRequest> request;            // when every box is usable and the rules can review it
  std::array<std::string, kFindBoxCount> problems;   // empty for a usable box and for those not read
  FaceReviewFormRead review;
  // Why the rules cannot review the choices (a custom material, a compound they lack); empty when they can.
  std::string inputsProblem;
};

// Reads the boxes of kFaceFindBoxes as the radial form reads them, the datum and the
// pressure then above 0, and the review's boxes as the face seal designer reads them.
FaceFindFormRead readFaceFindForm(const FindForm& form, const FaceFindChoices& choices, const RuleSet& rules);

}  // namespace glandwise

#pragma once
// The face seal in words, as the designer shows it and its page prints it.

#include <array>
#include <string>
#include <vector>

#include "face/face_gland.h"

namespace glandwise {

// "Face seal, pressure from inside, liquid, cross-section 0.139 inch, seal ID 0.984 inch, AS568 -214".
std::string faceIdentity(const FaceGland& gland);

// The gland's dimensions, one "caption", "value" pair each: ring, datum, depth, width,
// bottom radius, pressure.
std::vector<std::array<std::string, 2>> faceDimensions(const FaceGland& gland);

// The results table: a heading row ("", "Nominal", "MMC", "LMC"), then squeeze, fill,
// effective cross-section and the fit (its nominal figure and its range over the tolerances).
std::vector<std::array<std::string, 4>> faceResultTable(const FaceGland& gland, const FaceAnalysis& analysis);

// What the results say of friction.
inline constexpr const char* kFaceFriction = "Friction: not applicable - nothing slides in a face seal.";

}  // namespace glandwise

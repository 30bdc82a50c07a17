#pragma once
// The figures of a gland's cross-section drawing, from the analysed gland and its review.

#include "model/gland_side.h"
#include "model/record.h"
#include "model/review.h"

namespace glandwise {

// The gland cut through its axis at nominal size: the groove in its part, the clearance
// gap to the opposite surface and the seal's cross-section at nominal, MMC and LMC. The
// squeeze percents are those of the worst-case eccentric positions. Lengths in inch.
struct GlandSection {
  bool grooveInRod;         // the groove is cut in the rod (else in the housing)
  double glandHeight;       // groove bottom to the opposite surface
  double grooveWidth;       // the middle of the groove-width range
  double gap;               // radial clearance between rod and bore
  double grooveRadius;      // groove bottom corner radius
  double sealNominal, sealMmc, sealLmc;  // effective cross-section diameters
  double worstMmcSqueeze, worstLmcSqueeze;  // %, loaded and unloaded side
};

// The section of `record` reviewed as `review` with a groove bottom radius `grooveRadius`.
GlandSection glandSection(const GlandRecord& record, const GlandSide& side, const Review& review,
                          double grooveRadius);

}  // namespace glandwise

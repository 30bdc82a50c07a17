#pragma once
// The figures of a gland's cross-section drawing, from the analysed gland and its fill.

#include "model/gland_side.h"
#include "model/record.h"
#include "model/review.h"

namespace glandwise {

// The gland cut through its axis at nominal size: the groove in its part, the clearance
// gap to the opposite surface and the seal's cross-section at nominal, MMC and LMC. The
// squeeze percents are those of the worst-case eccentric positions. Lengths in inch.
struct GlandSection {
  bool grooveInRod;         // the groove is cut in the rod (else in the housing)
  double grooveDiameter;    // of the groove bottom
  double grooveTolerance;   // ± of the groove diameter
  double surfaceDiameter;   // of the grooved part's surface: the rod, or the housing bore
  double oppositeDiameter;  // of the surface across the gap: the housing bore, or the rod
  double glandHeight;       // groove bottom to the opposite surface
  double grooveWidth;       // the middle of the groove-width range
  double grooveWidthTolerance;  // half the groove-width range
  double gap;               // radial clearance between rod and bore
  double grooveRadius;      // groove bottom corner radius
  double sealNominal, sealMmc, sealLmc;  // effective cross-section diameters
  double worstMmcSqueeze, worstLmcSqueeze;  // %, loaded and unloaded side
};

// The section of `record` with the gland's fill `fill` (of its review) and a groove bottom
// radius `grooveRadius`.
GlandSection glandSection(const GlandRecord& record, const GlandSide& side, const FillReview& fill,
                          double grooveRadius);

}  // namespace glandwise

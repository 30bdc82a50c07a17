#pragma once
// The physics of the design review: the gland's diameters and heights at a temperature
// with a metal for each part, and the seal in its groove with heat, cold and swell. One
// model for every check and the statistics.
//
// The seal's radial section follows the analysis' rule for a stretched ring (model/
// shrinkage.h). Its section area follows from its volume, which a stretched ring keeps:
// the free area times its free mean diameter over its mean diameter in the groove. A ring
// that shrinks (cold, or a fluid that shrinks it) tightens onto its seat and thins by the
// same rule at the stretch it reaches. A ring that grows (heat, swell) is held round its
// circumference by the groove: its growing volume goes into its section.

#include "model/gland_side.h"
#include "model/record.h"
#include "model/shrinkage.h"

namespace glandwise {

// The expansion coefficients of a review and a temperature change from room temperature.
struct Thermal {
  double dT = 0;           // °F above room temperature
  double alphaSeal = 0;    // the compound, 1/°F
  double alphaGroove = 0;  // the part with the groove, 1/°F
  double alphaMating = 0;  // the part across the gap, 1/°F
};

// The coefficient of the part that one of the side's diameters belongs to.
double partAlpha(const GlandSide& side, const Diameter& diameter, const Thermal& thermal);

// The gland's heights and clearance at the thermal state, inch.
struct GlandHeights {
  double nominal, mmc, lmc;  // concentric
  double loaded;             // the mating part pushed across its clearance and the eccentricity: MMC
  double unloaded;           // the opposite side: LMC
  double clearance;          // diametral: largest bore − smallest rod
  double grooveScale;        // the grooved part's growth: 1 + α ΔT
};
GlandHeights glandHeights(const GlandRecord& record, const GlandSide& side, const Thermal& thermal);

// A seal's free size at room temperature, inch.
struct Ring {
  double crossSection;
  double insideDiameter;
};

// The seal in the gland: its radial section (inch) and section area (square inch).
struct RingFit {
  double radial;
  double area;
};

// The ring's radial section on a seat of diameter `seat` at room temperature: thinned by
// the stretch, whole when the side's rule takes it as unstretched.
inline double roomSection(const Ring& ring, double seat, const GlandSide& side) {
  const double stretch = (seat - ring.insideDiameter) / ring.insideDiameter * 100;
  return side.unstretched(stretch) ? ring.crossSection : stretchedCrossSection(ring.crossSection, stretch, false);
}

// The ring on its seat (diameter `seat` at room temperature, inch) at the thermal state,
// with a fluid volume swell `swell` (a fraction; negative for shrinkage).
RingFit fitRing(const Ring& ring, double seat, const GlandSide& side, const Thermal& thermal, double swell);

// Squeeze % of a radial section in a gland height.
inline double squeezePercent(double radial, double height) { return (radial - height) / radial * 100; }

// The seal's share of the groove's section, %: two bottom corners of radius `radius` take
// their area off the rectangle of gland height by groove width.
double fillPercent(double sealArea, double height, double width, double radius);

}  // namespace glandwise

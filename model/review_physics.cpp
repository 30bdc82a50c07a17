#include "model/review_physics.h"

#include <cmath>
#include <numbers>


namespace glandwise {

using std::numbers::pi;

double partAlpha(const GlandSide& s, const Diameter& d, const Thermal& t) {
  const bool grooved = d.nominal == s.groove.nominal ||
                       (d.nominal == s.rod.nominal ? s.kind == GlandKind::RodGroove : s.kind == GlandKind::HousingGroove);
  return grooved ? t.alphaGroove : t.alphaMating;
}

GlandHeights glandHeights(const GlandRecord& r, const GlandSide& s, const Thermal& t) {
  const auto at = [&](const Diameter& d, float GlandRecord::*limit) {
    return double(r.*limit) * (1 + partAlpha(s, d, t) * t.dT);
  };
  const double halfEcc = double(r.ECC) / 2;
  GlandHeights h{};
  h.nominal = (at(s.outer, s.outer.nominal) - at(s.inner, s.inner.nominal)) / 2;
  h.mmc = (at(s.outer, s.outer.min) - at(s.inner, s.inner.max)) / 2;
  h.lmc = (at(s.outer, s.outer.max) - at(s.inner, s.inner.min)) / 2;
  h.clearance = at(s.bore, s.bore.max) - at(s.rod, s.rod.min);
  h.loaded = (at(s.depthOuter, s.depthOuter.min) - at(s.depthInner, s.depthInner.max)) / 2 - halfEcc;
  h.unloaded = h.clearance / 2 + h.lmc + halfEcc;
  h.grooveScale = 1 + t.alphaGroove * t.dT;
  return h;
}

namespace {

// The ring's fit and its mean diameter on a seat of `seat`.
struct Seated {
  RingFit fit;
  double meanDiameter;
};

Seated seat(const Ring& ring, double seat, const GlandSide& side) {
  const double w = ring.crossSection, id = ring.insideDiameter;
  const double radial = roomSection(ring, seat, side);
  const double freeMean = id + w;
  const double mean = radial == w ? freeMean : seat + radial;
  return {{radial, pi / 4 * w * w * freeMean / mean}, mean};
}

}  // namespace

RingFit fitRing(const Ring& ring, double seatDiameter, const GlandSide& side, const Thermal& t, double swell) {
  const double growth = (1 + t.alphaSeal * t.dT) * std::cbrt(1 + swell);  // of every free length
  const double seatScale = 1 + partAlpha(side, side.stretchedOnto, t) * t.dT;
  if (growth <= 1)  // shrinking onto the seat: the stretch it reaches thins it
    return seat({ring.crossSection * growth, ring.insideDiameter * growth}, seatDiameter * seatScale, side).fit;
  // Growing with its circumference held: the volume goes into the section.
  const Seated room = seat(ring, seatDiameter, side);
  const double area = room.fit.area * growth * growth * growth / seatScale;
  return {room.fit.radial * std::sqrt(area / room.fit.area), area};
}

double fillPercent(double sealArea, double height, double width, double radius) {
  const double grooveArea = height * width - 2 * radius * radius * (1 - pi / 4);
  return grooveArea > 0 ? sealArea / grooveArea * 100 : HUGE_VAL;
}

}  // namespace glandwise

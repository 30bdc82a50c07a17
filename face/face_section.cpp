#include "face/face_section.h"

#include <algorithm>

namespace glandwise {

FaceSection faceSection(const FaceGland& g, const FaceAnalysis& a, double flangeGap) {
  const FaceSide& side = g.side();
  const double datum = g.groove.datum / 2.0, width = a.nominal.width;
  FaceSection s{.pressureFrom = g.pressureFrom,
                .innerWall = side.sign > 0 ? std::max(0.0, datum - width) : datum,
                .outerWall = side.sign > 0 ? datum : datum + width,
                .depth = g.groove.depth,
                .gap = flangeGap,
                .bottomRadius = g.groove.bottomRadius.middle(),
                .datumWall = datum,
                .nominal = {},
                .mmc = {},
                .lmc = {}};
  // The ring's edge rests on the datum wall when it reaches it, else where it lies itself.
  const double edge = a.fit.nominalPercent > 0 ? datum : g.ring.ringEdge(side) / 2;
  const auto ring = [&](double diameter) { return FaceSection::Ring{edge - side.sign * diameter / 2, diameter}; };
  s.nominal = ring(a.nominal.crossSection);
  s.mmc = ring(a.mmc.crossSection);
  s.lmc = ring(a.lmc.crossSection);
  return s;
}

}  // namespace glandwise

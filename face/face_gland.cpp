#include "face/face_gland.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/numbers.h"
#include "model/shrinkage.h"

namespace glandwise {

const std::array<FaceSide, 2> kFaceSides{{
    {.from = PressureFrom::Inside,
     .key = "inside",
     .caption = "Inside (pushing outward)",
     .datumKey = "groove_od",
     .datumName = "groove OD",
     .ringEdge = "ring OD",
     .fitName = "interference",
     .crossSectionsInRingEdge = 2,
     .sign = 1,
     .thinsSection = false},
    {.from = PressureFrom::Outside,
     .key = "outside",
     .caption = "Outside or vacuum (pushing inward)",
     .datumKey = "groove_id",
     .datumName = "groove ID",
     .ringEdge = "ring ID",
     .fitName = "stretch",
     .crossSectionsInRingEdge = 0,
     .sign = -1,
     .thinsSection = true},
}};

std::string_view mediumKey(FaceMedium medium) { return medium == FaceMedium::Liquid ? "liquid" : "gas"; }

FaceGroove standardFaceGroove(const FaceRing& ring, const FaceSide& side, FaceMedium medium, const FaceGlandRow& row,
                              const RuleSet& rules, std::optional<float> datum) {
  const FaceRange& width = medium == FaceMedium::Liquid ? row.widthLiquid : row.widthGas;
  const RuleKind fitRule = side.sign > 0 ? RuleKind::StandardInterference : RuleKind::StandardStretch;
  const double fit = rules.faceRule(fitRule)->value / 100;
  const float standard = RoundDecimals(float(ring.ringEdge(side) * (1 - side.sign * fit)), 3);
  return {.datum = datum.value_or(standard),
          .datumTolerance = float(rules.faceRule(RuleKind::DatumTolerance, ring.crossSection)->value),
          .depth = RoundDecimals(row.depth.middle(), 4),
          .depthTolerance = RoundDecimals(row.depth.halfSpread(), 4),
          .width = RoundDecimals(width.middle(), 4),
          .widthTolerance = RoundDecimals(width.halfSpread(), 4),
          .bottomRadius = row.bottomRadius};
}

double faceFitPercent(const FaceSide& side, double ringEdge, double datum) {
  return side.sign * (ringEdge - datum) / ringEdge * 100;
}

double installedAreaRatio(const FaceSide& side, double id, double w, double datum) {
  const double edge = id + side.crossSectionsInRingEdge * w;
  const double contact = faceFitPercent(side, edge, datum) > 0 ? datum : edge;
  return (id + w) / (contact - side.sign * w);
}

double faceFillPercent(double sectionArea, double depth, double width, double radius) {
  const double grooveArea = depth * width - 2 * radius * radius * (1 - std::numbers::pi / 4);
  return grooveArea > 0 ? sectionArea / grooveArea * 100 : HUGE_VAL;
}

namespace {

FaceCondition condition(double section, double areaOf, double depth, double width, double radius) {
  const double area = std::numbers::pi / 4 * areaOf * areaOf;
  return {section,
          area,
          depth,
          width,
          radius,
          (section - depth) / section * 100,
          faceFillPercent(area, depth, width, radius)};
}

FaceFit fitOf(const FaceGland& g) {
  const FaceSide& side = g.side();
  const FaceRing& ring = g.ring;
  FaceFit fit{faceFitPercent(side, ring.ringEdge(side), g.groove.datum), std::nullopt};
  if (!ring.insideDiameterTolerance) return fit;
  double low = HUGE_VAL, high = -HUGE_VAL;
  for (int id : {-1, 1})
    for (int w : {-1, 1})
      for (int datum : {-1, 1}) {
        const double edge = ring.insideDiameter + id * double(*ring.insideDiameterTolerance) +
                            side.crossSectionsInRingEdge * (ring.crossSection + w * double(ring.crossSectionTolerance));
        const double percent = faceFitPercent(side, edge, g.groove.datum + datum * double(g.groove.datumTolerance));
        low = std::min(low, percent), high = std::max(high, percent);
      }
  fit.rangePercent = std::array<double, 2>{low, high};
  return fit;
}

}  // namespace

FaceAnalysis analyseFaceGland(const FaceGland& g) {
  const FaceSide& side = g.side();
  const FaceGroove& groove = g.groove;
  const double w = g.ring.crossSection, wt = g.ring.crossSectionTolerance;
  FaceAnalysis a{};
  a.fit = fitOf(g);
  a.areaRatio = installedAreaRatio(side, g.ring.insideDiameter, w, groove.datum);
  const double section =
      side.thinsSection && a.fit.nominalPercent > 0 ? stretchedCrossSection(w, a.fit.nominalPercent, false) : w;
  const double scale = std::sqrt(a.areaRatio);  // the free section's diameter giving the installed area
  const double depth = groove.depth, dt = groove.depthTolerance;
  // A groove OD less than twice the width is a round pocket: its width is the OD's radius.
  const double pocket = side.sign > 0 ? groove.datum / 2.0 : HUGE_VAL;
  const auto width = [&](double spread) { return std::min(double(groove.width) + spread, pocket); };
  a.nominal = condition(section, w * scale, depth, width(0), groove.bottomRadius.middle());
  a.mmc = condition(section + wt, (w + wt) * scale, depth - dt, width(-groove.widthTolerance), groove.bottomRadius.max);
  a.lmc = condition(section - wt, (w - wt) * scale, depth + dt, width(groove.widthTolerance), groove.bottomRadius.min);
  return a;
}

}  // namespace glandwise

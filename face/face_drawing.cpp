#include "face/face_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawing/sketch.h"

namespace glandwise {
namespace {

using namespace drawing;

// Proportions of the drawing.
constexpr double kLand = 0.6;         // the flange face beside the groove, groove widths
constexpr double kBody = 0.6;         // each flange beyond its face or the groove bottom, depths
constexpr double kTextHeight = 0.12;  // ring sections
// In text heights:
constexpr double kDimensionGap = 2.5;  // from a part to its dimension line
constexpr double kExtensionGap = 0.3;  // between a feature and its extension line
constexpr double kOvershoot = 0.5;     // of an extension line beyond its dimension line
constexpr double kTextGap = 0.5;       // between a line and its text
constexpr double kLineSpacing = 1.7;   // of the notes
constexpr double kDatumLeader = 4;     // length of the datum's leader towards the axis

// Where the parts lie: u the radius, v along the axis from the groove bottom towards the
// mating flange, inch.
struct Layout {
  double inner, outer;  // the groove's walls
  double depth, gap, r;
  double low, high;  // the flanges' ends in u
  double body;       // the grooved flange beyond the groove bottom
  double mating;     // the mating flange's face, and its thickness
  double matingBody;
  bool pocket;  // the groove reaches the axis
};

Layout layoutOf(const FaceSection& s) {
  const double width = s.outerWall - s.innerWall, land = kLand * width;
  const bool pocket = s.innerWall <= 0;
  const double largest = std::max({s.nominal.diameter, s.mmc.diameter, s.lmc.diameter});
  return {.inner = s.innerWall,
          .outer = s.outerWall,
          .depth = s.depth,
          .gap = s.gap,
          .r = std::clamp(s.bottomRadius, 0.0, std::min(pocket ? width : width / 2, s.depth)),
          .low = pocket ? 0 : std::max(0.0, s.innerWall - land),
          .high = s.outerWall + land,
          .body = kBody * s.depth,
          .mating = s.depth + s.gap,
          .matingBody = kBody * s.depth + std::max(0.0, largest - s.depth - s.gap),
          .pocket = pocket};
}

void drawParts(Sketch& sketch, const Layout& l, const FaceSection& s) {
  const auto at = [&](double u, double v) { return sketch.at(u, v); };
  const double r = l.r;
  Outline grooved = polygon({at(l.low, l.pocket ? 0 : l.depth), at(l.low, -l.body), at(l.high, -l.body),
                             at(l.high, l.depth), at(l.outer, l.depth), at(l.outer, r)});
  grooved.segments.pop_back();  // the closing line: the groove's bottom follows
  if (r > 0) grooved.segments.push_back(sketch.arc(l.outer - r, r, r, 270, 360));
  grooved.segments.push_back(Line{at(l.outer - r, 0), at(l.pocket ? l.low : l.inner + r, 0)});
  if (!l.pocket) {
    if (r > 0) grooved.segments.push_back(sketch.arc(l.inner + r, r, r, 180, 270));
    grooved.segments.push_back(Line{at(l.inner, r), at(l.inner, l.depth)});
    grooved.segments.push_back(Line{at(l.inner, l.depth), at(l.low, l.depth)});
  }
  sketch.outline(std::move(grooved));
  const double far = l.mating + l.matingBody;
  sketch.outline(polygon({at(l.low, l.mating), at(l.high, l.mating), at(l.high, far), at(l.low, far)}));
  for (const auto& [layer, ring] :
       {std::pair{Layer::Ring, s.nominal}, {Layer::RingMmc, s.mmc}, {Layer::RingLmc, s.lmc}})
    sketch.circle(layer, at(ring.centre, ring.diameter / 2), ring.diameter / 2);
}

// The groove width and, beyond it, the datum diameter on the grooved flange's side; the
// depth and the gap beyond the flanges' outer ends.
void dimension(Sketch& sketch, const Layout& l, const FaceSection& s, const FaceGroove& groove) {
  const auto at = [&](double u, double v) { return sketch.at(u, v); };
  const double T = sketch.textHeight(), gap = kDimensionGap * T, offset = kExtensionGap * T, over = kOvershoot * T;
  const double widthLine = -l.body - gap;
  const std::string width = toleranced(l.outer - l.inner, groove.widthTolerance);
  const double datumLine = widthLine - kTextGap * T - estimatedWidth(width, T) - gap;
  for (const double u : {l.inner, l.outer}) {
    const bool datum = u == s.datumWall;
    sketch.stroke(at(u, -offset), at(u, (datum ? datumLine : widthLine) - over));
  }
  sketch.dimension(at(l.inner, widthLine), at(l.outer, widthLine));
  sketch.text(Layer::Dimensions, at((l.inner + l.outer) / 2, widthLine - kTextGap * T), HorizontalAlign::Right,
              VerticalAlign::Middle, width);
  // The datum's leader points at its wall from beyond the groove: outward for a groove OD,
  // towards the axis for a groove ID.
  const bool outer = s.datumWall == l.outer;
  const double leaderEnd = outer ? s.datumWall + kDatumLeader * T : std::max(0.0, s.datumWall - kDatumLeader * T);
  const Point wall = at(s.datumWall, datumLine), end = at(leaderEnd, datumLine);
  sketch.stroke(wall, end);
  sketch.arrow(wall, {wall.x - end.x, wall.y - end.y});
  sketch.text(Layer::Dimensions, {end.x, end.y + (outer ? 1 : -1) * kTextGap * T}, HorizontalAlign::Centre,
              outer ? VerticalAlign::Baseline : VerticalAlign::Top,
              "Ø" + toleranced(2 * s.datumWall, groove.datumTolerance));

  const double depthLine = l.high + gap;
  sketch.stroke(at(l.outer + offset, 0), at(depthLine + over, 0));
  sketch.stroke(at(l.high + offset, l.depth), at(depthLine + over, l.depth));
  sketch.dimension(at(depthLine, 0), at(depthLine, l.depth));
  sketch.text(Layer::Dimensions, at(depthLine + kTextGap * T, l.depth / 2), HorizontalAlign::Centre,
              VerticalAlign::Baseline, toleranced(l.depth, groove.depthTolerance));
  if (!(l.gap > 0)) return;
  const double gapLine = depthLine + 3 * T;
  sketch.stroke(at(l.high + offset, l.mating), at(gapLine + over, l.mating));
  sketch.stroke(at(depthLine + over, l.depth), at(gapLine + over, l.depth));
  sketch.dimension(at(gapLine, l.depth), at(gapLine, l.mating));
  sketch.text(Layer::Dimensions, at(gapLine + kTextGap * T, l.mating), HorizontalAlign::Left, VerticalAlign::Baseline,
              "gap " + inchText(l.gap));
}

// The flanges' names over their ends, and beyond the mating flange the ring's three
// sections (each on its ring's layer), the bottom radius, the pressure and the unit.
void writeNotes(Sketch& sketch, const Layout& l, const FaceSection& s) {
  const double T = sketch.textHeight(), top = l.high + kDimensionGap * T + (l.gap > 0 ? 6 : 3) * T;
  const Point grooved = sketch.at(top, l.depth - kTextGap * T), mating = sketch.at(top, l.mating + kTextGap * T);
  sketch.text(Layer::Text, grooved, HorizontalAlign::Right, VerticalAlign::Baseline, "grooved flange");
  sketch.text(Layer::Text, mating, HorizontalAlign::Left, VerticalAlign::Baseline, "mating flange");
  const bool inside = s.pressureFrom == PressureFrom::Inside;
  const std::pair<Layer, std::string> notes[] = {
      {Layer::Ring, "ring Ø" + inchText(s.nominal.diameter) + " at nominal"},
      {Layer::RingMmc, "Ø" + inchText(s.mmc.diameter) + " at MMC"},
      {Layer::RingLmc, "Ø" + inchText(s.lmc.diameter) + " at LMC"},
      {Layer::Text, "bottom R" + inchText(l.r)},
      {Layer::Text, inside ? "pressure from inside: groove OD datum" : "pressure from outside: groove ID datum"},
      {Layer::Text, "dimensions in inch"}};
  const Point first = sketch.at(l.high, l.mating + l.matingBody + kDimensionGap * T);
  for (std::size_t i = 0; i < std::size(notes); ++i)
    sketch.text(notes[i].first, {first.x, first.y - kLineSpacing * T * double(i)}, HorizontalAlign::Left,
                VerticalAlign::Top, notes[i].second);
}

}  // namespace

Drawing faceDrawing(const FaceSection& s, const FaceGroove& groove) {
  const double values[] = {s.innerWall,        s.outerWall,    s.depth,        s.gap,
                           s.nominal.diameter, s.mmc.diameter, s.lmc.diameter, s.nominal.centre};
  if (!std::ranges::all_of(values, [](double v) { return std::isfinite(v); }) ||
      !(s.outerWall > s.innerWall && s.depth > 0 && s.nominal.diameter > 0))
    return {};
  // u, the radius, runs along y; v, from the groove bottom towards the mating flange, along x.
  Sketch sketch({-s.depth, 0}, {0, 1}, {1, 0}, kTextHeight * s.nominal.diameter);
  const Layout layout = layoutOf(s);
  drawParts(sketch, layout, s);
  dimension(sketch, layout, s, groove);
  writeNotes(sketch, layout, s);
  return std::move(sketch).finish();
}

}  // namespace glandwise

#include "drawing/gland_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawing/sketch.h"

namespace glandwise::drawing {
namespace {

// Proportions of the drawing.
constexpr double kLand = 0.6;           // each land beside the groove, groove widths
constexpr double kBody = 0.35;          // each part's body beyond its surface, gland heights
constexpr double kTextHeight = 0.12;    // seal cross-sections
// In text heights:
constexpr double kDimensionGap = 2.5;   // from a part to its dimension line
constexpr double kExtensionGap = 0.3;   // between a feature and its extension line
constexpr double kOvershoot = 0.5;      // of an extension line beyond its dimension line
constexpr double kTextGap = 0.5;        // between a line and its text
constexpr double kLineSpacing = 1.7;    // of the notes

// Where the parts lie across the gland (v, from the groove bottom towards the gap) and
// along it (x, from the middle of the groove), inch.
struct Layout {
  double w;             // groove width
  double r;             // bottom radius, as large as the groove allows
  double depth;         // the grooved part's surface: the groove's depth in its part
  double across;        // the opposite surface: the gland height of the diameters
  double body;          // the grooved part beyond the groove bottom
  double oppositeBody;  // the opposite part beyond its surface, with room for the seal at MMC
  double left, right;   // the parts' ends
  double widthLine;     // the groove width's dimension line, beyond the grooved part
};

Layout layoutOf(const GlandSection& s) {
  const double toward = s.grooveInRod ? 1 : -1, h = s.glandHeight, w = s.grooveWidth;
  const double depth = toward * (s.surfaceDiameter - s.grooveDiameter) / 2;
  const double radius = std::isfinite(s.grooveRadius) ? s.grooveRadius : 0.0;
  const double body = kBody * h, T = kTextHeight * s.sealNominal;
  return {.w = w,
          .r = std::clamp(radius, 0.0, std::max(0.0, std::min(w / 2, depth))),
          .depth = depth,
          .across = toward * (s.oppositeDiameter - s.grooveDiameter) / 2,
          .body = body,
          .oppositeBody = kBody * h + std::max(0.0, s.sealMmc - h),
          .left = -(w / 2 + kLand * w),
          .right = w / 2 + kLand * w,
          .widthLine = -body - kDimensionGap * T};
}

// The grooved part round its groove, the part across the gap, and the seal at nominal, MMC
// and LMC resting on the groove bottom in the middle of the groove.
void drawParts(Sketch& sketch, const Layout& l, const GlandSection& s) {
  const auto at = [&](double x, double v) { return sketch.at(x, v); };
  const double w = l.w, r = l.r;
  Outline grooved = polygon({at(l.left, l.depth), at(l.left, -l.body), at(l.right, -l.body), at(l.right, l.depth),
                             at(w / 2, l.depth), at(w / 2, r)});
  grooved.segments.pop_back();  // the closing line: the groove's bottom follows
  if (r > 0) grooved.segments.push_back(sketch.arc(w / 2 - r, r, r, 270, 360));
  grooved.segments.push_back(Line{at(w / 2 - r, 0), at(-w / 2 + r, 0)});
  if (r > 0) grooved.segments.push_back(sketch.arc(-w / 2 + r, r, r, 180, 270));
  grooved.segments.push_back(Line{at(-w / 2, r), at(-w / 2, l.depth)});
  grooved.segments.push_back(Line{at(-w / 2, l.depth), at(l.left, l.depth)});
  sketch.outline(std::move(grooved));
  const double far = l.across + l.oppositeBody;
  sketch.outline(polygon({at(l.left, l.across), at(l.right, l.across), at(l.right, far), at(l.left, far)}));
  for (const auto& [layer, d] : {std::pair{Layer::Ring, s.sealNominal}, {Layer::RingMmc, s.sealMmc}, {Layer::RingLmc, s.sealLmc}})
    sketch.circle(layer, at(0, d / 2), d / 2);
}

// The groove width beyond the grooved part, and the bottom radius by a leader from the
// middle of the left corner out to the width's line.
void dimensionGroove(Sketch& sketch, const Layout& l, const GlandSection& s) {
  const auto at = [&](double x, double v) { return sketch.at(x, v); };
  const double T = sketch.textHeight(), w = l.w;
  for (const double x : {-w / 2, w / 2}) sketch.stroke(at(x, -kExtensionGap * T), at(x, l.widthLine - kOvershoot * T));
  sketch.dimension(at(-w / 2, l.widthLine), at(w / 2, l.widthLine));
  sketch.text(Layer::Dimensions, at(0, l.widthLine - kTextGap * T), HorizontalAlign::Centre, sketch.hanging(true),
              toleranced(w, s.grooveWidthTolerance));
  if (l.r <= 0) return;
  const double inward = l.r * (1 - std::numbers::sqrt2 / 2);
  const Point corner = at(-w / 2 + inward, inward), elbow = at(-w / 2 + l.widthLine, l.widthLine);
  sketch.stroke(corner, elbow);
  sketch.arrow(corner, {corner.x - elbow.x, corner.y - elbow.y});
  sketch.stroke(elbow, {elbow.x - T, elbow.y});
  sketch.text(Layer::Dimensions, {elbow.x - T - kTextGap * T, elbow.y}, HorizontalAlign::Right, VerticalAlign::Middle,
              "R" + inchText(l.r));
}

// The gland depth right of the parts and beyond it the groove diameter, towards the axis;
// the clearance left of the parts.
void dimensionAcross(Sketch& sketch, const Layout& l, const GlandSection& s) {
  const auto at = [&](double x, double v) { return sketch.at(x, v); };
  const double T = sketch.textHeight(), gap = kDimensionGap * T, offset = kExtensionGap * T, over = kOvershoot * T;
  const double depthLine = l.right + gap;
  const std::string depthText = inchText(s.glandHeight);
  const double diameterLine = depthLine + kTextGap * T + estimatedWidth(depthText, T) + gap;
  sketch.stroke(at(l.w / 2 + offset, 0), at(diameterLine + over, 0));
  sketch.stroke(at(l.right + offset, l.across), at(depthLine + over, l.across));
  sketch.dimension(at(depthLine, 0), at(depthLine, l.across));
  sketch.text(Layer::Dimensions, at(depthLine + kTextGap * T, l.across / 2), HorizontalAlign::Left, VerticalAlign::Middle,
              depthText);
  const double axisEnd = s.grooveInRod ? l.widthLine : l.across + l.oppositeBody + gap;
  const Point bottom = at(diameterLine, 0), end = at(diameterLine, axisEnd);
  sketch.stroke(bottom, end);
  sketch.arrow(bottom, {bottom.x - end.x, bottom.y - end.y});
  sketch.text(Layer::Dimensions, {end.x + kTextGap * T, end.y}, HorizontalAlign::Left, VerticalAlign::Middle,
              "Ø" + toleranced(s.grooveDiameter, s.grooveTolerance));

  const double clearanceLine = l.left - gap;
  for (const double v : {l.depth, l.across}) sketch.stroke(at(l.left - offset, v), at(clearanceLine - over, v));
  sketch.dimension(at(clearanceLine, l.depth), at(clearanceLine, l.across));
  sketch.text(Layer::Dimensions, at(clearanceLine - kTextGap * T, (l.depth + l.across) / 2), HorizontalAlign::Right,
              VerticalAlign::Middle, inchText(s.gap));
}

// The parts' names in them, and beyond the part across the gap the seal's three diameters
// (each on its ring's layer) and the unit, read from the top down whichever side they stand.
void writeNotes(Sketch& sketch, const Layout& l, const GlandSection& s) {
  const double T = sketch.textHeight(), inset = l.left + kTextGap * T;
  const std::string rod = "rod", housing = "housing";
  sketch.text(Layer::Text, sketch.at(inset, l.depth / 2), HorizontalAlign::Left, VerticalAlign::Middle,
              s.grooveInRod ? rod : housing);
  sketch.text(Layer::Text, sketch.at(inset, l.across + l.oppositeBody / 2), HorizontalAlign::Left, VerticalAlign::Middle,
              s.grooveInRod ? housing : rod);
  const std::pair<Layer, std::string> notes[] = {{Layer::Ring, "ring Ø" + inchText(s.sealNominal) + " at nominal"},
                                                 {Layer::RingMmc, "Ø" + inchText(s.sealMmc) + " at MMC"},
                                                 {Layer::RingLmc, "Ø" + inchText(s.sealLmc) + " at LMC"},
                                                 {Layer::Text, "dimensions in inch"}};
  const double nearest = l.across + l.oppositeBody + T, last = double(std::size(notes) - 1);
  for (std::size_t i = 0; i < std::size(notes); ++i) {
    const double line = s.grooveInRod ? last - double(i) : double(i);
    sketch.text(notes[i].first, sketch.at(l.left, nearest + kLineSpacing * T * line), HorizontalAlign::Left,
                sketch.hanging(false), notes[i].second);
  }
}

}  // namespace

Drawing glandDrawing(const GlandSection& s) {
  if (!(std::isfinite(s.grooveDiameter) && std::isfinite(s.surfaceDiameter) && std::isfinite(s.oppositeDiameter) &&
        s.grooveWidth > 0 && s.glandHeight > 0 && s.sealNominal > 0 &&
        std::isfinite(s.grooveWidth + s.glandHeight + s.sealNominal + s.sealMmc + s.sealLmc)))
    return {};
  // v runs from the groove bottom towards the gap: away from the axis for a rod groove,
  // towards it for a housing groove; one layout for both, the housing groove's mirrored.
  Sketch sketch({0, s.grooveDiameter / 2}, {1, 0}, {0, s.grooveInRod ? 1.0 : -1.0}, kTextHeight * s.sealNominal);
  const Layout layout = layoutOf(s);
  drawParts(sketch, layout, s);
  dimensionGroove(sketch, layout, s);
  dimensionAcross(sketch, layout, s);
  writeNotes(sketch, layout, s);
  return std::move(sketch).finish();
}

}  // namespace glandwise::drawing

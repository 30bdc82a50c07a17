#pragma once
// Building a drawing in a frame of the part's own: lengths and their texts, outlines,
// rings, dimension lines with arrows, notes; and the drawing's extent when it is done.

#include <initializer_list>
#include <string>

#include "drawing/drawing.h"

namespace glandwise::drawing {

// A length as a drawing shows it: to four decimals, or up to six for a small length that
// would otherwise keep fewer than three significant digits (a clearance of 0.00225).
std::string inchText(double value);
// A length with its ± tolerance (none when it is 0).
std::string toleranced(double value, double tolerance);

// A drawing laid out in coordinates (u, v) of a frame at `origin` with unit axes `uAxis`
// and `vAxis` in the drawing's (x, y): one layout serves parts that are mirrored or turned.
class Sketch {
 public:
  Sketch(Point origin, Point uAxis, Point vAxis, double textHeight);

  Point at(double u, double v) const {
    return {origin_.x + u * u_.x + v * v_.x, origin_.y + u * u_.y + v * v_.y};
  }
  // The arc around (u, v) from `start` to `end` degrees counter-clockwise in the (u, v) plane.
  Arc arc(double u, double v, double radius, double start, double end) const;
  // Texts that stand beyond a line on the side of smaller (`away`) or larger v hang from it
  // or stand on it.
  VerticalAlign hanging(bool away) const { return (v_.y > 0) == away ? VerticalAlign::Top : VerticalAlign::Baseline; }
  double textHeight() const { return text_; }

  void outline(Outline outline) { drawing_.outlines.push_back(std::move(outline)); }
  void circle(Layer layer, Point centre, double radius) {
    if (radius > 0) drawing_.circles.push_back({layer, centre, radius});
  }
  void stroke(Point from, Point to) { drawing_.strokes.push_back({Layer::Dimensions, {from, to}}); }
  void text(Layer layer, Point at, HorizontalAlign horizontal, VerticalAlign vertical, std::string words) {
    drawing_.texts.push_back({layer, at, text_, horizontal, vertical, std::move(words)});
  }

  // An arrow whose tip is at `tip`, pointing along `direction` (any length).
  void arrow(Point tip, Point direction);
  // A dimension line between two points with an arrow at each end: inside when there is
  // room for them, else outside pointing in.
  void dimension(Point from, Point to);

  // The drawing, its extent taking in everything (texts at their estimated widths) and a
  // margin of a text height.
  Drawing finish() &&;

 private:
  Point origin_, u_, v_;  // the frame
  double text_;           // text height, inch
  Drawing drawing_;
};

// A closed outline on layer PART through `corners` in order.
Outline polygon(std::initializer_list<Point> corners);

}  // namespace glandwise::drawing

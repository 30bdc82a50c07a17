#include "drawing/sketch.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <vector>

namespace glandwise::drawing {
namespace {

// In text heights:
constexpr double kArrow = 0.9;        // arrow length
constexpr double kArrowDegrees = 18;  // half the arrow's opening

std::string fixedText(double value, int decimals) {
  char buffer[400];  // the longest double in fixed notation, with its decimals
  return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr};
}

double normalDegrees(double degrees) {
  degrees = std::fmod(degrees, 360);
  return degrees < 0 ? degrees + 360 : degrees;
}

// Widens `box` to take in `p`.
void take(Box& box, Point p) {
  box = {std::min(box.left, p.x), std::min(box.bottom, p.y), std::max(box.right, p.x), std::max(box.top, p.y)};
}

}  // namespace

std::string inchText(double value) {
  const double magnitude = std::floor(std::log10(std::abs(value)));
  for (int decimals = 4; decimals < 6; ++decimals) {
    const double scale = std::pow(10.0, decimals);
    if (std::abs(std::round(value * scale) / scale - value) < 5e-7 || !(decimals + magnitude + 1 < 3))
      return fixedText(value, decimals);
  }
  return fixedText(value, 6);
}

std::string toleranced(double value, double tolerance) {
  return tolerance > 0 ? inchText(value) + " ±" + inchText(tolerance) : inchText(value);
}

Sketch::Sketch(Point origin, Point uAxis, Point vAxis, double textHeight)
    : origin_(origin), u_(uAxis), v_(vAxis), text_(textHeight) {
  drawing_.textHeight = textHeight;
}

Arc Sketch::arc(double u, double v, double radius, double start, double end) const {
  // The frame turns the u axis to this angle, and mirrors when v lies clockwise of u.
  const double turn = std::atan2(u_.y, u_.x) * 180 / std::numbers::pi;
  if (u_.x * v_.y - u_.y * v_.x > 0) return {at(u, v), radius, normalDegrees(turn + start), normalDegrees(turn + end)};
  return {at(u, v), radius, normalDegrees(turn - end), normalDegrees(turn - start)};
}

void Sketch::arrow(Point tip, Point direction) {
  const double length = std::hypot(direction.x, direction.y);
  const double ux = direction.x / length, uy = direction.y / length;
  const double c = std::cos(kArrowDegrees * std::numbers::pi / 180), s = std::sin(kArrowDegrees * std::numbers::pi / 180);
  const double back = kArrow * text_;
  stroke(tip, {tip.x - back * (ux * c - uy * s), tip.y - back * (uy * c + ux * s)});
  stroke(tip, {tip.x - back * (ux * c + uy * s), tip.y - back * (uy * c - ux * s)});
}

void Sketch::dimension(Point from, Point to) {
  const Point along{to.x - from.x, to.y - from.y};
  const double length = std::hypot(along.x, along.y);
  if (!(length > 0)) return;
  if (length >= 3 * kArrow * text_) {
    stroke(from, to);
    arrow(from, {-along.x, -along.y});
    arrow(to, along);
    return;
  }
  const double out = 1.5 * kArrow * text_ / length;
  stroke({from.x - out * along.x, from.y - out * along.y}, {to.x + out * along.x, to.y + out * along.y});
  arrow(from, along);
  arrow(to, {-along.x, -along.y});
}

Drawing Sketch::finish() && {
  // A corner radius as large as the groove allows leaves lines of no length, which some
  // readers take for points.
  for (Outline& outline : drawing_.outlines)
    std::erase_if(outline.segments, [](const auto& segment) {
      const Line* line = std::get_if<Line>(&segment);
      return line && line->from.x == line->to.x && line->from.y == line->to.y;
    });
  Box box{HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
  for (const Outline& outline : drawing_.outlines)
    for (const auto& segment : outline.segments)
      if (const Line* line = std::get_if<Line>(&segment)) take(box, line->from), take(box, line->to);
  for (const Circle& c : drawing_.circles)
    take(box, {c.centre.x - c.radius, c.centre.y - c.radius}), take(box, {c.centre.x + c.radius, c.centre.y + c.radius});
  for (const Stroke& stroke : drawing_.strokes) take(box, stroke.line.from), take(box, stroke.line.to);
  for (const Text& t : drawing_.texts) {
    const double width = estimatedWidth(t.text, t.height);
    const double left = t.at.x - width * (t.horizontal == HorizontalAlign::Left ? 0 : t.horizontal == HorizontalAlign::Centre ? 0.5 : 1);
    const double base = t.at.y - t.height * (t.vertical == VerticalAlign::Baseline ? 0 : t.vertical == VerticalAlign::Middle ? 0.5 : 1);
    take(box, {left, base - 0.3 * t.height});  // descenders
    take(box, {left + width, base + t.height});
  }
  const double margin = text_;
  drawing_.extent = {box.left - margin, box.bottom - margin, box.right + margin, box.top + margin};
  return std::move(drawing_);
}

Outline polygon(std::initializer_list<Point> corners) {
  Outline outline{Layer::Part, {}};
  const std::vector<Point> points(corners);
  for (std::size_t i = 0; i < points.size(); ++i) outline.segments.push_back(Line{points[i], points[(i + 1) % points.size()]});
  return outline;
}

}  // namespace glandwise::drawing

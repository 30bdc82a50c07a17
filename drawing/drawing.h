#pragma once
// A technical drawing as plain geometry: closed outlines, circles, lines and texts on named
// layers, in inch with y up. The screen, the printed page, SVG and DXF all draw the same
// description, so they cannot disagree.

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace glandwise::drawing {

// The layers, in the order they are drawn (later ones on top).
enum class Layer { Part, Ring, RingMmc, RingLmc, Dimensions, Text };
inline constexpr std::array kLayers{Layer::Part,    Layer::Ring,       Layer::RingMmc,
                                    Layer::RingLmc, Layer::Dimensions, Layer::Text};

// The layer's name in a CAD file: "PART", "RING", "RING_MMC", "RING_LMC", "DIMENSIONS", "TEXT".
std::string_view layerName(Layer layer);

struct Point {
  double x;  // along the gland's axis, inch
  double y;  // away from the axis, inch
};

struct Line {
  Point from, to;
};

// A circular arc counter-clockwise from `startDegrees` to `endDegrees` (0 along +x, 90 along +y).
struct Arc {
  Point centre;
  double radius;  // inch
  double startDegrees, endDegrees;
};

// A closed outline: a part cut by the section, filled in the pictures. Each segment starts
// where the one before it ends, and the last ends where the first starts.
struct Outline {
  Layer layer;
  std::vector<std::variant<Line, Arc>> segments;
};

struct Circle {
  Layer layer;
  Point centre;
  double radius;  // inch
};

struct Stroke {
  Layer layer;
  Line line;
};

enum class HorizontalAlign { Left, Centre, Right };
enum class VerticalAlign { Baseline, Middle, Top };  // of the capital letters

// One line of text. `at` is the point that the alignment names: Centre and Middle put the
// middle of the text there.
struct Text {
  Layer layer;
  Point at;
  double height;  // of a capital letter, inch
  HorizontalAlign horizontal;
  VerticalAlign vertical;
  std::string text;  // UTF-8; the only letters beyond ASCII are "Ø" and "±"
};

// Where a drawing lies: its extent in inch.
struct Box {
  double left, bottom, right, top;
  double width() const { return right - left; }
  double height() const { return top - bottom; }
};

// The width of `text` at `height`, inch, as a reader may draw it: generous, for the margins.
double estimatedWidth(std::string_view text, double height);

struct Drawing {
  std::vector<Outline> outlines;
  std::vector<Circle> circles;
  std::vector<Stroke> strokes;  // dimension lines, extension lines, arrows and leaders
  std::vector<Text> texts;
  Box extent{};           // everything, the texts at their estimated widths included
  double textHeight = 0;  // of the drawing's texts, inch: line weights and dashes follow it

  bool empty() const { return outlines.empty() && circles.empty() && strokes.empty() && texts.empty(); }
};

}  // namespace glandwise::drawing

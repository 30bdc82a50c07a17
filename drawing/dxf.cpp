#include "drawing/dxf.h"

#include <charconv>
#include <string_view>

namespace glandwise::drawing {
namespace {

// What a layer looks like in a CAD program: its AutoCAD colour index and line type.
struct LayerLook {
  int colour;  // 5 blue, 6 magenta, 7 black on white (white on black), 30 orange
  const char* lineType;
};

LayerLook lookOf(Layer layer) {
  switch (layer) {
    case Layer::Ring: return {5, "CONTINUOUS"};
    case Layer::RingMmc: return {30, "DASHED"};
    case Layer::RingLmc: return {6, "DASHED"};
    case Layer::Part:
    case Layer::Dimensions:
    case Layer::Text: break;
  }
  return {7, "CONTINUOUS"};
}

// A DXF file being written: one group (a code and its value, each on its own line) after another.
class Groups {
 public:
  void text(int code, std::string_view value) {
    char buffer[8];
    const std::string_view digits(buffer, std::to_chars(buffer, buffer + sizeof buffer, code).ptr);
    out_.append(digits.size() < 3 ? 3 - digits.size() : 0, ' ').append(digits).append("\r\n");
    out_.append(value).append("\r\n");
  }
  void number(int code, double value) {
    char buffer[400];  // the longest double in fixed notation
    text(code, {buffer, std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr});
  }
  void integer(int code, int value) {
    char buffer[16];
    text(code, {buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr});
  }
  // A point's x, y and z under the codes 10 + `offset`, 20 + `offset` and 30 + `offset`.
  void point(int offset, Point p) {
    number(10 + offset, p.x);
    number(20 + offset, p.y);
    number(30 + offset, 0);
  }
  void entity(const char* kind, Layer layer) {
    text(0, kind);
    text(8, layerName(layer));
  }
  std::string take() && { return std::move(out_); }

 private:
  std::string out_;
};

// `text` in the DXF's letters: its codes for "Ø" and "±", and "?" for any other letter
// beyond ASCII or control character, which could otherwise break the file's lines.
std::string dxfLetters(std::string_view text) {
  std::string letters;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (text.substr(i).starts_with("Ø")) letters += "%%c", i += 1;
    else if (text.substr(i).starts_with("±")) letters += "%%p", i += 1;
    else if (c >= 0x20 && c < 0x7F) letters += char(c);
    else if ((c & 0xC0) != 0x80) letters += '?';
  }
  return letters;
}

void writeHeader(Groups& dxf, const Box& extent) {
  dxf.text(0, "SECTION");
  dxf.text(2, "HEADER");
  dxf.text(9, "$ACADVER");
  dxf.text(1, "AC1009");
  dxf.text(9, "$DWGCODEPAGE");
  dxf.text(3, "ANSI_1252");
  dxf.text(9, "$INSUNITS");
  dxf.integer(70, 1);  // inch
  dxf.text(9, "$EXTMIN");
  dxf.point(0, {extent.left, extent.bottom});
  dxf.text(9, "$EXTMAX");
  dxf.point(0, {extent.right, extent.top});
  dxf.text(0, "ENDSEC");
}

void writeTables(Groups& dxf, double textHeight) {
  dxf.text(0, "SECTION");
  dxf.text(2, "TABLES");
  dxf.text(0, "TABLE");
  dxf.text(2, "LTYPE");
  dxf.integer(70, 2);
  const double dash = 0.6 * textHeight, space = 0.35 * textHeight;
  for (const bool dashed : {false, true}) {
    dxf.text(0, "LTYPE");
    dxf.text(2, dashed ? "DASHED" : "CONTINUOUS");
    dxf.integer(70, 0);
    dxf.text(3, dashed ? "Dashed __ __ __" : "Solid line");
    dxf.integer(72, 65);
    dxf.integer(73, dashed ? 2 : 0);
    dxf.number(40, dashed ? dash + space : 0);
    if (dashed) dxf.number(49, dash), dxf.number(49, -space);
  }
  dxf.text(0, "ENDTAB");
  dxf.text(0, "TABLE");
  dxf.text(2, "LAYER");
  dxf.integer(70, int(kLayers.size()) + 1);
  const auto layer = [&](std::string_view name, LayerLook look) {
    dxf.text(0, "LAYER");
    dxf.text(2, name);
    dxf.integer(70, 0);
    dxf.integer(62, look.colour);
    dxf.text(6, look.lineType);
  };
  layer("0", {7, "CONTINUOUS"});
  for (const Layer each : kLayers) layer(layerName(each), lookOf(each));
  dxf.text(0, "ENDTAB");
  dxf.text(0, "TABLE");
  dxf.text(2, "STYLE");
  dxf.integer(70, 1);
  dxf.text(0, "STYLE");
  dxf.text(2, "STANDARD");
  dxf.integer(70, 0);
  dxf.number(40, 0);  // the height is each text's own
  dxf.number(41, 1);
  dxf.number(50, 0);
  dxf.integer(71, 0);
  dxf.number(42, textHeight);
  dxf.text(3, "txt");
  dxf.text(0, "ENDTAB");
  dxf.text(0, "ENDSEC");
}

void writeLine(Groups& dxf, Layer layer, const Line& line) {
  dxf.entity("LINE", layer);
  dxf.point(0, line.from);
  dxf.point(1, line.to);
}

void writeArc(Groups& dxf, Layer layer, const Arc& arc) {
  dxf.entity("ARC", layer);
  dxf.point(0, arc.centre);
  dxf.number(40, arc.radius);
  dxf.number(50, arc.startDegrees);
  dxf.number(51, arc.endDegrees);
}

void writeText(Groups& dxf, const Text& text) {
  dxf.entity("TEXT", text.layer);
  dxf.point(0, text.at);
  dxf.number(40, text.height);
  dxf.text(1, dxfLetters(text.text));
  const int horizontal = text.horizontal == HorizontalAlign::Left ? 0 : text.horizontal == HorizontalAlign::Centre ? 1 : 2;
  const int vertical = text.vertical == VerticalAlign::Baseline ? 0 : text.vertical == VerticalAlign::Middle ? 2 : 3;
  if (horizontal == 0 && vertical == 0) return;  // aligned at its first point
  dxf.integer(72, horizontal);
  dxf.point(1, text.at);
  dxf.integer(73, vertical);
}

void writeEntities(Groups& dxf, const Drawing& drawing) {
  dxf.text(0, "SECTION");
  dxf.text(2, "ENTITIES");
  for (const Outline& outline : drawing.outlines)
    for (const auto& segment : outline.segments) {
      if (const Line* line = std::get_if<Line>(&segment)) writeLine(dxf, outline.layer, *line);
      else writeArc(dxf, outline.layer, std::get<Arc>(segment));
    }
  for (const Circle& circle : drawing.circles) {
    dxf.entity("CIRCLE", circle.layer);
    dxf.point(0, circle.centre);
    dxf.number(40, circle.radius);
  }
  for (const Stroke& stroke : drawing.strokes) writeLine(dxf, stroke.layer, stroke.line);
  for (const Text& text : drawing.texts) writeText(dxf, text);
  dxf.text(0, "ENDSEC");
}

}  // namespace

std::string dxfText(const Drawing& drawing) {
  if (drawing.empty()) return {};
  Groups dxf;
  writeHeader(dxf, drawing.extent);
  writeTables(dxf, drawing.textHeight);
  writeEntities(dxf, drawing);
  dxf.text(0, "EOF");
  return std::move(dxf).take();
}

}  // namespace glandwise::drawing

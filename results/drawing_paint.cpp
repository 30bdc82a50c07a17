#include "results/drawing_paint.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

namespace glandwise {
namespace {

using namespace drawing;

// How a layer is painted; line widths in the drawing's text heights.
struct LayerStyle {
  QColor colour;        // of its lines and texts
  QBrush fill;          // of its outlines and circles
  double lineWidth;     // text heights; 0: no lines
  bool dashed;
};

LayerStyle styleOf(Layer layer) {
  switch (layer) {
    case Layer::Part: return {Qt::black, QColor(200, 200, 200), 0.12, false};
    case Layer::Ring: return {kNominalSealColour.darker(130), kNominalSealColour, 0, false};  // its note darker
    case Layer::RingMmc: return {kMmcColour, Qt::NoBrush, 0.08, true};
    case Layer::RingLmc: return {kLmcColour, Qt::NoBrush, 0.08, true};
    case Layer::Dimensions:
    case Layer::Text: break;
  }
  return {Qt::black, Qt::NoBrush, 0.06, false};
}

// The drawings' letters: Arial's metrics (Liberation Sans where Arial is not installed),
// a font every SVG reader has.
QFont drawingFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(100);
  return font;
}

QPointF qt(Point p) { return {p.x, p.y}; }

double degreesBetween(double start, double end) {
  const double sweep = std::fmod(end - start, 360.0);
  return sweep <= 0 ? sweep + 360 : sweep;
}

QPointF pointOn(const Arc& arc, double degrees) {
  const double radians = degrees * std::numbers::pi / 180;
  return {arc.centre.x + arc.radius * std::cos(radians), arc.centre.y + arc.radius * std::sin(radians)};
}

// Continues `path` along `arc`, from whichever end the path stands at. The path is in
// inch with y up; QPainterPath measures its angles with y down.
void addArc(QPainterPath& path, const Arc& arc) {
  const QPointF here = path.currentPosition(), start = pointOn(arc, arc.startDegrees), end = pointOn(arc, arc.endDegrees);
  const bool forward = QLineF(here, start).length() <= QLineF(here, end).length();
  const double sweep = degreesBetween(arc.startDegrees, arc.endDegrees);
  const QRectF box(arc.centre.x - arc.radius, arc.centre.y - arc.radius, 2 * arc.radius, 2 * arc.radius);
  if (forward) path.arcTo(box, -arc.startDegrees, -sweep);
  else path.arcTo(box, -arc.endDegrees, sweep);
}

QPainterPath pathOf(const Outline& outline) {
  QPainterPath path;
  for (const auto& segment : outline.segments) {
    if (const Line* line = std::get_if<Line>(&segment)) {
      if (path.elementCount() == 0) path.moveTo(qt(line->from));
      path.lineTo(qt(line->to));
    } else {
      const Arc& arc = std::get<Arc>(segment);
      if (path.elementCount() == 0) path.moveTo(pointOn(arc, arc.startDegrees));
      addArc(path, arc);
    }
  }
  path.closeSubpath();
  return path;
}

// Paints the text so that its capital letters are `text.height` tall and its alignment
// point lies at `text.at`, upright whatever the placement.
void paintText(QPainter& painter, const Text& text, const QTransform& placement) {
  const QFont font = drawingFont();
  const QFontMetricsF metrics(font);
  const QString words = QString::fromStdString(text.text);
  const double scale = text.height * std::abs(placement.m11()) / metrics.capHeight();
  const double width = metrics.horizontalAdvance(words);
  const double x = text.horizontal == HorizontalAlign::Left ? 0 : text.horizontal == HorizontalAlign::Centre ? -width / 2 : -width;
  const double y = text.vertical == VerticalAlign::Baseline ? 0 : text.vertical == VerticalAlign::Middle ? metrics.capHeight() / 2
                                                                                                        : metrics.capHeight();
  painter.save();
  painter.translate(placement.map(qt(text.at)));
  painter.scale(scale, scale);
  painter.setFont(font);
  painter.drawText(QPointF(x, y), words);
  painter.restore();
}

void paintLayer(QPainter& painter, const Drawing& drawing, Layer layer, const QTransform& placement) {
  const LayerStyle style = styleOf(layer);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setWorldTransform(placement, true);
  QPen pen(style.colour, style.lineWidth * drawing.textHeight);
  if (style.dashed) pen.setDashPattern({7, 4});
  painter.setPen(style.lineWidth > 0 ? pen : QPen(Qt::NoPen));
  painter.setBrush(style.fill);
  for (const Outline& outline : drawing.outlines)
    if (outline.layer == layer) painter.drawPath(pathOf(outline));
  for (const Circle& circle : drawing.circles)
    if (circle.layer == layer) painter.drawEllipse(qt(circle.centre), circle.radius, circle.radius);
  for (const Stroke& stroke : drawing.strokes)
    if (stroke.layer == layer) painter.drawLine(qt(stroke.line.from), qt(stroke.line.to));
  painter.restore();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(style.colour);
  for (const Text& text : drawing.texts)
    if (text.layer == layer) paintText(painter, text, placement);
  painter.restore();
}

// The content of an SVG document that QSvgGenerator wrote: what lies between its
// definitions and its end.
QByteArray svgContent(const QByteArray& document) {
  const qsizetype start = document.indexOf("</defs>"), end = document.lastIndexOf("</svg>");
  if (start < 0 || end < start) return {};
  return document.mid(start + 7, end - start - 7);
}

// One layer of `drawing` as an SVG document of `viewBox`.
QByteArray layerSvg(const Drawing& drawing, Layer layer, const QRectF& viewBox) {
  constexpr int kDotsPerInch = 1000;
  QBuffer buffer;
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setResolution(kDotsPerInch);
  generator.setSize((viewBox.size() * kDotsPerInch).toSize());
  generator.setViewBox(viewBox);
  generator.setTitle(QStringLiteral("Glandwise gland section"));
  generator.setDescription(QStringLiteral("To scale, in inch: one unit of the viewBox is an inch."));
  QPainter painter(&generator);
  paintLayer(painter, drawing, layer, QTransform(1, 0, 0, -1, 0, 0));
  painter.end();
  return buffer.data();
}

}  // namespace

QTransform drawingPlacement(const QRectF& area, const Box& extent) {
  const double scale = std::max(0.0, std::min(area.width() / extent.width(), area.height() / extent.height()));
  const QPointF middle((extent.left + extent.right) / 2, (extent.bottom + extent.top) / 2);
  return QTransform(scale, 0, 0, -scale, area.center().x() - scale * middle.x(), area.center().y() + scale * middle.y());
}

void paintDrawing(QPainter& painter, const Drawing& drawing, const QTransform& placement) {
  for (const Layer layer : kLayers) paintLayer(painter, drawing, layer, placement);
}

QByteArray drawingSvg(const Drawing& drawing) {
  if (drawing.empty()) return {};
  const Box& e = drawing.extent;
  const QRectF viewBox(e.left, -e.top, e.width(), e.height());
  QByteArray document;
  for (const Layer layer : kLayers) {
    const QByteArray layerDocument = layerSvg(drawing, layer, viewBox);
    const QByteArray content = svgContent(layerDocument);
    if (content.isEmpty()) return {};
    if (document.isEmpty()) document = layerDocument.left(layerDocument.indexOf("</defs>") + 7);
    const QByteArray name(layerName(layer).data(), qsizetype(layerName(layer).size()));
    document += "\n<g id=\"" + name.toLower() +
                "\" xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" inkscape:groupmode=\"layer\" "
                "inkscape:label=\"" + name + "\">" + content + "</g>\n";
  }
  return document + "</svg>\n";
}

}  // namespace glandwise

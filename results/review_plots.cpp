#include "results/review_plots.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QPainterPath>

namespace glandwise {
namespace {

// Proportions of the drawing, in groove widths and gland heights.
constexpr double kLand = 0.6;  // each land beside the groove, groove widths
constexpr double kBody = 0.35;  // each part's body beyond the surfaces, gland heights
// Pulls a cubic Bézier's control points towards a corner so that it follows a quarter circle.
constexpr double kArc = 0.5523;

QString inch(double value) { return QString::number(value, 'f', 4); }

// The drawing's parts in inch: x along the axis, v across it from the top of the drawing
// when the groove is below (a housing groove is the same drawing upside down).
struct Extent {
  double width, height;  // inch
  double body;           // the opposite part's thickness, inch
};

Extent extentOf(const GlandSection& s) {
  const double body = kBody * s.glandHeight + std::max(0.0, s.sealMmc - s.glandHeight);
  return {s.grooveWidth * (1 + 2 * kLand), body + s.glandHeight + kBody * s.glandHeight, body};
}

// Margins around the drawing for the dimensions: left and right, top and bottom, px.
QSizeF sectionMargins(QPainter& painter) {
  const QFontMetricsF metrics(painter.font());
  return {metrics.horizontalAdvance(QStringLiteral("gap 0.00000")) + 1.5 * metrics.height(), 2.6 * metrics.height()};
}

// Maps drawing coordinates in inch to pixels.
struct SectionMap {
  SectionLayout layout;
  Extent extent;
  bool flip;  // the groove is at the top
  QPointF at(double x, double v) const {
    const double down = flip ? extent.height - v : v;
    return layout.origin + QPointF(x, down) * layout.scale;
  }
};

// A quarter-circle corner from the path's current point to `end` around `corner`.
void roundCorner(QPainterPath& path, QPointF corner, QPointF end) {
  const QPointF start = path.currentPosition();
  path.cubicTo(start + kArc * (corner - start), end + kArc * (corner - end), end);
}

QPainterPath groovedPart(const SectionMap& m, const GlandSection& s) {
  const double surface = m.extent.body + s.gap, bottom = m.extent.body + s.glandHeight;
  const double left = kLand * s.grooveWidth, right = left + s.grooveWidth;
  const double r = std::clamp(s.grooveRadius, 0.0, std::min(s.grooveWidth / 2, s.glandHeight - s.gap));
  QPainterPath path(m.at(0, surface));
  path.lineTo(m.at(left, surface));
  path.lineTo(m.at(left, bottom - r));
  roundCorner(path, m.at(left, bottom), m.at(left + r, bottom));
  path.lineTo(m.at(right - r, bottom));
  roundCorner(path, m.at(right, bottom), m.at(right, bottom - r));
  path.lineTo(m.at(right, surface));
  path.lineTo(m.at(m.extent.width, surface));
  path.lineTo(m.at(m.extent.width, m.extent.height));
  path.lineTo(m.at(0, m.extent.height));
  path.closeSubpath();
  return path;
}

// The seal of diameter `d` resting on the groove bottom, centred in the groove.
QRectF sealCircle(const SectionMap& m, const GlandSection& s, double d) {
  const QPointF centre = m.at((kLand + 0.5) * s.grooveWidth, m.extent.body + s.glandHeight - d / 2);
  const double radius = d / 2 * m.layout.scale;
  return {centre - QPointF(radius, radius), centre + QPointF(radius, radius)};
}

// A dimension line between two points with arrow-like ticks and its text beside it.
void dimension(QPainter& p, QPointF from, QPointF to, const QString& text, Qt::Alignment side) {
  p.drawLine(from, to);
  const QPointF along = (to - from) / std::max(1.0, std::hypot((to - from).x(), (to - from).y()));
  const QPointF across(-along.y(), along.x());
  for (const QPointF end : {from, to}) p.drawLine(end - 4 * across, end + 4 * across);
  const QFontMetricsF metrics(p.font());
  const QPointF middle = (from + to) / 2;
  QRectF box(QPointF(), metrics.size(0, text));
  if (side & Qt::AlignLeft) box.moveCenter(middle - QPointF(box.width() / 2 + metrics.height() / 2, 0));
  else if (side & Qt::AlignRight) box.moveCenter(middle + QPointF(box.width() / 2 + metrics.height() / 2, 0));
  else box.moveCenter(middle + QPointF(0, side & Qt::AlignTop ? -metrics.height() * 0.6 : metrics.height() * 0.6));
  p.drawText(box, Qt::AlignCenter, text);
}

void drawDimensions(QPainter& p, const SectionMap& m, const GlandSection& s) {
  const double h = QFontMetricsF(p.font()).height();
  const double left = kLand * s.grooveWidth, right = left + s.grooveWidth;
  const double opposite = m.extent.body, bottom = m.extent.body + s.glandHeight;
  const QPointF outside(0, m.flip ? -h : h);  // from the grooved part's edge outwards
  const QPointF edge = m.at(0, m.extent.height) + outside;
  dimension(p, QPointF(m.at(left, 0).x(), edge.y()), QPointF(m.at(right, 0).x(), edge.y()),
            "width " + inch(s.grooveWidth), m.flip ? Qt::AlignTop : Qt::AlignBottom);
  const double heightX = m.at(m.extent.width, 0).x() + h / 2;
  dimension(p, QPointF(heightX, m.at(0, opposite).y()), QPointF(heightX, m.at(0, bottom).y()),
            "h " + inch(s.glandHeight), Qt::AlignRight);
  const double gapX = m.at(0, 0).x() - h / 2;
  dimension(p, QPointF(gapX, m.at(0, opposite).y()), QPointF(gapX, m.at(0, opposite + s.gap).y()),
            "gap " + inch(s.gap), Qt::AlignLeft);
}

// Names the two parts inside them, and the two sides above or below the drawing.
void drawNames(QPainter& p, const SectionMap& m, const GlandSection& s) {
  const double h = QFontMetricsF(p.font()).height();
  const double partsX = m.at(0, 0).x() + h / 2;
  const auto part = [&](double v, const QString& name) {
    p.drawText(QRectF(partsX, m.at(0, v).y() - h / 2, m.at(m.extent.width, 0).x() - partsX, h), Qt::AlignLeft, name);
  };
  part(m.extent.body / 2, s.grooveInRod ? QStringLiteral("bore") : QStringLiteral("rod"));
  part(m.extent.height - m.extent.body / 2, s.grooveInRod ? QStringLiteral("rod") : QStringLiteral("bore"));
  const QPointF sides = m.at(0, 0) - QPointF(0, m.flip ? -h : h) * 0.8;
  p.drawText(QRectF(sides.x(), sides.y() - h / 2, m.at(m.extent.width, 0).x() - sides.x(), h),
             Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("unloaded side"));
  p.drawText(QRectF(sides.x(), sides.y() - h / 2, m.at(m.extent.width, 0).x() - sides.x(), h),
             Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("loaded side"));
}

}  // namespace

SectionLayout sectionLayout(QPainter& painter, const QRectF& area, const GlandSection& section) {
  const Extent extent = extentOf(section);
  const QSizeF margins = sectionMargins(painter);
  const QRectF inner = area.adjusted(margins.width(), margins.height(), -margins.width(), -margins.height());
  const double scale = std::max(0.0, std::min(inner.width() / extent.width, inner.height() / extent.height));
  const QSizeF drawn = QSizeF(extent.width, extent.height) * scale;
  return {scale, inner.center() - QPointF(drawn.width() / 2, drawn.height() / 2)};
}

void paintGlandSection(QPainter& painter, const QRectF& area, const GlandSection& section) {
  if (!(section.grooveWidth > 0 && section.glandHeight > 0)) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const SectionMap m{sectionLayout(painter, area, section), extentOf(section), !section.grooveInRod};
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(QColor(215, 215, 215));
  painter.drawRect(QRectF(m.at(0, 0), m.at(m.extent.width, m.extent.body)).normalized());
  painter.setBrush(QColor(185, 185, 185));
  painter.drawPath(groovedPart(m, section));
  painter.setBrush(kNominalSealColour);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(sealCircle(m, section, section.sealNominal));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 0, Qt::DashLine));
  for (double d : {section.sealMmc, section.sealLmc}) painter.drawEllipse(sealCircle(m, section, d));
  painter.setPen(QPen(Qt::black, 0));
  drawDimensions(painter, m, section);
  drawNames(painter, m, section);
  painter.restore();
}

SqueezeAxis squeezeAxis(QPainter& painter, const QRectF& area, const SqueezePlot& plot) {
  const StatisticsReview& st = plot.statistics;
  const double histogramEnd = st.histogramStart + st.binWidth * double(st.histogram.size());
  double low = std::min({st.histogramStart, plot.limitLow, plot.worstMmc, plot.worstLmc});
  double high = std::max({histogramEnd, plot.limitHigh, plot.worstMmc, plot.worstLmc});
  const double pad = std::max(0.05 * (high - low), 0.5);
  low -= pad, high += pad;
  const double h = QFontMetricsF(painter.font()).height();
  return {area.left() + h, area.right() - h, low, high};
}

namespace {

// The bars of the histogram between `top` and `base`, the tallest reaching `top`.
void drawBars(QPainter& painter, const SqueezeAxis& axis, const StatisticsReview& st, double top, double base) {
  const int tallest = std::max(1, *std::max_element(st.histogram.begin(), st.histogram.end()));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(120, 140, 170));
  for (std::size_t i = 0; i < st.histogram.size(); ++i) {
    const double x0 = axis.xOf(st.histogramStart + st.binWidth * double(i));
    const double x1 = axis.xOf(st.histogramStart + st.binWidth * double(i + 1));
    const double height = (base - top) * st.histogram[i] / tallest;
    painter.drawRect(QRectF(x0, base - height, x1 - x0, height));
  }
}

// The squeeze axis along `base`, with its figures under it.
void drawAxis(QPainter& painter, const SqueezeAxis& axis, double base) {
  const double h = QFontMetricsF(painter.font()).height();
  painter.setPen(QPen(Qt::black, 0));
  painter.drawLine(QPointF(axis.left, base), QPointF(axis.right, base));
  double step = std::pow(10, std::floor(std::log10((axis.high - axis.low) / 4)));
  for (double widen : {2.0, 2.5, 2.0})  // 1, 2, 5, 10 times a power of ten: at most ten ticks
    if ((axis.high - axis.low) / step > 10) step *= widen;
  for (double tick = std::ceil(axis.low / step) * step; tick <= axis.high; tick += step)
    painter.drawText(QRectF(axis.xOf(tick) - 2 * h, base, 4 * h, h * 1.5), Qt::AlignCenter,
                     QString::number(tick, 'g', 4));
}

}  // namespace

void paintSqueezeHistogram(QPainter& painter, const QRectF& area, const SqueezePlot& plot) {
  painter.save();
  const SqueezeAxis axis = squeezeAxis(painter, area, plot);
  const double h = QFontMetricsF(painter.font()).height();
  const double top = area.top() + 3.5 * h, base = area.bottom() - 1.5 * h;
  const StatisticsReview& st = plot.statistics;
  drawBars(painter, axis, st, top, base);
  drawAxis(painter, axis, base);
  const auto marker = [&](double percent, const QPen& pen, const QString& label, int line) {
    painter.setPen(pen);
    const double x = std::round(axis.xOf(percent));
    painter.drawLine(QPointF(x, top - h * 0.5), QPointF(x, base));
    const double labelLeft = std::clamp(x - 4 * h, area.left(), area.right() - 8 * h);
    painter.drawText(QRectF(labelLeft, top - h * (1.5 + line), 8 * h, h), Qt::AlignCenter, label);
  };
  marker(plot.limitLow, QPen(kLimitColour, 2), QString::number(plot.limitLow, 'g', 4) + " %", 0);
  marker(plot.limitHigh, QPen(kLimitColour, 2), QString::number(plot.limitHigh, 'g', 4) + " %", 0);
  marker(plot.worstMmc, QPen(QColor(150, 80, 0), 1, Qt::DashLine), QStringLiteral("MMC"), 1);
  marker(plot.worstLmc, QPen(QColor(110, 40, 140), 1, Qt::DashLine), QStringLiteral("LMC"), 1);
  painter.setPen(Qt::black);
  const QRectF shares(area.left() + h, area.top(), area.width() - 2 * h, h);
  painter.drawText(shares, Qt::AlignLeft, QString::number(st.belowPercent, 'f', 2) + " % below the limit");
  painter.drawText(shares, Qt::AlignRight, QString::number(st.abovePercent, 'f', 2) + " % above the limit");
  painter.restore();
}

GlandDrawing::GlandDrawing(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("glandDrawing"));
  setMinimumSize(360, 200);
}

void GlandDrawing::setSection(const GlandSection& section) {
  section_ = section;
  update();
}

void GlandDrawing::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintGlandSection(painter, rect(), section_);
}

SqueezeHistogram::SqueezeHistogram(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("squeezeHistogram"));
  setMinimumSize(360, 200);
}

void SqueezeHistogram::setPlot(const SqueezePlot& plot) {
  plot_ = plot;
  update();
}

void SqueezeHistogram::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintSqueezeHistogram(painter, rect(), plot_);
}

}  // namespace glandwise

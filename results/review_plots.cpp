#include "results/review_plots.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

#include "drawing/gland_drawing.h"

namespace glandwise {

void paintGlandSection(QPainter& painter, const QRectF& area, const GlandSection& section) {
  const drawing::Drawing drawing = drawing::glandDrawing(section);
  paintDrawing(painter, drawing, drawingPlacement(area, drawing.extent));
}

SqueezeAxis squeezeAxis(QPainter& painter, const QRectF& area, const SqueezePlot& plot) {
  const StatisticsReview& st = plot.statistics;
  const double histogramEnd = st.histogramStart + st.binWidth * double(st.histogram.size());
  double low = st.histogramStart, high = histogramEnd;
  for (const SqueezeMark& mark : plot.marks) low = std::min(low, mark.percent), high = std::max(high, mark.percent);
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

// The pen of a mark: solid limits, dashed concentric and dotted eccentric squeezes, in the
// drawing's colours of the MMC and LMC seal.
QPen markPen(SqueezeMarkKind kind) {
  switch (kind) {
    case SqueezeMarkKind::Limit: return {kLimitColour, 2};
    case SqueezeMarkKind::ConcentricLmc: return {kLmcColour, 1.5, Qt::DashLine};
    case SqueezeMarkKind::ConcentricMmc: return {kMmcColour, 1.5, Qt::DashLine};
    case SqueezeMarkKind::LeastSqueezed: return {kLmcColour, 1.5, Qt::DotLine};
    case SqueezeMarkKind::MostSqueezed: break;
  }
  return {kMmcColour, 1.5, Qt::DotLine};
}

// A mark's words in the key: its name and figure.
QString markText(const SqueezeMark& mark) {
  return QString::fromStdString(mark.name) + QStringLiteral(" %1 %").arg(mark.percent, 0, 'f', 1);
}

// The key's columns within `area`: two when every mark's words fit in half of it, else one.
int keyColumns(const QPainter& painter, const QRectF& area, const SqueezePlot& plot) {
  const QFontMetricsF metrics(painter.font());
  const double room = (area.width() - 2 * metrics.height()) / 2 - 2 * metrics.height();
  for (const SqueezeMark& mark : plot.marks)
    if (metrics.horizontalAdvance(markText(mark)) > room) return 1;
  return 2;
}

// The key's height within `area`, px.
double keyHeight(const QPainter& painter, const QRectF& area, const SqueezePlot& plot) {
  const std::size_t columns = std::size_t(keyColumns(painter, area, plot));
  return QFontMetricsF(painter.font()).height() * double((plot.marks.size() + columns - 1) / columns);
}

// Each mark's line sample, name and figure, in the key's columns from `top`.
void drawKey(QPainter& painter, const QRectF& area, double top, const SqueezePlot& plot) {
  const std::size_t columns = std::size_t(keyColumns(painter, area, plot));
  const double h = QFontMetricsF(painter.font()).height(), width = (area.width() - 2 * h) / double(columns);
  for (std::size_t i = 0; i < plot.marks.size(); ++i) {
    const SqueezeMark& mark = plot.marks[i];
    const double left = area.left() + h + width * double(i % columns), y = top + h * double(i / columns);
    painter.setPen(markPen(mark.kind));
    painter.drawLine(QPointF(left, y + h / 2), QPointF(left + 1.5 * h, y + h / 2));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(left + 2 * h, y, width - 2 * h, h), Qt::AlignLeft | Qt::AlignVCenter, markText(mark));
  }
}

}  // namespace

void paintSqueezeHistogram(QPainter& painter, const QRectF& area, const SqueezePlot& plot) {
  painter.save();
  const SqueezeAxis axis = squeezeAxis(painter, area, plot);
  const double h = QFontMetricsF(painter.font()).height();
  const double key = keyHeight(painter, area, plot);
  const double top = area.top() + 1.5 * h, base = area.bottom() - 1.5 * h - key;
  const StatisticsReview& st = plot.statistics;
  drawBars(painter, axis, st, top, base);
  drawAxis(painter, axis, base);
  for (const SqueezeMark& mark : plot.marks) {
    painter.setPen(markPen(mark.kind));
    const double x = std::round(axis.xOf(mark.percent));
    painter.drawLine(QPointF(x, top), QPointF(x, base));
  }
  drawKey(painter, area, base + 1.5 * h, plot);
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

void GlandDrawing::setSection(const GlandSection& section) { setDrawing(drawing::glandDrawing(section)); }

void GlandDrawing::setDrawing(drawing::Drawing drawing) {
  drawing_ = std::move(drawing);
  update();
}

void GlandDrawing::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintDrawing(painter, drawing_, drawingPlacement(rect(), drawing_.extent));
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

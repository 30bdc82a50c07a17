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
  marker(plot.worstMmc, QPen(kMmcColour, 1, Qt::DashLine), QStringLiteral("MMC"), 1);
  marker(plot.worstLmc, QPen(kLmcColour, 1, Qt::DashLine), QStringLiteral("LMC"), 1);
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

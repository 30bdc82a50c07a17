#pragma once
// The review's pictures: the to-scale cross-section of the gland and the histogram of the
// Monte Carlo squeeze, each a paint function (for the screen and the printed page alike)
// and a widget that scales it with its window.

#include <QColor>
#include <QRectF>
#include <QWidget>
#include <vector>

#include "drawing/drawing.h"
#include "model/gland_section.h"
#include "model/review.h"
#include "model/review_rows.h"
#include "results/drawing_paint.h"

class QPainter;

namespace glandwise {

// Draws the gland cut through its axis to scale within `area`: its drawing (see
// drawing/gland_drawing.h) as large as fits, centred.
void paintGlandSection(QPainter& painter, const QRectF& area, const GlandSection& section);

// What the histogram shows: the Monte Carlo and the squeezes it marks (model/review_rows.h).
struct SqueezePlot {
  StatisticsReview statistics;
  std::vector<SqueezeMark> marks;
};

// The histogram's squeeze axis within an area: the squeeze % at the plot's two edges.
struct SqueezeAxis {
  double left, right;  // pixels
  double low, high;    // squeeze %
  double xOf(double percent) const { return left + (percent - low) / (high - low) * (right - left); }
};

// The colour of the two limit lines, found by tests.
inline const QColor kLimitColour{200, 30, 30};

SqueezeAxis squeezeAxis(QPainter& painter, const QRectF& area, const SqueezePlot& plot);

// Draws the histogram of the squeeze within `area`, with the shares outside the limits above
// it and its marks: the limits as solid lines, the concentric MMC and LMC squeezes dashed
// and the eccentric extremes dotted, each named with its figure in a key under the axis.
void paintSqueezeHistogram(QPainter& painter, const QRectF& area, const SqueezePlot& plot);

// The section drawing as a widget: it fills the widget, whatever its size.
class GlandDrawing : public QWidget {
 public:
  explicit GlandDrawing(QWidget* parent = nullptr);
  void setSection(const GlandSection& section);
  // Shows another part's drawing (a face seal's).
  void setDrawing(drawing::Drawing drawing);
  const drawing::Drawing& drawing() const { return drawing_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  drawing::Drawing drawing_;  // of the section shown
};

// The squeeze histogram as a widget: it fills the widget, whatever its size.
class SqueezeHistogram : public QWidget {
 public:
  explicit SqueezeHistogram(QWidget* parent = nullptr);
  void setPlot(const SqueezePlot& plot);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  SqueezePlot plot_{};
};

}  // namespace glandwise

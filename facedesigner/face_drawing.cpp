#include "facedesigner/face_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "results/review_plots.h"

namespace glandwise {
namespace {

constexpr double kLand = 0.6;    // the flange face shown beside the groove, groove widths
constexpr double kBody = 0.5;    // each flange's body beyond its face, groove depths
constexpr double kArc = 0.5523;  // pulls a cubic Bézier's control points to follow a quarter circle

QString inch(double value) { return QString::number(value, 'f', 4); }

// Inch to pixels: x is the radius, y the height above the groove bottom (up the page).
struct FaceMap {
  double scale;
  QPointF origin;  // the pixel of radius `left`, height 0
  double left;     // the radius at the drawing's left edge
  QPointF at(double radius, double height) const { return origin + QPointF((radius - left) * scale, -height * scale); }
};

struct Extent {
  double left, right;  // radii
  double bottom, top;  // heights: the grooved flange's body below, the mating flange's above
};

Extent extentOf(const FaceSection& s) {
  const double width = s.outerWall - s.innerWall;
  const double biggest = std::max({s.mmc.diameter, s.nominal.diameter, s.depth});
  return {std::max(0.0, s.innerWall - kLand * width), s.outerWall + kLand * width, -kBody * s.depth,
          std::max(s.depth + s.gap, biggest) + kBody * s.depth};
}

void roundCorner(QPainterPath& path, QPointF corner, QPointF end) {
  const QPointF start = path.currentPosition();
  path.cubicTo(start + kArc * (corner - start), end + kArc * (corner - end), end);
}

QPainterPath groovedFlange(const FaceMap& m, const Extent& e, const FaceSection& s) {
  const double r = std::clamp(s.bottomRadius, 0.0, std::min((s.outerWall - s.innerWall) / 2, s.depth));
  const bool pocket = s.innerWall <= 0;
  QPainterPath path(m.at(e.left, s.depth));
  if (!pocket) {
    path.lineTo(m.at(s.innerWall, s.depth));
    path.lineTo(m.at(s.innerWall, r));
    roundCorner(path, m.at(s.innerWall, 0), m.at(s.innerWall + r, 0));
  } else {
    path.lineTo(m.at(e.left, 0));
  }
  path.lineTo(m.at(s.outerWall - r, 0));
  roundCorner(path, m.at(s.outerWall, 0), m.at(s.outerWall, r));
  path.lineTo(m.at(s.outerWall, s.depth));
  path.lineTo(m.at(e.right, s.depth));
  path.lineTo(m.at(e.right, e.bottom));
  path.lineTo(m.at(e.left, e.bottom));
  path.closeSubpath();
  return path;
}

QRectF ringCircle(const FaceMap& m, const FaceSection::Ring& ring) {
  const QPointF centre = m.at(ring.centre, ring.diameter / 2);
  const double radius = ring.diameter / 2 * m.scale;
  return {centre - QPointF(radius, radius), centre + QPointF(radius, radius)};
}

// A dimension line with end ticks and its text beside it, on the side `side`.
void dimension(QPainter& p, QPointF from, QPointF to, const QString& text, Qt::Alignment side) {
  p.drawLine(from, to);
  const QPointF along = (to - from) / std::max(1.0, std::hypot((to - from).x(), (to - from).y()));
  const QPointF across(-along.y(), along.x());
  for (const QPointF end : {from, to}) p.drawLine(end - 4 * across, end + 4 * across);
  const QFontMetricsF metrics(p.font());
  QRectF box(QPointF(), metrics.size(0, text));
  const QPointF middle = (from + to) / 2;
  if (side & Qt::AlignLeft) box.moveCenter(middle - QPointF(box.width() / 2 + metrics.height() / 2, 0));
  else if (side & Qt::AlignRight) box.moveCenter(middle + QPointF(box.width() / 2 + metrics.height() / 2, 0));
  else box.moveCenter(middle + QPointF(0, side & Qt::AlignTop ? -metrics.height() * 0.7 : metrics.height() * 0.7));
  p.drawText(box, Qt::AlignCenter, text);
}

void drawAnnotations(QPainter& p, const FaceMap& m, const Extent& e, const FaceSection& s) {
  const double h = QFontMetricsF(p.font()).height();
  const double below = m.at(0, e.bottom).y() + h;
  dimension(p, QPointF(m.at(s.innerWall, 0).x(), below), QPointF(m.at(s.outerWall, 0).x(), below),
            "width " + inch(s.outerWall - s.innerWall), Qt::AlignBottom);
  const double right = m.at(e.right, 0).x() + h / 2;
  dimension(p, QPointF(right, m.at(0, 0).y()), QPointF(right, m.at(0, s.depth).y()), "depth " + inch(s.depth),
            Qt::AlignRight);
  if (s.gap > 0)
    dimension(p, QPointF(right, m.at(0, s.depth).y()), QPointF(right, m.at(0, s.depth + s.gap).y()),
              "gap " + inch(s.gap), Qt::AlignRight);
  const bool outer = s.datumWall == s.outerWall;
  const QString datum = (outer ? QStringLiteral("groove OD ") : QStringLiteral("groove ID ")) + inch(2 * s.datumWall);
  const QPointF wall = m.at(s.datumWall, e.top);
  p.drawText(QRectF(wall.x() - 6 * h, wall.y() - 1.3 * h, 12 * h, h), Qt::AlignCenter, datum);
  // The pressure comes from the inside (the axis side) or the outside.
  const bool inside = s.pressureFrom == PressureFrom::Inside;
  const double y = m.at(0, s.depth / 2).y();
  const double x0 = inside ? m.at(e.left, 0).x() + h : m.at(e.right, 0).x() - h;
  const double x1 = x0 + (inside ? 2.5 * h : -2.5 * h);
  p.drawLine(QPointF(x0, y), QPointF(x1, y));
  const double head = inside ? -h / 2 : h / 2;
  p.drawLine(QPointF(x1, y), QPointF(x1 + head, y - h / 3));
  p.drawLine(QPointF(x1, y), QPointF(x1 + head, y + h / 3));
  p.drawText(QRectF(std::min(x0, x1) - h, y - 1.6 * h, 4.5 * h, h), Qt::AlignCenter, QStringLiteral("pressure"));
  const double namesX = m.at(e.left, 0).x() + h / 2;
  p.drawText(QRectF(namesX, m.at(0, e.top).y(), 20 * h, 1.2 * h), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("mating flange"));
  p.drawText(QRectF(namesX, m.at(0, e.bottom).y() - 1.2 * h, 20 * h, 1.2 * h), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("grooved flange"));
  if (s.innerWall <= 0) {
    p.setPen(QPen(Qt::black, 0, Qt::DashDotLine));
    p.drawLine(m.at(0, e.bottom - kBody * s.depth / 2), m.at(0, e.top + kBody * s.depth / 2));
    p.drawText(QRectF(m.at(0, 0).x() - 3 * h, m.at(0, e.top).y() - 2.4 * h, 6 * h, h), Qt::AlignCenter,
               QStringLiteral("axis"));
  }
}

}  // namespace

void paintFaceSection(QPainter& painter, const QRectF& area, const FaceSection& s) {
  if (!(s.depth > 0 && s.outerWall > s.innerWall)) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const Extent e = extentOf(s);
  const QFontMetricsF metrics(painter.font());
  const double marginX = metrics.horizontalAdvance(QStringLiteral("depth 0.00000")) + metrics.height();
  const double marginY = 3 * metrics.height();
  const QRectF inner = area.adjusted(marginX / 3, marginY, -marginX, -marginY);
  const double scale = std::max(0.0, std::min(inner.width() / (e.right - e.left), inner.height() / (e.top - e.bottom)));
  const QSizeF drawn((e.right - e.left) * scale, (e.top - e.bottom) * scale);
  const QPointF topLeft = inner.center() - QPointF(drawn.width() / 2, drawn.height() / 2);
  const FaceMap m{scale, topLeft + QPointF(0, e.top * scale), e.left};

  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(QColor(215, 215, 215));
  painter.drawRect(QRectF(m.at(e.left, e.top), m.at(e.right, s.depth + s.gap)).normalized());
  painter.setBrush(QColor(185, 185, 185));
  painter.drawPath(groovedFlange(m, e, s));
  painter.setBrush(kNominalSealColour);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(ringCircle(m, s.nominal));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 0, Qt::DashLine));
  for (const FaceSection::Ring& ring : {s.mmc, s.lmc}) painter.drawEllipse(ringCircle(m, ring));
  painter.setPen(QPen(Qt::black, 0));
  drawAnnotations(painter, m, e, s);
  painter.restore();
}

FaceDrawing::FaceDrawing(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("faceDrawing"));
  setMinimumSize(320, 230);
}

void FaceDrawing::setSection(const std::optional<FaceSection>& section) {
  section_ = section;
  update();
}

void FaceDrawing::paintEvent(QPaintEvent*) {
  if (!section_) return;
  QPainter painter(this);
  paintFaceSection(painter, rect(), *section_);
}

}  // namespace glandwise

#include "widgets/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace glandwise {
namespace {

const QColor kRubber(0x1e, 0x1e, 0x1e);
const QColor kCentreLine(0x1f, 0x4e, 0x9a);

QImage transparentImage(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// One cut cord of the ring: a disc in rubber black with the white 45° hatching of a section.
void drawCutCord(QPainter& painter, QPointF centre, qreal radius) {
  QPainterPath disc;
  disc.addEllipse(centre, radius, radius);
  painter.fillPath(disc, kRubber);
  painter.save();
  painter.setClipPath(disc);
  painter.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
  for (qreal offset = -2 * radius; offset <= 2 * radius; offset += 4.0)
    painter.drawLine(QPointF(centre.x() + offset - radius, centre.y() + radius),
                     QPointF(centre.x() + offset + radius, centre.y() - radius));
  painter.restore();
}

}  // namespace

QImage logoImage() {
  QImage image = transparentImage(kLogoWidth, kLogoHeight);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  const qreal radius = 15.5;
  const qreal middle = kLogoHeight / 2.0;
  const QPointF left(radius + 1.5, middle);
  const QPointF right(kLogoWidth - radius - 1.5, middle);

  // The far half of the ring, seen between the cuts: a round cord shaded from its edges.
  const QRectF farHalf(QPointF(left.x(), middle - radius), QPointF(right.x(), middle + radius));
  QLinearGradient cord(farHalf.topLeft(), farHalf.bottomLeft());
  cord.setColorAt(0.0, QColor(0x3a, 0x3a, 0x3a));
  cord.setColorAt(0.35, QColor(0x9a, 0x9a, 0x9a));
  cord.setColorAt(1.0, QColor(0x2a, 0x2a, 0x2a));
  painter.fillRect(farHalf, cord);
  painter.setPen(QPen(kRubber, 1.5));
  painter.drawLine(farHalf.topLeft(), farHalf.topRight());
  painter.drawLine(farHalf.bottomLeft(), farHalf.bottomRight());

  drawCutCord(painter, left, radius);
  drawCutCord(painter, right, radius);

  // The ring's axis as a chain line.
  QPen chain(kCentreLine, 1.0);
  chain.setDashPattern({6.0, 2.0, 1.5, 2.0});
  painter.setPen(chain);
  painter.drawLine(QPointF(kLogoWidth / 2.0, 0.0), QPointF(kLogoWidth / 2.0, kLogoHeight));
  return image;
}

QImage warningSignImage() {
  QImage image = transparentImage(kWarningSignSize, kWarningSignSize);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  QPainterPath triangle;
  triangle.moveTo(16.0, 2.5);
  triangle.lineTo(30.0, 28.5);
  triangle.lineTo(2.0, 28.5);
  triangle.closeSubpath();
  painter.setPen(QPen(Qt::black, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(QColor(0xff, 0xd2, 0x00));
  painter.drawPath(triangle);

  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  QPainterPath bar;
  bar.moveTo(14.3, 10.0);
  bar.lineTo(17.7, 10.0);
  bar.lineTo(16.8, 20.5);
  bar.lineTo(15.2, 20.5);
  bar.closeSubpath();
  painter.drawPath(bar);
  painter.drawEllipse(QPointF(16.0, 24.2), 1.8, 1.8);
  return image;
}

QImage appIconImage(int size) {
  QImage image = transparentImage(size, size);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 64.0, size / 64.0);  // drawn on a 64-unit grid

  QLinearGradient tile(0, 0, 0, 64);
  tile.setColorAt(0.0, QColor(0x6f, 0x9c, 0xc9));
  tile.setColorAt(1.0, QColor(0x2f, 0x5f, 0x91));
  painter.setPen(Qt::NoPen);
  painter.setBrush(tile);
  painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

  // The ring: a radial gradient across the cord gives it its round section.
  QPainterPath ring;
  ring.addEllipse(QPointF(32, 32), 24, 24);
  ring.addEllipse(QPointF(32, 32), 13, 13);
  QRadialGradient cord(QPointF(32, 32), 24);
  cord.setColorAt(13.0 / 24, QColor(0x10, 0x10, 0x10));
  cord.setColorAt(17.0 / 24, QColor(0x5a, 0x5a, 0x5a));
  cord.setColorAt(1.0, QColor(0x10, 0x10, 0x10));
  painter.fillPath(ring, cord);
  return image;
}

}  // namespace glandwise

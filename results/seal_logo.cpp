#include "seal_logo.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "screen.h"

namespace glandwise {

void SealLogo::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal h = height();

  // The gland: a groove cut into a part, open towards the mating surface at the top.
  const qreal wall = h * 0.14;
  const QRectF groove(wall, h * 0.22, h * 0.92, h * 0.78 - wall);
  QPainterPath part;
  part.addRect(QRectF(0, h * 0.22, groove.right() + wall, h * 0.78));
  QPainterPath cut;
  cut.addRect(groove);
  painter.fillPath(part.subtracted(cut), QColor(0x9a, 0xa4, 0xae));
  painter.setPen(QPen(QColor(0x3c, 0x46, 0x50), 1.0));
  painter.drawLine(QPointF(0, h * 0.12), QPointF(groove.right() + wall, h * 0.12));  // mating surface

  // The seal's cross-section, squeezed between groove bottom and mating surface.
  const QRectF seal(groove.left() + 1, h * 0.12, groove.width() - 2, groove.bottom() - h * 0.12);
  QRadialGradient rubber(seal.center() - QPointF(seal.width() * 0.2, seal.height() * 0.2), seal.width() * 0.7);
  rubber.setColorAt(0.0, QColor(0x5a, 0x5a, 0x5a));
  rubber.setColorAt(1.0, QColor(0x0c, 0x0c, 0x0c));
  painter.setPen(Qt::NoPen);
  painter.setBrush(rubber);
  painter.drawEllipse(seal);

  QFont name = timesFont(18, true);
  name.setItalic(true);
  painter.setFont(name);
  painter.setPen(QColor(0x1f, 0x3a, 0x5f));
  const QRectF textArea(groove.right() + wall + h * 0.25, 0, width() - groove.right() - wall - h * 0.25, h);
  painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Glandwise"));
}

}  // namespace glandwise

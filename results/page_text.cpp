#include "results/page_text.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace glandwise {

QRectF scaleToPageUnits(QPainter& painter, QPagedPaintDevice& device, int resolution) {
  painter.save();
  const QRect printable = device.pageLayout().paintRectPixels(resolution);
  const double scale = resolution / kPageUnitsPerInch;
  painter.scale(scale, scale);
  return QRectF(0, 0, printable.width() / scale, printable.height() / scale);
}

QFont pageFont(const QFont& base, int size, bool bold) {
  QFont font = base;
  font.setPixelSize(size);
  font.setBold(bold);
  return font;
}

double drawParagraph(QPainter& p, const QRectF& box, const QString& text, int flags) {
  const QRectF used = p.boundingRect(box, flags | Qt::AlignTop | Qt::TextWordWrap, text);
  p.drawText(box, flags | Qt::AlignTop | Qt::TextWordWrap, text);
  return used.height();
}

}  // namespace glandwise

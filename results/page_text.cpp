#include "results/page_text.h"

#include <QPainter>

namespace glandwise {

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

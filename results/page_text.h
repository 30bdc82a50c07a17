#pragma once
// Text on the printed pages: the page font at a size, and word-wrapped paragraphs.

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace glandwise {

// `base` at `size` pixels (units of 1/96 inch on the pages), bold or not.
QFont pageFont(const QFont& base, int size, bool bold);

// Draws word-wrapped `text` at the top of `box`; returns the height it took.
double drawParagraph(QPainter& p, const QRectF& box, const QString& text, int flags = Qt::AlignLeft);

}  // namespace glandwise

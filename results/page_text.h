#pragma once
// The printed pages' units and text: the page scaled to units of 1/96 inch, the page font at
// a size, and word-wrapped paragraphs.

#include <QFont>
#include <QRectF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace glandwise {

// The page's units: 1/96 inch, as the screen's pixels.
inline constexpr double kPageUnitsPerInch = 96;

// Scales `painter`, active on `device` of `resolution` dots per inch, to page units (after
// saving its state, which the caller restores) and returns the printable area in them.
QRectF scaleToPageUnits(QPainter& painter, QPagedPaintDevice& device, int resolution);

// `base` at `size` pixels (units of 1/96 inch on the pages), bold or not.
QFont pageFont(const QFont& base, int size, bool bold);

// Draws word-wrapped `text` at the top of `box`; returns the height it took.
double drawParagraph(QPainter& p, const QRectF& box, const QString& text, int flags = Qt::AlignLeft);

}  // namespace glandwise

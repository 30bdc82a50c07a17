#pragma once
// Drawings on a Qt paint device: the screen, the printed page and SVG files.

#include <QByteArray>
#include <QColor>
#include <QRectF>
#include <QTransform>

#include "drawing/drawing.h"

class QPainter;

namespace glandwise {

// The colours of the ring: filled at nominal, its MMC and LMC outlines (found by tests).
inline const QColor kNominalSealColour{30, 90, 200};
inline const QColor kMmcColour{150, 80, 0};
inline const QColor kLmcColour{110, 40, 140};

// Maps a drawing of `extent` (inch, y up) into `area`: to scale, as large as fits, centred.
// Its m11() is the scale, in the area's units per inch.
QTransform drawingPlacement(const QRectF& area, const drawing::Box& extent);

// Paints `drawing` placed by `placement` (inch to the painter's coordinates), one layer
// after another: the parts filled grey with their outlines, the ring at nominal filled,
// its MMC and LMC outlines dashed, then the dimensions and texts. Lines and texts have
// their sizes in inch, so they grow and shrink with the drawing.
void paintDrawing(QPainter& painter, const drawing::Drawing& drawing, const QTransform& placement);

// The drawing as an SVG document at its true size: the viewBox in inch (one unit an inch,
// y down), each layer a group named after it (id "part", "ring", "ring_mmc", "ring_lmc",
// "dimensions", "text"), the texts as text. Empty for an empty drawing.
QByteArray drawingSvg(const drawing::Drawing& drawing);

}  // namespace glandwise

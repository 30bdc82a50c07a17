#pragma once
// Glandwise's own pictures, drawn with QPainter: the title screen's logo, the message
// dialog's warning sign and the program icon. Drawn into QImages so that they need no
// window system (the icon is also rendered at build time).

#include <QImage>

namespace glandwise {

// Logo size on the title screen, pixels.
inline constexpr int kLogoWidth = 163;
inline constexpr int kLogoHeight = 35;
// Warning sign size in the message dialog, pixels.
inline constexpr int kWarningSignSize = 32;

// An o-ring drawn in half section: the two cut cords, hatched, joined by the outline of the
// ring's far half, with the ring's axis as a chain line. kLogoWidth × kLogoHeight, transparent.
QImage logoImage();

// A yellow warning triangle with a black exclamation mark, kWarningSignSize square.
QImage warningSignImage();

// The program icon, `size` pixels square: an o-ring on a rounded steel-blue tile.
QImage appIconImage(int size);

}  // namespace glandwise

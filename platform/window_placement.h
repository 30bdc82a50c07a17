#pragma once
// Where the program's windows open: each new screen where the one before it stood, and
// each dialog over the window that raised it.

class QRect;
class QSize;
class QWidget;

namespace glandwise {

// How a dialog lies over the window that raised it.
enum class DialogPlace {
  Centred,        // centred over the window: a help text
  ClearOfWindow,  // centred across it, but just below it (or else above it), so that it does
                  // not hide the boxes its message is about; centred over it when neither fits
};

// Moves `dialog` (its size already final) over `owner` as `place` asks, kept within the
// available area of the owner's screen. Without an owner the dialog stays where it is.
void placeDialog(QWidget& dialog, const QWidget* owner, DialogPlace place);

// Puts the window `next` where `previous` stands: the same top-left corner of the frame,
// moved only as far as needed to keep it on the available area of that screen.
void placeLike(QWidget& next, const QWidget& previous);

// Opens `window` beside `owner` on the owner's screen, at the width and height of its size
// hint: to the right of the owner, else to its left, where it fits whole. Where it fits on
// neither side it stands in the wider room left or right of `keepClear` (a part of the owner
// that must stay in view, such as its buttons, in global coordinates), narrowed to that room
// and as tall as the screen allows, when that room is at least the window's minimum width;
// else over the owner.
void placeBeside(QWidget& window, const QWidget& owner, const QRect& keepClear);

// The size of the area (of the screen under `window`) that a window's client area may
// fill, its frame left out.
QSize availableClientSize(const QWidget& window);

}  // namespace glandwise

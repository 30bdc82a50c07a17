#include "platform/window_placement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace glandwise {
namespace {

// The available area of the screen that shows the middle of `window`.
QRect availableArea(const QWidget& window) {
  const QScreen* screen = window.screen();
  return screen ? screen->availableGeometry() : QRect();
}

// The frame's extra width and height around the client area; nothing before the window
// manager has framed the window.
QSize frameExtra(const QWidget& window) { return window.frameGeometry().size() - window.size(); }

// `frame` moved the least distance that keeps it within `area` (its top left when it is
// larger).
QPoint keptWithin(const QRect& frame, const QRect& area) {
  if (area.isEmpty()) return frame.topLeft();
  const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
  const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
  return {x, y};
}

}  // namespace

void placeDialog(QWidget& dialog, const QWidget* owner, DialogPlace place) {
  if (!owner) return;
  const QRect over = owner->frameGeometry();
  const QRect area = availableArea(*owner);
  QRect frame(QPoint(), dialog.size() + frameExtra(*owner));
  frame.moveCenter(over.center());
  if (place == DialogPlace::ClearOfWindow) {
    QRect below = frame, above = frame;
    below.moveTop(over.bottom() + 1);
    above.moveBottom(over.top() - 1);
    if (area.contains(below)) frame = below;
    else if (area.contains(above)) frame = above;
  }
  QPoint corner = keptWithin(frame, area);
  // A window already made but not yet framed takes a move for one of its client area: leave
  // room for the frame it is about to get, taken to be its owner's.
  if (dialog.testAttribute(Qt::WA_WState_Created) && frameExtra(dialog).isNull())
    corner += owner->geometry().topLeft() - owner->pos();
  dialog.move(corner);
}

void placeLike(QWidget& next, const QWidget& previous) {
  const QRect frame(previous.pos(), next.size() + frameExtra(previous));
  next.move(keptWithin(frame, availableArea(previous)));
}

QSize availableClientSize(const QWidget& window) { return availableArea(window).size() - frameExtra(window); }

}  // namespace glandwise

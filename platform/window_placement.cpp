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

void placeBeside(QWidget& window, const QWidget& owner, const QRect& keepClear) {
  const QRect area = availableArea(owner), over = owner.frameGeometry();
  const QSize extra = frameExtra(owner);
  const QSize preferred = (window.sizeHint() + extra).boundedTo(area.size());
  QRect frame(over.topLeft(), preferred);
  if (area.right() - over.right() >= preferred.width()) {
    frame.moveLeft(over.right() + 1);
  } else if (over.left() - area.left() >= preferred.width()) {
    frame.moveRight(over.left() - 1);
  } else {
    const int leftRoom = keepClear.left() - area.left(), rightRoom = area.right() - keepClear.right();
    const int room = std::min(std::max(leftRoom, rightRoom), preferred.width());
    if (room >= window.minimumWidth() + extra.width()) {
      frame.setWidth(room);
      if (room < preferred.width()) frame.setHeight(area.height());  // narrowed: its rows grow longer
      frame.moveLeft(rightRoom >= leftRoom ? keepClear.right() + 1 : keepClear.left() - room);
    }
  }
  window.resize(frame.size() - extra);
  window.move(keptWithin(frame, area));
}

QSize availableClientSize(const QWidget& window) { return availableArea(window).size() - frameExtra(window); }

}  // namespace glandwise

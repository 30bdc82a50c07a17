#include "widgets/screen.h"

#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace glandwise {

QFont timesFont(double points, bool bold) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

void placeTwips(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

void SelectAllLineEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // A suggestion list closing hands the focus back to a box that the user is typing in.
  if (event->reason() == Qt::PopupFocusReason) return;
  // Select after the default focus handling, which may place the cursor on a mouse click.
  QTimer::singleShot(0, this, &QLineEdit::selectAll);
  selectAll();
}

MainScreen::MainScreen(QWidget* parent) : QWidget(parent) { setWindowTitle(QString::fromUtf8(kWindowCaption)); }

void MainScreen::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit exitRequested();
}

ScrollingScreen::ScrollingScreen(QSize natural, QWidget* parent) : MainScreen(parent), canvas_(new QWidget) {
  canvas_->setObjectName(QStringLiteral("canvas"));
  canvas_->setFixedSize(natural);
  auto* scroller = new QScrollArea;
  scroller->setObjectName(QStringLiteral("scroller"));
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setFocusPolicy(Qt::NoFocus);  // Tab goes from control to control, scrolling to each
  scroller->setWidget(canvas_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroller);
  fitTo(natural);
}

void ScrollingScreen::fitTo(QSize available) {
  const QSize natural = canvas_->size();
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  QSize size = natural.boundedTo(available);
  // A scroll bar for one direction takes room from the other: make room for it.
  if (size.height() < natural.height()) size.setWidth(std::min(natural.width() + bar, available.width()));
  if (size.width() < natural.width()) size.setHeight(std::min(natural.height() + bar, available.height()));
  setMaximumSize(natural + QSize(bar, bar));
  resize(size);
}

}  // namespace glandwise

#include "widgets/screen.h"

#include <QTimer>

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

}  // namespace glandwise

#pragma once
// Building blocks shared by every Glandwise window: the caption, twips, fonts, text boxes
// that select their text on focus, and closing by the window frame.

#include <QCloseEvent>
#include <QFont>
#include <QLineEdit>
#include <QSize>
#include <QWidget>

namespace glandwise {

inline constexpr const char* kWindowCaption = "Glandwise Rev. 2.1a";

// Screen geometry is given in twips; 15 twips make one device-independent pixel, so the
// windows scale with Qt's high-DPI handling.
constexpr int twips(int value) { return value / 15; }

// Times New Roman (its metric twin Liberation Serif on Linux) at `points`, bold or not.
QFont timesFont(double points, bool bold);

// Places `widget` at twip coordinates within its parent's client area.
void placeTwips(QWidget* widget, int left, int top, int width, int height);

// A text box that selects its whole text whenever it gains the focus, so that typing
// replaces the value; not when the focus comes back from its own suggestion list.
class SelectAllLineEdit : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;

 protected:
  void focusInEvent(QFocusEvent* event) override;
};

// Base of every main screen (title, selection, editors, results sheets): an ordinary
// top-level window titled "Glandwise Rev. 2.1a" whose window-frame close asks to end the
// program, as EXIT does, so that no hidden screen is ever left running without a window.
class MainScreen : public QWidget {
  Q_OBJECT
 public:
  explicit MainScreen(QWidget* parent = nullptr);

  // Sizes the window for a screen whose client area may be at most `available`; a screen
  // of fixed size keeps its size.
  virtual void fitTo(QSize /*available*/) {}

 signals:
  // EXIT, or the window frame's close: the program ends at once.
  void exitRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

// A main screen whose controls stand on a canvas of fixed natural size, shown whole when the
// screen holds it and scrolled when it does not.
class ScrollingScreen : public MainScreen {
  Q_OBJECT
 public:
  explicit ScrollingScreen(QSize natural, QWidget* parent = nullptr);

  // The canvas ("canvas" unless renamed), on which the controls stand.
  QWidget* canvas() const { return canvas_; }

  // Sizes the window to show the whole canvas, or as much of it as `available` (the client
  // size the screen allows) holds, with scroll bars for the rest.
  void fitTo(QSize available) override;

 private:
  QWidget* canvas_;
};

}  // namespace glandwise

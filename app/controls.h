#pragma once
// Small factories for the controls of the shell's windows: each control gets its
// objectName, its text, its Times New Roman font and its place in twips in one call.

#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>

namespace glandwise {

// A rectangle in twips: left, top, width, height within the parent's client area.
struct TwipRect {
  int left, top, width, height;
};

// A label; `wrap` breaks long texts into lines within the rectangle.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, TwipRect place,
                  bool wrap = false);

// A push button; Return or Space presses it when it has the focus.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, TwipRect place);

// The font of the shell's buttons and ordinary labels.
QFont controlFont();

}  // namespace glandwise

#pragma once
// Factories for the controls of every screen: each control gets its objectName, its text,
// its font and its place in twips in one call.

#include <string_view>

#include <QAction>
#include <QFont>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QString>

namespace glandwise {

// A rectangle in twips: left, top, width, height within the parent's client area. A
// label of width 0 is made as wide as its text.
struct TwipRect {
  int left, top, width, height;
};

inline constexpr Qt::Alignment kMiddleLeft = Qt::AlignLeft | Qt::AlignVCenter;
inline constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

// UTF-8 text as a QString.
QString toQString(std::string_view utf8);

// A plain-text label; `wrap` breaks long texts into lines within the rectangle.
QLabel* makeLabel(QWidget* parent, std::string_view name, const QString& text, const QFont& font, TwipRect place,
                  Qt::Alignment alignment = kMiddleLeft, bool wrap = false);

// A push button in `font` (a default QFont keeps the platform's button font). Return and
// Enter press it when it has the focus, as Space does.
QPushButton* makeButton(QWidget* parent, std::string_view name, const QString& caption, TwipRect place,
                        const QFont& font);

// Gives the buttons of `window` their Alt mnemonics (Alt+X for EXIT, Alt+B for BACK, ...)
// without changing their captions; each shows its key in its tool tip.
void giveMnemonics(QWidget& window);

// Adds an action with `text` to the right-click menu of `window`, triggered also by
// `shortcut` anywhere in the window.
QAction* addWindowAction(QWidget& window, const QString& text, const QKeySequence& shortcut);

// Enables or disables the actions of `window` that `shortcut` triggers, and so the shortcut.
void enableWindowActions(QWidget& window, const QKeySequence& shortcut, bool enabled);

// The font of the shell's ordinary labels, text boxes and options.
QFont controlFont();
// The font of the shell's buttons.
QFont shellButtonFont();

}  // namespace glandwise

#include "widgets/controls.h"

#include "widgets/screen.h"

namespace glandwise {

QString toQString(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QFont controlFont() { return timesFont(10, false); }

QFont shellButtonFont() { return timesFont(10, true); }

QLabel* makeLabel(QWidget* parent, std::string_view name, const QString& text, const QFont& font, TwipRect place,
                  Qt::Alignment alignment, bool wrap) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(toQString(name));
  label->setFont(font);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(wrap);
  label->setAlignment(alignment);
  placeTwips(label, place.left, place.top, place.width, place.height);
  if (place.width == 0) label->resize(label->sizeHint().width(), label->height());
  return label;
}

QPushButton* makeButton(QWidget* parent, std::string_view name, const QString& caption, TwipRect place,
                        const QFont& font) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(toQString(name));
  button->setFont(font);
  button->setAutoDefault(true);  // outside dialogs too: Return presses the focused button
  placeTwips(button, place.left, place.top, place.width, place.height);
  return button;
}

namespace {

// A button's mnemonic: the letter of its caption that Alt presses it with.
struct Mnemonic {
  const char* buttonName;
  Qt::Key key;
};

// The same button name has the same caption, and so the same key, on every screen.
constexpr Mnemonic kMnemonics[] = {
    {"cmdOk", Qt::Key_O},    {"cmdExit", Qt::Key_X},  {"cmdBack", Qt::Key_B},  {"cmdHandbook", Qt::Key_H},
    {"cmdPrint", Qt::Key_P}, {"cmdEdit", Qt::Key_E},  {"cmdReview", Qt::Key_D}, {"cmdClose", Qt::Key_C},
    {"cmdFaceSeal", Qt::Key_F},
    {"cmdFind", Qt::Key_S},
};

}  // namespace

void giveMnemonics(QWidget& window) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    for (const Mnemonic& mnemonic : kMnemonics) {
      if (button->objectName() != QLatin1String(mnemonic.buttonName)) continue;
      const QKeySequence keys(Qt::ALT | mnemonic.key);
      button->setShortcut(keys);
      button->setToolTip(keys.toString(QKeySequence::NativeText));
    }
  }
}

QAction* addWindowAction(QWidget& window, const QString& text, const QKeySequence& shortcut) {
  auto* action = new QAction(text, &window);
  action->setShortcut(shortcut);
  window.addAction(action);
  window.setContextMenuPolicy(Qt::ActionsContextMenu);
  return action;
}

void enableWindowActions(QWidget& window, const QKeySequence& shortcut, bool enabled) {
  for (QAction* action : window.actions())
    if (action->shortcut() == shortcut) action->setEnabled(enabled);
}

}  // namespace glandwise

#include "controls.h"

#include "screen.h"

namespace glandwise {

QFont controlFont() { return timesFont(10, false); }

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, TwipRect place,
                  bool wrap) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(wrap);
  label->setAlignment(wrap ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignLeft | Qt::AlignVCenter);
  placeTwips(label, place.left, place.top, place.width, place.height);
  return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, TwipRect place) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFont(timesFont(10, true));
  button->setAutoDefault(true);  // Return presses the focused button, as Space does
  placeTwips(button, place.left, place.top, place.width, place.height);
  return button;
}

}  // namespace glandwise

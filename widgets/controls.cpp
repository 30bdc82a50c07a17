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
                        const QFont& font, bool returnPresses) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(toQString(name));
  button->setFont(font);
  button->setAutoDefault(returnPresses);
  placeTwips(button, place.left, place.top, place.width, place.height);
  return button;
}

}  // namespace glandwise

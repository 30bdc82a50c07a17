#include "gland_editor.h"

#include <QPushButton>

namespace glandwise {

GlandEditor::GlandEditor(GlandRecord& record, const GlandSide& side, const Platform& platform, QWidget* parent)
    : MainScreen(parent), record_(record), side_(side), platform_(platform) {
  auto* exit = new QPushButton(QStringLiteral("EXIT"), this);
  exit->setObjectName(QStringLiteral("cmdExit"));
  connect(exit, &QPushButton::clicked, this, &MainScreen::exitRequested);
}

const GlandSide& GlandEditor::side() const { return side_; }

}  // namespace glandwise

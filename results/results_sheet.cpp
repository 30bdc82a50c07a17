#include "results_sheet.h"

#include <QPushButton>

namespace glandwise {

ResultsSheet::ResultsSheet(GlandRecord& record, const GlandSide& side, QWidget* parent)
    : MainScreen(parent), side_(side) {
  (void)record;
  auto* exit = new QPushButton(QStringLiteral("EXIT"), this);
  exit->setObjectName(QStringLiteral("cmdExit"));
  connect(exit, &QPushButton::clicked, this, &MainScreen::exitRequested);
}

const GlandSide& ResultsSheet::side() const { return side_; }

}  // namespace glandwise

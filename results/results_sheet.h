#pragma once
// The results sheet screen: frmResultsMale and frmResultsFemale as one widget over the
// table of what differs between them.

#include <QString>
#include <vector>

#include "model/gland_side.h"
#include "model/record.h"
#include "widgets/screen.h"

class QLabel;

namespace glandwise {

// The one-page results sheet of one gland kind. Constructing it is loading it: the fill
// sequence of the core rounds and shows every value, and the date label takes today's
// date in the user's short date form. The screen flow controller reacts to the signals.
class ResultsSheet : public MainScreen {
  Q_OBJECT
 public:
  ResultsSheet(GlandRecord& record, const GlandSide& side, QWidget* parent = nullptr);

  const GlandSide& side() const;

  // The white page that holds everything of the sheet but its buttons.
  QWidget* reportPage() const;

 signals:
  void editRequested();
  void eccentricityHelpRequested();  // cmdH1
  void frictionHelpRequested();      // cmdH2
  void printRequested();
  void handbookRequested();
  void reviewRequested();  // DESIGN REVIEW

 private:
  void buildTitleBlock();
  void buildHeader();
  void buildTable();
  void buildButtons();
  // The load step: the fill sequence rounds and shows every value, then today's date.
  void load(GlandRecord& record);

  const GlandSide& side_;  // which gland kind this sheet shows
  QWidget* page_;          // everything but the buttons, on a white page
  std::vector<QLabel*> values_;  // the value labels, indexed as sheetFields(side_)
  QLabel* date_ = nullptr;       // lblDate
};

}  // namespace glandwise

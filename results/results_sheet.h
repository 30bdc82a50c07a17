#pragma once
// The results sheet screen: frmResultsMale and frmResultsFemale as one widget over the
// table of what differs between them.

#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

#include "model/gland_side.h"
#include "model/record.h"
#include "widgets/screen.h"

class QLabel;

namespace glandwise {

// The one-page results sheet of one gland kind. Constructing it is loading it: the fill
// sequence of the core rounds and shows every value, and the date label takes today's
// date in the user's short date form. The screen flow controller reacts to the signals.
class ResultsSheet : public ScrollingScreen {
  Q_OBJECT
 public:
  ResultsSheet(GlandRecord& record, const GlandSide& side, QWidget* parent = nullptr);

  const GlandSide& side() const;

  // The sheet at its natural size, buttons included (the canvas, "sheet"): what PRINT REPORT
  // prints once the buttons are hidden. The window shows it whole, or scrolls it on a
  // smaller screen.
  QWidget& sheetArea() const { return *canvas_; }

  // The sheet as plain text for a spreadsheet, values exactly as shown: the title lines, the
  // header lines as tab-separated cells (caption, value, unit, tolerance, note) under their
  // headings, then the results table's rows under its headings.
  QString plainText() const;
  // Ctrl+C or "Copy results": puts plainText() on the clipboard.
  void copyResults() const;

 signals:
  void editRequested();
  void eccentricityHelpRequested();  // cmdH1
  void frictionHelpRequested();      // cmdH2
  void printRequested();
  void handbookRequested();
  void reviewRequested();  // DESIGN REVIEW
  void saveRequested();    // Ctrl+S or "Save gland…"

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void buildTitleBlock();
  void buildHeader();
  void buildTable();
  void buildButtons();
  // The load step: the fill sequence rounds and shows every value, then today's date.
  void load(GlandRecord& record);

  const GlandSide& side_;  // which gland kind this sheet shows
  QWidget* canvas_;        // the whole sheet at its natural size: the screen's canvas
  QWidget* page_;          // everything but the buttons, on a white page
  std::vector<QLabel*> values_;  // the value labels, indexed as sheetFields(side_)
  QStringList headerCells_;      // each header line's value cells, tab-separated, as loaded
  QLabel* date_ = nullptr;       // lblDate
};

}  // namespace glandwise

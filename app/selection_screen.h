#pragma once
// frmFirst: the gland selection screen.

#include <QString>

#include "model/gland_side.h"
#include "app/handbook.h"
#include "model/record.h"
#include "widgets/screen.h"
#include "model/selection.h"

class QLabel;
class QLineEdit;

namespace glandwise {

// The screen on which every analysis starts: five cross-section options, two gland-type
// options, the seal inside diameter, the rod or housing diameter and the pressure, the
// handbook button with its path box, OK and EXIT. A thin view over the selection logic of
// the core: option clicks and OK read the widgets into one SelectionEntries, let the core
// decide, and show the entries back. Constructing it is loading it: the path box shows the
// stored handbook path.
class SelectionScreen : public MainScreen {
  Q_OBJECT
 public:
  SelectionScreen(GlandRecord& record, HandbookLauncher& handbook, QWidget* parent = nullptr);

 signals:
  // OK passed every check and generated the standard gland of `kind`: hand over to its editor.
  void accepted(GlandKind kind);
  // OK refused the input and left its message in the record's ErrorText: beep when
  // asked, then show the message dialog.
  void refused(bool beep);

 private:
  // One row of label, text box and unit label.
  struct EntryRow {
    QLabel* caption;
    QLineEdit* box;
    QLabel* unit;
    void setEnabled(bool enabled) const;
  };

  EntryRow addEntryRow(const char* captionName, const char* boxName, const char* unitName, const QString& caption,
                       const QString& unit, int top);
  void buildCrossSectionGroup();
  void buildGlandTypeGroup();
  void buildRightColumn();
  void setFocusOrder();

  void chooseCrossSection(int index);
  void chooseGlandType(GlandKind kind);
  void pressOk();
  void pressHandbook();
  void readBoxes();
  void showEntries();

  GlandRecord& record_;
  HandbookLauncher& handbook_;
  HandbookDialogMemory handbookDialog_;  // this screen's file-open dialog: the file chosen last
  SelectionEntries entries_;  // the options chosen and the four boxes' texts, as the core sees them
  EntryRow sealInsideDia_;    // lblID, txtID, lblIDUnit
  EntryRow rodDia_;           // lblPDF, txtPDF, lblPDFUnit (groove in the housing)
  EntryRow housingDia_;       // lblBDM, txtBDM, lblBDMUnit (groove in the rod)
  EntryRow pressure_;         // lblPR, txtPR, lblPRUnit
  QLineEdit* handbookPath_ = nullptr;  // Text1: the handbook document's path
};

}  // namespace glandwise

#pragma once
// frmFirst: the gland selection screen.

#include <QString>

#include "model/gland_side.h"
#include "app/handbook.h"
#include "model/record.h"
#include "widgets/screen.h"
#include "model/as568.h"
#include "model/selection.h"

class QLabel;
class QLineEdit;

namespace glandwise {

// The screen on which every analysis starts: five cross-section options, two gland-type
// options, the seal inside diameter, the rod or housing diameter and the pressure, the
// handbook button with its path box, an AS568 size box, OK and EXIT. A thin view over the
// selection logic of the core: option clicks, a chosen AS568 size and OK read the widgets
// into one SelectionEntries, let the core decide, and show the entries back. Constructing
// it is loading it: the path box shows the stored handbook path.
class SelectionScreen : public MainScreen {
  Q_OBJECT
 public:
  // `as568` supplies the sizes of the AS568 box (a table that could not be read refuses them).
  SelectionScreen(GlandRecord& record, HandbookLauncher& handbook, const As568Load& as568,
                  QWidget* parent = nullptr);

  // The options and texts as the last OK read them.
  const SelectionEntries& entries() const { return entries_; }

  // Enters a saved gland on the screen as a person would, from the screen's initial state,
  // and presses OK. A gland that OK would refuse changes nothing and returns the refusal,
  // with its text, without showing it.
  OkResult replay(const GlandInput& input);

 signals:
  // OK passed every check and generated the standard gland of `kind`: hand over to its editor.
  void accepted(GlandKind kind);
  // OK refused the input and left its message in the record's ErrorText: beep when
  // asked, then show the message dialog.
  void refused(bool beep);
  // Ctrl+O or "Open gland…": the user wants to open a saved gland.
  void openRequested();
  // FIND A SEAL…: the user wants the sizes that fit the hardware ranked.
  void findRequested();
  // A file was dropped on the screen.
  void fileDropped(const QString& path);
  // FACE SEAL…: the user wants the face seal designer.
  void faceSealRequested();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // Return or Enter in a box or on an option presses OK; in the AS568 box it enters the size.
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

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
  void buildAs568Box();
  void setFocusOrder();

  void chooseCrossSection(int index);
  void chooseGlandType(GlandKind kind);
  void pressOk();
  void pressHandbook();
  // The AS568 box's text was entered: chooses that size through the core, as a person
  // would choose its cross-section and type its inside diameter, and shows its dimensions
  // beside the box; or has it refused and chooses nothing. The box keeps the text typed.
  void chooseAs568();
  void readBoxes();
  void showEntries();
  const As568Table* as568Table() const { return as568_.table ? &*as568_.table : nullptr; }

  GlandRecord& record_;
  HandbookLauncher& handbook_;
  HandbookDialogMemory handbookDialog_;  // this screen's file-open dialog: the file chosen last
  SelectionEntries entries_;  // the options chosen and the four boxes' texts, as the core sees them
  EntryRow sealInsideDia_;    // lblID, txtID, lblIDUnit
  EntryRow rodDia_;           // lblPDF, txtPDF, lblPDFUnit (groove in the housing)
  EntryRow housingDia_;       // lblBDM, txtBDM, lblBDMUnit (groove in the rod)
  EntryRow pressure_;         // lblPR, txtPR, lblPRUnit
  QLineEdit* handbookPath_ = nullptr;  // Text1: the handbook document's path
  const As568Load& as568_;            // the AS568 sizes, or why they could not be read
  QLineEdit* as568Box_ = nullptr;      // txtAS568: an AS568 dash number
  QLabel* as568Size_ = nullptr;        // lblAS568Size: the chosen size's dimensions, or nothing
  QString as568Chosen_;                // the AS568 box's text when it was last acted on
};

}  // namespace glandwise

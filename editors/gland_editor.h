#pragma once
// The gland editor screen: frmGrooveInMale and frmGrooveInFemale as one widget over the
// table of what differs between them.

#include <QLineEdit>
#include <QString>
#include <array>
#include <vector>

#include "model/editor.h"
#include "model/gland_input.h"
#include "model/gland_side.h"
#include "platform/platform.h"
#include "model/record.h"
#include "widgets/screen.h"

class QLabel;

namespace glandwise {

struct ValueLabel;

// The editor of one gland kind. Constructing it is loading it: the nine boxes and the
// three value labels are filled from the record. On a screen smaller than the editor it
// scrolls. OK runs the editor's OK action of the
// core (validation, stretch and squeeze questions as message boxes, analysis); the
// screen flow controller reacts to the signals.
class GlandEditor : public ScrollingScreen {
  Q_OBJECT
 public:
  GlandEditor(GlandRecord& record, const GlandSide& side, const Platform& platform, QWidget* parent = nullptr);

  const GlandSide& side() const;

  // The texts of the nine boxes as they stand, by EditorBox.
  EditorTexts texts() const;
  // Types each edit's text over its box, as a person would; OK is left to the user.
  void typeEdits(const std::vector<EditorEdit>& edits);

 signals:
  // OK went through every check and the analysis: hide the editor, load the sheet.
  void analysed();
  // OK refused the input and left its message in the record's ErrorText: beep when
  // asked, then show the message dialog.
  void refused(bool beep);
  void backRequested();
  void handbookRequested();
  void saveRequested();  // Ctrl+S or "Save gland…"

 private:
  void buildRows();
  QLineEdit* addBox(EditorBox box, int left, int top);
  void addValueLabel(const ValueLabel& value, int left, int top);
  void buildButtons();
  // The load step: the nine boxes and the three value labels from the record.
  void load();
  // The OK action: the core's validation, questions and analysis over the nine boxes.
  void confirm();

  GlandRecord& record_;    // the run's one record, owned by the screen flow
  const GlandSide& side_;  // which gland kind this editor edits
  Platform platform_;      // message boxes and beep for the questions and notices
  std::array<QLineEdit*, kEditorBoxCount> boxes_{};  // the nine text boxes, by EditorBox
  std::array<QLabel*, 3> values_{};  // the value labels: cross-section, groove width, its tolerance
};

}  // namespace glandwise

#pragma once
// The gland editor screen: frmGrooveInMale and frmGrooveInFemale as one widget over the
// table of what differs between them.

#include <QString>

#include "gland_side.h"
#include "platform.h"
#include "record.h"
#include "screen.h"

namespace glandwise {

// The editor of one gland kind. Constructing it is loading it: the nine boxes and the
// three value labels are filled from the record. OK runs the editor's OK action of the
// core (validation, stretch and squeeze questions as message boxes, analysis); the
// screen flow controller reacts to the signals.
class GlandEditor : public MainScreen {
  Q_OBJECT
 public:
  GlandEditor(GlandRecord& record, const GlandSide& side, const Platform& platform, QWidget* parent = nullptr);

  const GlandSide& side() const;

 signals:
  // OK went through every check and the analysis: hide the editor, load the sheet.
  void analysed();
  // OK refused the input: beep when asked, then show `message` in the message dialog.
  void refused(const QString& message, bool beep);
  void backRequested();
  void handbookRequested();

 private:
  GlandRecord& record_;
  const GlandSide& side_;
  Platform platform_;
};

}  // namespace glandwise

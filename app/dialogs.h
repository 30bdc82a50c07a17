#pragma once
// The system's own small windows: the message dialog frmError and the information
// dialogs frmEccInfo and frmFrictionInfo.

#include <QWidget>

#include "model/record.h"

class QLabel;

namespace glandwise {

// Base of the small windows: an ordinary, non-blocking window titled "Glandwise Rev. 2.1a".
// Its own button, its window frame's close and the Escape key all dismiss it; the screen
// flow then unloads it.
class SystemDialog : public QWidget {
  Q_OBJECT
 public:
  explicit SystemDialog(const char* name);

 signals:
  // The dialog has done its closing step and asks to be unloaded.
  void dismissed();

 protected:
  // The closing step of this dialog, then the request to unload it.
  virtual void dismiss();
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// frmError: a warning sign, the message centred beside it, and OK. Constructing it is
// loading it: the message shown is the record's ErrorText. OK (or the window frame)
// sets ErrorText to "ERROR" and dismisses the dialog.
class MessageDialog : public SystemDialog {
  Q_OBJECT
 public:
  explicit MessageDialog(GlandRecord& record);

  // Shows the record's ErrorText: at load, and again when a newer message replaces the
  // one on display.
  void showErrorText();

 protected:
  void dismiss() override;

 private:
  GlandRecord& record_;
  QLabel* message_;  // lblError
};

// What differs between the two information dialogs.
struct InfoTexts {
  const char* dialogName;   // frmEccInfo, frmFrictionInfo
  const char* headingName;  // objectName of the bold heading
  const char* heading;
  const char* bodyName;     // objectName of the text under the heading
  const char* body;
  int widthTwips;           // width of the window's client area
};

extern const InfoTexts kEccentricityInfo;  // frmEccInfo, opened by cmdH1
extern const InfoTexts kFrictionInfo;      // frmFrictionInfo, opened by cmdH2

// An information dialog: a heading, a fixed explanation and Close. Nothing in it changes
// after it opens.
class InfoDialog : public SystemDialog {
  Q_OBJECT
 public:
  explicit InfoDialog(const InfoTexts& texts);
};

}  // namespace glandwise

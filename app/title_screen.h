#pragma once
// frmTitle: the first window of every run.

#include "widgets/screen.h"

namespace glandwise {

// The title screen: the program's name and revision, its logo, what it does, the
// disclaimer and the publisher notice, with OK (go on to the gland selection) and EXIT.
// It has no load step of its own; the screen flow unloads it for good after OK.
class TitleScreen : public MainScreen {
  Q_OBJECT
 public:
  explicit TitleScreen(QWidget* parent = nullptr);

 signals:
  // cmdOk: the user accepts the disclaimer and goes on.
  void okRequested();
};

// The texts of the title screen that carry the publisher's words.
extern const char* const kProgramDescription;  // Label2
extern const char* const kDisclaimer;          // Label5
extern const char* const kPublisherNotice;     // Label6

}  // namespace glandwise

#pragma once
// The handbook launcher: the O-RING HANDBOOK buttons of every screen after the title.

#include <string>

#include "platform/platform.h"
#include "model/record.h"

namespace glandwise {

// What one screen's file-open dialog remembers: the file name chosen last in it, for as
// long as its screen stays loaded. Each screen with a handbook button owns one.
struct HandbookDialogMemory {
  std::string fileName;  // full path, empty until a file has been chosen on this screen
};

// Opens the document `fileName` with the desktop's associated program; true when the
// desktop took the request.
bool StartDoc(DocumentOpener& opener, const std::string& fileName);

// The logic behind the handbook buttons, over the settings store, the file-open dialog and
// the document opener. The selection screen keeps the path in the per-user setting; the
// editors and results sheets use the path of the current run (the record's SelectedFile)
// and ask for a document when none is known. An empty path is never sent to the opener,
// and a document that cannot be opened is reported in a notice naming the file.
class HandbookLauncher {
 public:
  HandbookLauncher(GlandRecord& record, const Platform& platform);

  // Load of the selection screen: reads the stored path (empty when none), makes it the
  // run's SelectedFile and returns it as the text of the screen's path box.
  std::string loadStoredPath();

  // The selection screen's button. `pathBoxText` is the path box's text; returns the text
  // the box shows afterwards. With an empty box it asks for a document, stores the choice
  // (or, after a cancel, the dialog's previous file name) and opens nothing; otherwise it
  // opens SelectedFile.
  std::string pressOnSelectionScreen(const std::string& pathBoxText, HandbookDialogMemory& dialog);

  // The button of an editor or a results sheet: asks for a document when no path is known
  // and opens it at once; otherwise opens SelectedFile. Never writes the setting.
  void pressOnOtherScreen(HandbookDialogMemory& dialog);

 private:
  // Shows the dialog; the memory takes the chosen path and keeps its old one on a cancel.
  void askForDocument(HandbookDialogMemory& dialog);
  void openDocument(const std::string& path);

  GlandRecord& record_;
  Platform platform_;
};

// A path as notices show it: on one line, its line breaks and other control characters
// escaped ("\n"); whole when short, otherwise its start and its end (where the file name
// is) around an ellipsis, so that any notice fits the screen.
std::string shortenedPath(const std::string& path);

// Names of the per-user setting that holds the handbook path.
inline constexpr const char* kSettingsSection = "Config";
inline constexpr const char* kSettingsKey = "SelectedFile";
inline constexpr const char* kHandbookDialogTitle = "Select PDF File";
inline constexpr const char* kHandbookDialogFilter = "PDF Files (*.pdf)";

}  // namespace glandwise

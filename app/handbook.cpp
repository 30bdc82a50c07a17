#include "app/handbook.h"

namespace glandwise {

bool StartDoc(DocumentOpener& opener, const std::string& fileName) {
  return opener.open(fileName);
}

HandbookLauncher::HandbookLauncher(GlandRecord& record, const Platform& platform)
    : record_(record), platform_(platform) {}

std::string HandbookLauncher::loadStoredPath() {
  const std::string stored = platform_.settings.get(kSettingsApplication, kSettingsSection, kSettingsKey, {});
  record_.SelectedFile = stored;
  return stored;
}

std::string HandbookLauncher::pressOnSelectionScreen(const std::string& pathBoxText, HandbookDialogMemory& dialog) {
  if (!pathBoxText.empty()) {
    openDocument(record_.SelectedFile);
    return pathBoxText;
  }
  askForDocument(dialog);
  platform_.settings.save(kSettingsApplication, kSettingsSection, kSettingsKey, dialog.fileName);
  record_.SelectedFile = dialog.fileName;
  return dialog.fileName;
}

void HandbookLauncher::pressOnOtherScreen(HandbookDialogMemory& dialog) {
  if (record_.SelectedFile.empty()) {
    askForDocument(dialog);
    record_.SelectedFile = dialog.fileName;
  }
  openDocument(record_.SelectedFile);
}

void HandbookLauncher::askForDocument(HandbookDialogMemory& dialog) {
  if (auto chosen = platform_.fileDialog.openFile(kHandbookDialogTitle, kHandbookDialogFilter, dialog.fileName))
    dialog.fileName = *chosen;
}

void HandbookLauncher::openDocument(const std::string& path) {
  if (path.empty()) return;
  if (!StartDoc(platform_.documentOpener, path))
    platform_.messageBoxes.notify("The handbook document could not be opened:\n" + path +
                                  "\n\nCheck that the file still exists and that a PDF viewer is installed.");
}

}  // namespace glandwise

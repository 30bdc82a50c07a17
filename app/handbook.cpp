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
    platform_.messageBoxes.notify("The handbook document could not be opened:\n" + shortenedPath(path) +
                                  "\n\nCheck that the file still exists and that a PDF viewer is installed.");
}

std::string shortenedPath(const std::string& path) {
  constexpr std::size_t kHead = 40, kTail = 80;  // bytes kept before and after the cut
  if (path.size() <= kHead + kTail + 3) return path;
  // Cut only between characters: a UTF-8 continuation byte never starts a kept part.
  const auto boundary = [&](std::size_t at) {
    while (at > 0 && (static_cast<unsigned char>(path[at]) & 0xC0) == 0x80) --at;
    return at;
  };
  const std::size_t head = boundary(kHead), tail = boundary(path.size() - kTail);
  return path.substr(0, head) + "\u2026" + path.substr(tail);
}

}  // namespace glandwise

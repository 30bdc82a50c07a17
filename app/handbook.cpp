#include "app/handbook.h"

#include <string_view>
#include <utility>

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

namespace {

// The escape of the control character or Unicode line break that `text` starts with, and
// how many bytes it stands for; nothing and 0 when `text` starts with anything else.
std::pair<std::string, std::size_t> escapeAt(std::string_view text) {
  static constexpr std::pair<std::string_view, std::string_view> kNamed[] = {
      {"\n", "\\n"}, {"\r", "\\r"}, {"\t", "\\t"}, {"\u0085", "\\u0085"}, {"\u2028", "\\u2028"}, {"\u2029", "\\u2029"}};
  for (const auto& [character, escape] : kNamed)
    if (text.starts_with(character)) return {std::string(escape), character.size()};
  const auto byte = static_cast<unsigned char>(text.front());
  if (byte >= 0x20 && byte != 0x7F) return {{}, 0};
  constexpr char kHex[] = "0123456789abcdef";
  return {std::string{'\\', 'x', kHex[byte >> 4], kHex[byte & 15]}, 1};
}

// `path` on one line, each control character and line break escaped ("\n", "\x1b",
// "\u2028"): a path from a hand-edited setting cannot stretch a notice.
std::string oneLine(std::string_view path) {
  std::string line;
  while (!path.empty()) {
    auto [escape, length] = escapeAt(path);
    if (length == 0) line += path[length++];
    else line += escape;
    path.remove_prefix(length);
  }
  return line;
}

}  // namespace

std::string shortenedPath(const std::string& original) {
  constexpr std::size_t kHead = 40, kTail = 80;  // bytes kept before and after the cut
  const std::string path = oneLine(original);
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

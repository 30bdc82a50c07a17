#include "platform/gland_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/replace_file.h"

namespace glandwise {
namespace {

// A gland file is one short line; anything much larger is not one.
constexpr std::size_t kMaxFileBytes = 1 << 20;

ParsedInput problem(std::string text) { return {{}, std::move(text)}; }

std::string systemReason(int error) { return std::string(std::strerror(error)) + "."; }

// Closes a file descriptor, if one was opened, when it goes.
struct OpenFile {
  int descriptor;  // -1 when the file could not be opened
  ~OpenFile() {
    if (descriptor >= 0) ::close(descriptor);
  }
};

// The bytes of the regular file `path`, at most kMaxFileBytes, into `text`; otherwise why not.
// Opened without waiting, so that a FIFO or a device is told, never waited on.
std::string readRegularFile(const std::string& path, std::string& text) {
  const OpenFile file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)};
  if (file.descriptor < 0) return "It cannot be read: " + systemReason(errno);
  struct stat status {};
  if (::fstat(file.descriptor, &status) != 0) return "It cannot be read: " + systemReason(errno);
  if (S_ISDIR(status.st_mode)) return "It is a folder, not a gland file.";
  if (!S_ISREG(status.st_mode)) return "It is not a regular file.";
  text.resize(kMaxFileBytes + 1);
  std::size_t size = 0;
  while (size < text.size()) {
    const ssize_t read = ::read(file.descriptor, text.data() + size, text.size() - size);
    if (read < 0 && errno == EINTR) continue;
    if (read < 0) return "It cannot be read to its end: " + systemReason(errno);
    if (read == 0) break;
    size += static_cast<std::size_t>(read);
  }
  if (size > kMaxFileBytes) return "It is too large to be a gland file (more than 1 MiB).";
  text.resize(size);
  return {};
}

// Whether `text` can be a gland file: text whose first character but blanks (and a
// byte-order mark) opens a JSON object, without control characters but tabs and line ends.
bool looksLikeGlandFile(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos || text[first] != '{') return false;
  return std::none_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7F;
  });
}

}  // namespace

std::string writeGlandFile(const std::string& path, const GlandInput& input) {
  return writeGlandLine(path, inputLine(input));
}

std::string writeGlandLine(const std::string& path, const std::string& line) { return replaceFileAt(path, line + '\n'); }

GlandFileLine readGlandFileLine(const std::string& path) {
  const auto problem = [](std::string text) { return GlandFileLine{{}, std::move(text)}; };
  std::string text;
  if (std::string failure = readRegularFile(path, text); !failure.empty()) return problem(std::move(failure));
  if (text.find_first_not_of(" \t\r\n") == std::string::npos) return problem("It is empty.");
  if (!looksLikeGlandFile(text))
    return problem("It is not a gland file: one line of text holding a JSON object, such as "
                   "{\"gland\": \"rod\", ...}, was expected.");

  std::string_view gland;
  std::size_t start = 0;
  for (std::size_t number = 1; start < text.size(); ++number) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line(text.data() + start, end - start);
    if (!isBlankLine(line)) {
      if (!gland.empty()) return problem("It holds more than one gland: line " + std::to_string(number) + " is another.");
      gland = line;
    }
    start = end + 1;
  }
  return {std::string(gland), {}};
}

std::string unusableGlandLine(const std::string& problem) { return "Its gland cannot be read: " + problem + "."; }

ParsedInput readGlandFile(const std::string& path) {
  const GlandFileLine file = readGlandFileLine(path);
  if (!file.problem.empty()) return problem(file.problem);
  ParsedInput parsed = parseInputLine(file.line);
  if (!parsed.problem.empty()) parsed.problem = unusableGlandLine(parsed.problem);
  return parsed;
}

std::string withGlandFileSuffix(std::string path) {
  if (!path.ends_with(".json")) path += kGlandFileSuffix;
  return path;
}

}  // namespace glandwise

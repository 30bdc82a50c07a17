#include "platform/gland_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/replace_file.h"

namespace glandwise {
namespace {

// A gland file is one short line; anything much larger is not one.
constexpr std::uintmax_t kMaxFileBytes = 1 << 20;

ParsedInput problem(std::string text) { return {{}, std::move(text)}; }

}  // namespace

std::string writeGlandFile(const std::string& path, const GlandInput& input) {
  return writeGlandLine(path, inputLine(input));
}

std::string writeGlandLine(const std::string& path, const std::string& line) {
  const std::filesystem::path file(path);
  const std::string folder = file.has_parent_path() ? file.parent_path().string() : ".";
  return replaceFile(folder, file.filename().string(), line + '\n');
}

GlandFileLine readGlandFileLine(const std::string& path) {
  const auto problem = [](std::string text) { return GlandFileLine{{}, std::move(text)}; };
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return problem("It cannot be read: " + error.message() + ".");
  if (size > kMaxFileBytes) return problem("It is too large to be a gland file (" + std::to_string(size) + " bytes).");
  std::ifstream in(path, std::ios::binary);
  if (!in) return problem(std::string("It cannot be read: ") + std::strerror(errno) + ".");
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return problem("It cannot be read to its end.");

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
  if (gland.empty()) return problem("It is empty.");
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

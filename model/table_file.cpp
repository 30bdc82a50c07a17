#include "model/table_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace glandwise {

std::optional<std::string> readTableFile(const std::filesystem::path& file, std::string_view what,
                                         std::string& error) {
  const std::string cannot = "cannot read " + std::string(what) + " " + file.string() + ": ";
  std::error_code folder;
  if (std::filesystem::is_directory(file, folder)) {
    error = cannot + std::strerror(EISDIR);
    return std::nullopt;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    error = cannot + std::strerror(errno);
    return std::nullopt;
  }
  std::string text(kMaxTableFileBytes + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (in.bad()) error = cannot + "it could not be read to its end";
  else if (text.size() > kMaxTableFileBytes)
    error = cannot + "it is longer than " + std::to_string(kMaxTableFileBytes) + " bytes, which no such table is";
  if (!error.empty()) return std::nullopt;
  return text;
}

}  // namespace glandwise

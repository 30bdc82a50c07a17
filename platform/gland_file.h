#pragma once
// Saved gland files (.gland.json): one line of the batch calculator's input, so that the same
// file reopens in the desktop program and runs through glandwise-calc.

#include <string>

#include "model/gland_input.h"

namespace glandwise {

// The file name ending of saved glands.
inline constexpr const char* kGlandFileSuffix = ".gland.json";

// Writes `input` as the file `path` whole or not at all; never through a link planted at
// `path`. Returns an empty text on success, otherwise what failed, in words.
std::string writeGlandFile(const std::string& path, const GlandInput& input);

// Writes the gland line `line` (without its line feed) as the file `path`, as writeGlandFile.
std::string writeGlandLine(const std::string& path, const std::string& line);

// The one non-blank line of the file `path`, or why the file cannot be used (it cannot be
// read, is not a regular file, is too large, is not a gland file at all, is empty or holds
// more than one gland).
struct GlandFileLine {
  std::string line;
  std::string problem;  // empty when `line` was read
};
GlandFileLine readGlandFileLine(const std::string& path);

// Reads the gland of the file `path`: its one non-blank line. The problem says why the file
// cannot be used (it cannot be read, is not a regular file, is too large, is not a gland
// file at all, holds more than one gland, or its line is not a usable input); empty when the
// input is usable.
ParsedInput readGlandFile(const std::string& path);

// The problem of a gland file whose line cannot be used, as readGlandFile says it.
std::string unusableGlandLine(const std::string& problem);

// `path`, ending in kGlandFileSuffix unless it ends in ".json" already.
std::string withGlandFileSuffix(std::string path);

}  // namespace glandwise

#pragma once
// Where the batch calculator puts the files of each gland that reaches the sheet: its
// printed report and its drawing.

#include <cstddef>
#include <string>
#include <string_view>

#include "cli/calc_session.h"

namespace glandwise::calc {

// What became of one report or drawing.
struct ReportFile {
  std::string path;   // the file written; empty when it could not be written
  std::string error;  // why it could not be written; empty on success
};

// Writes a file of a session that reached the results sheet: its one-page report, or its
// drawing. The batch run calls it on the thread that reads the input, one line after another.
class ReportWriter {
 public:
  virtual ~ReportWriter() = default;
  virtual ReportFile write(std::size_t lineNumber, const SessionResult& result) = 0;
  // How many files could not be written.
  virtual std::size_t failures() const = 0;
};

// Puts the file `name` in place whole in `directory` (platform/replace_file.h) with the
// signals that ask a program to stop (Ctrl+C, kill) held back meanwhile, so that a writer
// stopped then stops once the file is in place and leaves no temporary file behind. Returns
// why it could not be written; empty when it was.
std::string putFileInPlace(const std::string& directory, const std::string& name, std::string_view bytes);

}  // namespace glandwise::calc

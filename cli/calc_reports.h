#pragma once
// Where the batch calculator puts the printed report of each gland that reaches the sheet.

#include <cstddef>
#include <string>

#include "cli/calc_session.h"

namespace glandwise::calc {

// What became of one report.
struct ReportFile {
  std::string path;   // the file written; empty when it could not be written
  std::string error;  // why it could not be written; empty on success
};

// Writes the one-page report of a session that reached the results sheet. The batch run
// calls it on the thread that reads the input, one line after another.
class ReportWriter {
 public:
  virtual ~ReportWriter() = default;
  virtual ReportFile write(std::size_t lineNumber, const SessionResult& result) = 0;
};

}  // namespace glandwise::calc

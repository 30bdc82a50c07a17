#pragma once
// The batch run: JSON Lines in, one output line per input line out, in input order.

#include <atomic>
#include <cstddef>
#include <iosfwd>
#include <string_view>

#include "cli/calc_output.h"
#include "cli/calc_reports.h"
#include "cli/calc_session.h"

namespace glandwise::calc {

// How the batch run divides its work and writes its output.
struct BatchOptions {
  unsigned threads = 1;  // lines are worked on this many threads at once; output order is kept
  ReportWriter* reports = nullptr;  // writes a report per results line; forces one thread
  ReportWriter* drawings = nullptr;  // writes a drawing per results line; forces one thread
  SessionOptions session;           // the AS568 table and whether every gland is reviewed
  OutputFormat format = OutputFormat::JsonLines;
  FieldSelection fields = FieldSelection::all(true, true);  // the output fields
  std::atomic<std::size_t>* linesDone = nullptr;      // when given, counts the input lines worked
};

// What a batch run came to.
struct BatchSummary {
  std::size_t processedLines = 0;  // lines that gave a session result
  std::size_t errorLines = 0;      // lines that gave an "error" object
  bool readFailed = false;         // the input could not be read to its end
  bool writeFailed = false;        // the output could not be written: the run stopped there
};

// The longest input line read, in bytes; a longer one gives an "error" object.
inline constexpr std::size_t kMaxLineBytes = 1 << 20;

// Works one input line (numbered from 1) and writes its output line to `out`, with the
// report written by `reports` and the drawing by `drawings` (when given) for a line that
// reaches the results sheet. Returns false when the line was unusable and gave an "error"
// line: one that cannot be read, or whose review inputs do not fit the rules or the gland.
bool calculateLine(std::string_view line, std::size_t lineNumber, LineWriter& out, ReportWriter* reports = nullptr,
                   const SessionOptions& session = {}, ReportWriter* drawings = nullptr);

// Reads `in` to its end and writes the output of every line that is not blank to `out`,
// after the format's header. Blank lines give no output but are counted, so line numbers
// are those of the input. Output is flushed whenever no further input is waiting, so that
// a script can feed one line and read its answer.
BatchSummary runBatch(std::istream& in, std::ostream& out, const BatchOptions& options);

}  // namespace glandwise::calc

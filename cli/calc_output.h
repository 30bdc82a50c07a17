#pragma once
// The batch calculator's output lines, one per input line, as JSON Lines or CSV.
//
// JSON Lines (the default): a processed line gives, keys in this order:
//   {"outcome": "results"|"refused"|"stayed", "line": N,
//    "screen": "selection"|"editor"|"results",
//    "messages": [{"kind": "refusal"|"question"|"notice", "text": "...", "beep": true|false}, ...],
//    "record": {every float of the record in declaration order (W, WT, ID, PR, ECC, BDM, ...,
//               F90F), then "Answer", "GW", "GlandType", "ErrorText", "SelectedFile"},
//    "sheet": {value label objectName: caption, in the sheet's fill order},   (results only)
//    "review": {"overall", "headline", "rules": {"name", "file"}, "as568", "fill", "squeeze",
//               "extrusion", "stretch", "temperature", "swell", "statistics": each with its
//               figures, "verdict", "reason" and "remedy"},   (when asked)
//    "report": path of the PDF written, or null with "report_error": why,  (with reports only)
//    "drawing": path of the drawing written, or null with "drawing_error": why}  (with drawings only)
// With chosen fields (cli/output_fields.h) "outcome" and "line" and the chosen ones, in that
// order and in their objects. An unusable line gives
//   {"outcome": "error", "line": N, "message": "line N: <problem>"}.
//
// CSV (RFC 4180): a header row of the column names, then one row per input line: "line",
// "outcome", "message" (the refusal's text, or the unusable line's "line N: <problem>"),
// then a column per chosen field with the text of its JSON value (a string without quotes,
// a number spelled the same, a list as its JSON text; empty for null or a field the line
// lacks). A cell holding a comma, a quote or a line break is quoted, its quotes doubled.

#include <cstddef>
#include <memory>
#include <string_view>

#include "cli/calc_reports.h"
#include "cli/calc_session.h"
#include "cli/find_output.h"
#include "cli/output_fields.h"
#include "cli/text_buffer.h"

namespace glandwise::calc {

enum class OutputFormat { JsonLines, Csv };

// Writes a run's output lines in one format with the chosen fields, into its own text,
// which the batch run takes away and clear()s.
class LineWriter {
 public:
  virtual ~LineWriter() = default;
  // What comes before the first line: the CSV header row; nothing for JSON Lines.
  virtual void writeHeader() = 0;
  // The line of an input line worked through the screens, with its report and drawing when
  // they were written for it.
  virtual void writeResult(std::size_t lineNumber, const LineResult& line) = 0;
  // The line of an unusable input line; `problem` says what is wrong with it.
  virtual void writeError(std::size_t lineNumber, std::string_view problem) = 0;
  // The line (or rows) of a find line (cli/find_output.h).
  virtual void writeFound(std::size_t lineNumber, const FoundLine& found) = 0;
  // The line (or rows) of a find line for a face gland.
  virtual void writeFaceFound(std::size_t lineNumber, const FaceFoundLine& found) = 0;

  virtual std::string_view text() const = 0;
  virtual void clear() = 0;
};

// Appends `value` as one CSV cell: quoted, its quotes doubled, when it holds a comma, a
// quote or a line break.
void appendCsvCell(TextBuffer& out, std::string_view value);

std::unique_ptr<LineWriter> makeLineWriter(OutputFormat format, const FieldSelection& fields);

}  // namespace glandwise::calc

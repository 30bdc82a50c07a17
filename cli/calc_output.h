#pragma once
// The batch calculator's output objects, one per input line.
//
// A processed line gives, keys in this order:
//   {"outcome": "results"|"refused"|"stayed", "line": N,
//    "screen": "selection"|"editor"|"results",
//    "messages": [{"kind": "refusal"|"question"|"notice", "text": "...", "beep": true|false}, ...],
//    "record": {every float of the record in declaration order (W, WT, ID, PR, ECC, BDM, ...,
//               F90F), then "Answer", "GW", "GlandType", "ErrorText", "SelectedFile"},
//    "sheet": {value label objectName: caption, in the sheet's fill order},   (results only)
//    "review": {"overall", "as568", "fill", "extrusion", "stretch", "temperature", "swell",
//               "statistics": each with its figures, "verdict" and "reason"},   (when asked)
//    "report": path of the PDF written, or null with "report_error": why}  (with reports only)
// An unusable line gives {"outcome": "error", "line": N, "message": "line N: <problem>"}.

#include <cstddef>
#include <optional>
#include <string_view>

#include "cli/calc_reports.h"
#include "cli/calc_session.h"
#include "cli/json_writer.h"

namespace glandwise::calc {

// Writes the object of a line that was worked through the screens, with the report file
// when one was written for it.
void writeSessionResult(JsonWriter& json, std::size_t lineNumber, const SessionResult& result,
                        const std::optional<ReportFile>& report = std::nullopt);

// Writes the "error" object of an unusable line; `problem` says what is wrong with it.
void writeLineError(JsonWriter& json, std::size_t lineNumber, std::string_view problem);

}  // namespace glandwise::calc

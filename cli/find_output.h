#pragma once
// The batch calculator's find lines: one Find a seal question worked and written, as one
// JSON object or as CSV rows, one per candidate.
//
// JSON: {"outcome": "found", "line": N, "gland": "rod"|"housing", "bore"|"rod": the text,
//        "candidates": [{"rank", "as568", "cross_section", "seal_id", "groove_diameter",
//          "groove_tolerance", "groove_width", "squeeze_min_percent", "squeeze_max_percent",
//          "fill_percent", "clearance", "yield_percent", "margin_percent", "limiting",
//          "verdict", "why", "editor_cautions", "input", "tolerances" (when asked)}, ...],
//        "reason": why there are none (only then)}
// CSV: a header row of the find columns, then one row per candidate, each starting with the
// line number, "found" and an empty message; or one row with the reason as its message.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "cli/calc_session.h"
#include "cli/json_writer.h"
#include "cli/text_buffer.h"
#include "face/face_find.h"
#include "model/find_input.h"

namespace glandwise::calc {

class LineWriter;

// A find line worked: its question, the ranked candidates and, when asked, the tolerances
// of each one written.
struct FoundLine {
  const FindLine& find;
  const FindResult& result;
  std::vector<ToleranceAllocation> allocations;  // by rank, for the candidates written; empty when not asked
};

// The candidates written: the first `top`.
std::size_t writtenCount(const FoundLine& found);

void writeFoundJson(JsonWriter& json, std::size_t lineNumber, const FoundLine& found);
void writeFoundCsv(TextBuffer& out, std::size_t lineNumber, const FoundLine& found);

// A find line for a face gland worked.
// JSON: {"outcome": "found", "line": N, "gland": "face", "pressure_from", "medium",
//        "groove_od"|"groove_id": the datum, "candidates": [{"rank", "as568", "cross_section",
//          "seal_id", "datum", "depth", "groove_width", "squeeze_min_percent" (LMC),
//          "squeeze_max_percent" (MMC), "fill_percent" (MMC), "fit_percent", "yield_percent",
//          "margin_percent", "limiting", "verdict", "why"}, ...], "reason" (only when none)}
// CSV: as the radial find's, with these columns.
struct FaceFoundLine {
  const FaceFindLine& find;
  const FaceFindResult& result;
};

void writeFaceFoundJson(JsonWriter& json, std::size_t lineNumber, const FaceFoundLine& found);
void writeFaceFoundCsv(TextBuffer& out, std::size_t lineNumber, const FaceFoundLine& found);

// Works a find line (numbered from 1) and writes it to `out`; an unusable one gives an
// "error" line. Returns false for an unusable line.
bool calculateFindLine(std::string_view line, std::size_t lineNumber, LineWriter& out, const SessionOptions& session);

}  // namespace glandwise::calc

#pragma once
// The ranked table's columns, the same in the window and on the printed page.

#include <QString>
#include <vector>

#include "model/find_seal.h"

namespace glandwise {

// One column: its heading and its text for a candidate.
struct FindColumn {
  const char* heading;
  QString (*text)(const Candidate& candidate);
};

// Size, cross-section, seal ID, groove diameter and width, squeeze range, fill, clearance,
// yield, limiting figure and verdict.
const std::vector<FindColumn>& findColumns();

// The index of the verdict column, which is shown as a badge.
inline constexpr int kVerdictColumn = 10;

// The ranking as tab-separated lines for a spreadsheet: a heading line, then a line per
// candidate, every figure a cell of its own that pastes as a number (the groove diameter
// apart from its tolerance, the squeeze range as its two ends).
QString copiedTable(const FindResult& result);

}  // namespace glandwise

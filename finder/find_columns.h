#pragma once
// The ranked tables' columns, the same in the window, on the printed page and on the
// clipboard: one set for the radial glands' candidates, one for the face seals'.

#include <QString>
#include <vector>

#include "face/face_find.h"
#include "model/find_seal.h"

namespace glandwise {

// One column: its heading, its share of the printed table's width and its text for a
// candidate of kind C.
template <class C>
struct Column {
  const char* heading;
  double share;
  QString (*text)(const C& candidate);
};

// The columns shown of a candidate kind:
// - radial glands: size, cross-section, seal ID, groove diameter and width, squeeze range,
//   fill, clearance, yield, limiting figure and verdict;
// - face seals: size, cross-section, seal ID, the groove's datum diameter, width and depth,
//   squeeze range, fill, fit, yield, limiting figure and verdict.
template <class C>
const std::vector<Column<C>>& columnsOf();
template <>
const std::vector<Column<Candidate>>& columnsOf<Candidate>();
template <>
const std::vector<Column<FaceCandidate>>& columnsOf<FaceCandidate>();

// The last column, the verdict, is shown as a badge.
template <class C>
bool isVerdictColumn(std::size_t column) {
  return column + 1 == columnsOf<C>().size();
}

// The ranking as tab-separated lines for a spreadsheet: a heading line, then a line per
// candidate, every figure a cell of its own that pastes as a number (a diameter apart
// from its tolerance, the squeeze range as its two ends).
QString copiedTable(const FindResult& result);
QString copiedTable(const FaceFindResult& result);

}  // namespace glandwise

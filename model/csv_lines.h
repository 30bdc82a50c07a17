#pragma once
// Reading the shipped data tables: lines, cells and positive numbers, with the line number
// of whatever is wrong.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glandwise {

// The cells of one CSV line without quoting: the first `columns` − 1 are split at commas
// and trimmed, the last takes the rest of the line (a source in words, which may hold
// commas). Fewer cells than `columns` when the line has fewer commas.
std::vector<std::string_view> csvCells(std::string_view line, std::size_t columns);

// A finite number ≥ 0 (or > 0 with `positive`), or nothing.
std::optional<float> csvNumber(std::string_view cell, bool positive);

// Walks the data lines of `text` (after its header, which must be `header`; blank lines
// skipped, a byte-order mark allowed) and hands each to `row` with its line number; `row`
// returns a problem, or an empty text. The first problem as "SOURCE line N: problem".
std::string readCsvRows(std::string_view text, std::string_view source, std::string_view header,
                        const std::function<std::string(std::string_view line, std::size_t number)>& row);

}  // namespace glandwise

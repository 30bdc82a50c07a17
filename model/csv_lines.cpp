#include "model/csv_lines.h"

#include <cmath>

#include "model/numbers.h"

namespace glandwise {
namespace {

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::vector<std::string_view> csvCells(std::string_view line, std::size_t columns) {
  std::vector<std::string_view> cells;
  std::size_t start = 0;
  while (cells.size() + 1 < columns) {
    const std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) break;
    cells.push_back(trimmed(line.substr(start, comma - start)));
    start = comma + 1;
  }
  cells.push_back(trimmed(line.substr(std::min(start, line.size()))));
  return cells;
}

std::optional<float> csvNumber(std::string_view cell, bool positive) {
  const ParsedNumber number = parseNumber(cell);
  if (number.status != NumberStatus::Number || !std::isfinite(number.value) || number.value < 0 ||
      (positive && number.value == 0))
    return std::nullopt;
  return number.value;
}

std::string readCsvRows(std::string_view text, std::string_view source, std::string_view header,
                        const std::function<std::string(std::string_view, std::size_t)>& row) {
  const auto failure = [&](std::size_t line, const std::string& problem) {
    return std::string(source) + " line " + std::to_string(line) + ": " + problem;
  };
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::size_t number = 0;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = trimmed(text.substr(start, end - start));
    start = end + 1;
    if (++number == 1) {
      if (line != header) return failure(1, "expected the header \"" + std::string(header) + "\"");
      continue;
    }
    if (line.empty()) continue;
    if (std::string problem = row(line, number); !problem.empty()) return failure(number, problem);
  }
  return {};
}

}  // namespace glandwise

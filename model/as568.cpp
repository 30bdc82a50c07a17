#include "model/as568.h"

#include <cmath>
#include <cstring>
#include <unordered_set>

#include "model/csv_lines.h"
#include "model/numbers.h"
#include "model/table_file.h"
#include "model/utf8.h"

namespace glandwise {
namespace {

constexpr std::string_view kHeader = "dash,id_in,id_tol_in,cs_in,cs_tol_in";
constexpr std::size_t kColumns = 5;
// An inside diameter within this of a size's (inch) is that size.
constexpr double kMatchTolerance = 0.0005;

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string_view> fields(std::string_view line) {
  std::vector<std::string_view> result;
  for (std::size_t start = 0;;) {
    const std::size_t comma = line.find(',', start);
    result.push_back(trimmed(line.substr(start, comma - start)));
    if (comma == std::string_view::npos) return result;
    start = comma + 1;
  }
}

// A positive, finite length (inch), or nothing.
std::optional<float> length(std::string_view text) {
  const ParsedNumber number = parseNumber(text);
  if (number.status != NumberStatus::Number || !(number.value > 0) || !std::isfinite(number.value))
    return std::nullopt;
  return number.value;
}

// The size on one data line, or why it is not one.
std::optional<As568Size> readSize(std::string_view line, std::string& problem) {
  const std::vector<std::string_view> cells = fields(line);
  if (cells.size() != kColumns) {
    problem = "expected 5 columns (" + std::string(kHeader) + "), found " + std::to_string(cells.size());
    return std::nullopt;
  }
  const std::optional<std::string> dash = as568Dash(cells[0]);
  if (!dash) {
    problem = "\"" + std::string(utf8Prefix(cells[0], 20)) + "\" is not a dash number";
    return std::nullopt;
  }
  As568Size size{*dash, 0, 0, 0, 0};
  float As568Size::*const columns[] = {&As568Size::insideDiameter, &As568Size::insideDiameterTolerance,
                                       &As568Size::crossSection, &As568Size::crossSectionTolerance};
  constexpr std::string_view names[] = {"id_in", "id_tol_in", "cs_in", "cs_tol_in"};
  for (std::size_t i = 0; i < 4; ++i) {
    const std::optional<float> value = length(cells[i + 1]);
    if (!value) {
      problem = std::string(names[i]) + " \"" + std::string(utf8Prefix(cells[i + 1], 20)) +
                "\" is not a positive number";
      return std::nullopt;
    }
    size.*columns[i] = *value;
  }
  return size;
}

}  // namespace

std::optional<std::string> as568Dash(std::string_view text) {
  text = trimmed(text);
  std::size_t shortest = 1;  // digits
  for (std::string_view prefix : {"AS568-", "AS568", "as568-", "as568", "2-", "-"})
    if (text.starts_with(prefix)) {
      text.remove_prefix(prefix.size());
      if (prefix == "2-") shortest = 3;
      break;
    }
  if (text.size() < shortest || text.size() > 3 || text.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  return std::string(3 - text.size(), '0') + std::string(text);
}

As568Load As568Table::parse(std::string_view text, std::string_view source) {
  As568Table table;
  std::unordered_set<std::string> dashes;
  std::string error = readCsvRows(text, source, kHeader, [&](std::string_view line, std::size_t) {
    std::string problem;
    std::optional<As568Size> size = readSize(line, problem);
    if (!size) return problem;
    if (!dashes.insert(size->dash).second) return "dash number -" + size->dash + " given twice";
    table.sizes_.push_back(std::move(*size));
    return std::string();
  });
  if (error.empty() && table.sizes_.empty()) error = std::string(source) + ": no sizes in the table";
  if (!error.empty()) return {std::nullopt, std::move(error)};
  return {std::move(table), {}};
}

As568Load As568Table::load(const std::filesystem::path& file) {
  std::string error;
  const std::optional<std::string> text = readTableFile(file, "the AS568 table", error);
  if (!text) return {std::nullopt, std::move(error)};
  return parse(*text, file.filename().string());
}

const As568Size* As568Table::find(std::string_view dash) const {
  const std::optional<std::string> wanted = as568Dash(dash);
  if (!wanted) return nullptr;
  for (const As568Size& size : sizes_)
    if (size.dash == *wanted) return &size;
  return nullptr;
}

const As568Size* As568Table::match(float crossSection, float insideDiameter) const {
  for (const As568Size& size : sizes_)
    if (size.crossSection == crossSection &&
        std::abs(double(size.insideDiameter) - insideDiameter) <= kMatchTolerance)
      return &size;
  return nullptr;
}

std::string as568SizeText(const As568Size& size) {
  return NumberText(size.insideDiameter) + " \u00b1 " + NumberText(size.insideDiameterTolerance) + " \u00d7 " +
         NumberText(size.crossSection) + " \u00b1 " + NumberText(size.crossSectionTolerance);
}

std::filesystem::path shippedAs568Path(const std::filesystem::path& executable) {
  return executable.parent_path().parent_path() / "share" / "glandwise" / "as568.csv";
}

}  // namespace glandwise

#include "face/face_table.h"

#include <array>

#include "model/csv_lines.h"
#include "model/numbers.h"
#include "model/table_file.h"
#include "model/utf8.h"

namespace glandwise {
namespace {

constexpr std::string_view kHeader =
    "cross_section_in,cs_tol_in,depth_min_in,depth_max_in,width_liquid_min_in,width_liquid_max_in,"
    "width_gas_min_in,width_gas_max_in,squeeze_min_percent,squeeze_max_percent,bottom_radius_min_in,"
    "bottom_radius_max_in,source";
constexpr std::size_t kColumns = 13;
constexpr std::array<std::string_view, kColumns - 1> kNames{
    "cross_section_in",    "cs_tol_in",           "depth_min_in",         "depth_max_in",
    "width_liquid_min_in", "width_liquid_max_in", "width_gas_min_in",     "width_gas_max_in",
    "squeeze_min_percent", "squeeze_max_percent", "bottom_radius_min_in", "bottom_radius_max_in"};

// The ranges of a row in the order of their column pairs after the tolerance.
constexpr FaceRange FaceGlandRow::*kRanges[] = {&FaceGlandRow::depth, &FaceGlandRow::widthLiquid,
                                                &FaceGlandRow::widthGas, &FaceGlandRow::squeezePercent,
                                                &FaceGlandRow::bottomRadius};

// The row on one data line, or why it is not one.
std::string readRow(std::string_view line, FaceGlandRow& row) {
  const std::vector<std::string_view> cells = csvCells(line, kColumns);
  if (cells.size() != kColumns || cells.back().empty())
    return "expected " + std::to_string(kColumns) + " columns, the last the source in words";
  std::array<float, kColumns - 1> values{};
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::optional<float> value = csvNumber(cells[i], true);
    if (!value)
      return std::string(kNames[i]) + " \"" + std::string(utf8Prefix(cells[i], 20)) + "\" is not a positive number";
    values[i] = *value;
  }
  row.crossSection = values[0];
  row.crossSectionTolerance = values[1];
  for (std::size_t r = 0; r < std::size(kRanges); ++r) {
    FaceRange& range = row.*kRanges[r];
    range = {values[2 + 2 * r], values[3 + 2 * r]};
    if (range.min > range.max) return std::string(kNames[2 + 2 * r]) + " is above " + std::string(kNames[3 + 2 * r]);
  }
  if (row.depth.max >= row.crossSection) return "the groove is deeper than the cross-section: no squeeze";
  if (row.widthGas.min <= row.crossSection || row.widthLiquid.min <= row.crossSection)
    return "a groove width is not wider than the cross-section";
  if (2 * row.bottomRadius.max > row.widthGas.min || row.bottomRadius.max > row.depth.min)
    return "the bottom radius does not fit the groove";
  row.source = cells.back();
  return {};
}

}  // namespace

FaceGlandTableLoad FaceGlandTable::parse(std::string_view text, std::string_view source) {
  FaceGlandTable table;
  std::string error = readCsvRows(text, source, kHeader, [&](std::string_view line, std::size_t) {
    FaceGlandRow row;
    if (std::string problem = readRow(line, row); !problem.empty()) return problem;
    if (table.find(row.crossSection)) return "cross-section " + NumberText(row.crossSection) + " given twice";
    table.rows_.push_back(std::move(row));
    return std::string();
  });
  if (error.empty() && table.rows_.empty()) error = std::string(source) + ": no cross-sections in the table";
  if (!error.empty()) return {std::nullopt, std::move(error)};
  return {std::move(table), {}};
}

FaceGlandTableLoad FaceGlandTable::load(const std::filesystem::path& file) {
  std::string error;
  const std::optional<std::string> text = readTableFile(file, "the face seal table", error);
  if (!text) return {std::nullopt, std::move(error)};
  return parse(*text, file.filename().string());
}

const FaceGlandRow* FaceGlandTable::find(float w) const {
  for (const FaceGlandRow& row : rows_)
    if (row.crossSection == w) return &row;
  return nullptr;
}

std::filesystem::path shippedDataPath(const std::filesystem::path& executable, std::string_view name) {
  return executable.parent_path().parent_path() / "share" / "glandwise" / name;
}

}  // namespace glandwise

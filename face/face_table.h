#pragma once
// The published standard face seal glands, one row per cross-section: loading the shipped
// table (data/face-seal-glands.csv) and checking it as the AS568 table is checked.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glandwise {

// A range of a published dimension: its least and greatest value.
struct FaceRange {
  float min, max;
  float middle() const { return float((double(min) + max) / 2); }
  float halfSpread() const { return float((double(max) - min) / 2); }
};

// One row: the standard face gland of a cross-section. Inch; squeeze in %.
struct FaceGlandRow {
  float crossSection;
  float crossSectionTolerance;  // ±
  FaceRange depth;              // groove depth H
  FaceRange widthLiquid;        // groove width G for liquids
  FaceRange widthGas;           // groove width G for gases and vacuum (narrower)
  FaceRange squeezePercent;     // the published design range
  FaceRange bottomRadius;       // groove bottom corner radius
  std::string source;           // where the row comes from, in words
};

struct FaceGlandTableLoad;

// The table: its header names the columns, then one row per cross-section, each ending in
// its source in words (which may hold commas).
class FaceGlandTable {
 public:
  static FaceGlandTableLoad parse(std::string_view text, std::string_view source);
  static FaceGlandTableLoad load(const std::filesystem::path& file);

  // The row of cross-section `w` (exactly), or nullptr.
  const FaceGlandRow* find(float w) const;
  const std::vector<FaceGlandRow>& rows() const { return rows_; }

 private:
  std::vector<FaceGlandRow> rows_;
};

struct FaceGlandTableLoad {
  std::optional<FaceGlandTable> table;
  std::string error;  // why the table could not be read; empty when it was
};

// Where a shipped data file `name` lies for a program at `executable`: share/glandwise/
// beside the program's bin folder, as the AS568 table.
std::filesystem::path shippedDataPath(const std::filesystem::path& executable, std::string_view name);

}  // namespace glandwise

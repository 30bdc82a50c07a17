#pragma once
// The AS568 standard o-ring sizes: loading a table of them and looking sizes up.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glandwise {

// One AS568 size. Lengths in inch; tolerances are bilateral (±).
struct As568Size {
  std::string dash;             // the dash number as three digits, e.g. "214"
  float insideDiameter;         // ID
  float insideDiameterTolerance;
  float crossSection;           // W
  float crossSectionTolerance;
};

class As568Table;

// A table read from a file, or why it could not be.
struct As568Load;

// A table of AS568 sizes with the columns dash,id_in,id_tol_in,cs_in,cs_tol_in (a header
// line naming them, then one size per line). Looks sizes up by dash number, and the size
// that a seal of a given cross-section and inside diameter is.
class As568Table {
 public:
  // Reads the table from CSV text. `source` names it in messages ("as568.csv line 12: ...").
  static As568Load parse(std::string_view text, std::string_view source);
  // Reads the table from a file (readTableFile).
  static As568Load load(const std::filesystem::path& file);

  // The size with this dash number: "214", "-214", "2-214" or "AS568-214"; nullptr if none.
  const As568Size* find(std::string_view dash) const;
  // The size whose cross-section equals `crossSection` and whose inside diameter lies
  // within 0.0005 inch of `insideDiameter`; nullptr if none.
  const As568Size* match(float crossSection, float insideDiameter) const;

  const std::vector<As568Size>& sizes() const { return sizes_; }

 private:
  std::vector<As568Size> sizes_;  // in the order of the file
};

struct As568Load {
  std::optional<As568Table> table;
  std::string error;  // why the table could not be read; empty when it was
};

// The three-digit dash number of a size written as "214", "-214", "2-214" or "AS568-214",
// or nothing when the text is not a dash number. Short numbers are padded ("-4" is "004"),
// except after "2-", which is always followed by all three digits: "2-14" is no size.
std::optional<std::string> as568Dash(std::string_view text);

// The size's dimensions as "0.984 ± 0.01 × 0.139 ± 0.004": inside diameter and its
// tolerance, cross-section and its tolerance, inch.
std::string as568SizeText(const As568Size& size);

// Where the shipped table lies for a program at `executable`: share/glandwise/as568.csv
// beside the program's bin folder, in the build tree as in an installation.
std::filesystem::path shippedAs568Path(const std::filesystem::path& executable);

}  // namespace glandwise

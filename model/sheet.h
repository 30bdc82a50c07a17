#pragma once
// The results sheet's value labels, without widgets: which record value each one shows,
// how, and where it stands on the sheet.

#include <string>
#include <string_view>
#include <vector>

#include "model/gland_side.h"
#include "model/numbers.h"
#include "model/record.h"

namespace glandwise {

// Where a value label stands on the sheet.
struct SheetPlace {
  enum class Area {
    Header,  // the header block: `row` counts its lines from the cross-section (0) down
    Grid,    // the results table: `row` 0 worst-case MMC eccentric ... 4 worst-case LMC
             // eccentric; `column` 0 squeeze, 1 squeeze percent, 2 extrusion gap, 3 height
  };
  Area area;
  int row;
  int column = 0;
};

// One value label of a results sheet and how it is filled.
struct SheetField {
  enum class Kind {
    Value,        // NumberText of `value` (rounded and stored back first when decimals >= 0) + suffix
    Toleranced,   // NumberText of `value`, " Inch", `suffix`, NumberText of `tolerance`
    GlandType,    // "Groove in Rod." or "Groove in Housing."
    GrooveWidth,  // the GW text, " Inch", "  (With No Back up Rings)"
  };
  std::string objectName;  // e.g. "lblWV", "lblCMMaxE", "lblPCF"
  Kind kind = Kind::Value;
  float GlandRecord::*value = nullptr;
  float GlandRecord::*tolerance = nullptr;
  std::string_view suffix = "";
  int decimals = -1;  // decimal places of the displayed (and stored back) value; -1: unrounded
  SheetPlace place;
};

// Every value label of the sheet of `side` but the date, in the sheet's fill order.
const std::vector<SheetField>& sheetFields(const GlandSide& side);

// One value label of a results sheet and the caption it shows.
struct SheetLabel {
  std::string objectName;
  std::string caption;
};

// Fills the results sheet of `side` from the record, in the order of sheetFields(side):
// rounds 25 values for display, storing each rounded value back into the record, and
// returns every value label with its caption.
std::vector<SheetLabel> fillSheet(GlandRecord& record, const GlandSide& side);

// What fillSheet does to the record, without making the captions: rounds the 25 values
// and stores them back.
void roundSheetValues(GlandRecord& record, const GlandSide& side);

// Appends to `text` the caption of `label` (one of sheetFields(side)) as fillSheet makes it
// from `record`, whose values roundSheetValues has already rounded: for a caption now and
// then without the whole sheet's.
void appendSheetCaption(std::string& text, const GlandRecord& record, const GlandSide& side, const SheetField& label);

// Whether the caption of `label` is made of figures (a Value or Toleranced label): NumberText
// and constant words, which need no escaping or quoting in JSON or CSV.
inline bool showsFigures(const SheetField& label) {
  return label.kind == SheetField::Kind::Value || label.kind == SheetField::Kind::Toleranced;
}
// The longest caption of figures: two numbers, " Inch" and the longest suffix.
inline constexpr std::size_t kMaxFigureCaptionLength = 2 * kMaxNumberTextLength + 32;
// Writes the caption of a label that showsFigures() at `cursor`, which has room for
// kMaxFigureCaptionLength bytes, as appendSheetCaption does, and returns its end.
char* writeFigureCaption(char* cursor, const GlandRecord& record, const SheetField& label);

// A label's caption cut into spreadsheet cells, so that its figures paste as numbers: the
// value, its unit, the ± tolerance of a toleranced value, and a note ("(With No Back up
// Rings)"); cells that a label lacks are empty.
struct SheetCells {
  std::string value{}, unit{}, tolerance{}, note{};  // the cells; empty where the label has none
};
// The cells of `label` (one of sheetFields(side)) as fillSheet shows it from `record`,
// whose values roundSheetValues has already rounded.
SheetCells sheetCells(const GlandRecord& record, const GlandSide& side, const SheetField& label);

// The date label's caption for an already formatted short date.
inline std::string sheetDateCaption(const std::string& shortDate) { return "Date: " + shortDate; }

}  // namespace glandwise

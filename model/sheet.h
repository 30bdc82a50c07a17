#pragma once
// The results sheet's fill sequence, without widgets: which value label shows what.

#include <string>
#include <vector>

#include "gland_side.h"
#include "record.h"

namespace glandwise {

// One value label of a results sheet and the caption it shows.
struct SheetLabel {
  std::string objectName;  // e.g. "lblWV", "lblCMMaxE", "lblPCF"
  std::string caption;
};

// Fills the results sheet of `side` from the record, in the sheet's fill order (the date
// label excluded): rounds 25 values for display, storing each rounded value back into
// the record, and returns every value label with its caption.
std::vector<SheetLabel> fillSheet(GlandRecord& record, const GlandSide& side);

// The date label's caption for an already formatted short date.
inline std::string sheetDateCaption(const std::string& shortDate) { return "Date: " + shortDate; }

}  // namespace glandwise

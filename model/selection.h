#pragma once
// The gland selection screen's logic: option clicks and the OK sequence, without widgets.

#include <optional>
#include <string>

#include "model/as568.h"
#include "model/editor.h"
#include "model/gland_input.h"
#include "model/gland_side.h"
#include "model/ok_result.h"
#include "model/record.h"

namespace glandwise {

// What the selection screen holds: the chosen options and the texts of its four boxes.
// Defaults are the screen's initial state.
struct SelectionEntries {
  std::optional<int> crossSection;     // index into kCrossSections (0.070 ... 0.275), none selected
  std::optional<GlandKind> glandType;  // none selected
  std::string sealInsideDia = "0";     // txtID, inch
  std::string rodDia = "0";            // txtPDF, inch (housing groove only)
  std::string housingDia = "0";        // txtBDM, inch (rod groove only)
  std::string pressure = "1";          // txtPR, psi
};

// A cross-section option was clicked: W := that cross-section.
void selectCrossSection(GlandRecord& record, SelectionEntries& entries, int index);

// A gland-type option was clicked: GlandType := its code, and the box that this gland type
// does not use is set back to "0".
void selectGlandType(GlandRecord& record, SelectionEntries& entries, GlandKind kind);

// An AS568 size chosen by its dash number ("214", "-214", "2-214"): clicks its cross-section's
// option and types its inside diameter into the seal box, as a person would. Refuses (with a
// beep) a text that is no size of `table`, a size whose cross-section is not one of the five,
// and a missing table; then nothing of the entries changes.
OkResult chooseAs568Size(GlandRecord& record, SelectionEntries& entries, const As568Table* table,
                         std::string_view dash);

// Enters `input` on the selection screen as a person would: clicks its options, types its
// texts into the boxes that its gland type enables (a disabled box keeps its text) and
// chooses its AS568 size, leaving the screen ready for OK. Only the AS568 size can be
// refused here.
OkResult enterSelection(GlandRecord& record, SelectionEntries& entries, const GlandInput& input,
                        const As568Table* table);

// The gland as a person entered it, to be entered again by enterSelection and the editor:
// the options and texts of the selection screen (of the two diameters only the one its
// gland type uses) and every editor box's text.
GlandInput enteredGland(const SelectionEntries& entries, const EditorTexts& editorTexts);

// The OK sequence: validates in order, writes ID, PDF, BDM, PR, generates the standard
// gland and checks that the seal fits. On a refusal ErrorText holds the message.
OkResult selectionOk(GlandRecord& record, const SelectionEntries& entries);

// True when the seal does not fit the gland of `side`: its nominal diameter (inside
// diameter plus one cross-section) exceeds the rod groove's rod diameter, or its inside
// diameter exceeds the housing groove's rod diameter.
bool sealTooLarge(const GlandRecord& record, const GlandSide& side);

// The seal fit refusal's text: rounds the rod diameter of `side` to 3 decimals in the
// record, then joins `start`, the seal figure compared, "  > ", the rounded rod and `end`.
std::string sealFitMessage(GlandRecord& record, const GlandSide& side, const char* start, const char* end);

}  // namespace glandwise

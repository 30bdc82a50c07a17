#pragma once
// The gland editors' logic: loading the nine boxes from the record and the OK action,
// written once over the table of what differs between the two editors.

#include <array>
#include <string>
#include <string_view>

#include "model/gland_side.h"
#include "model/numbers.h"
#include "model/ok_result.h"
#include "model/prompts.h"
#include "model/record.h"

namespace glandwise {

// The nine editable boxes, in the order the OK action stores them.
enum class EditorBox { ID, PD, PDT, BD, BDT, GD, GDT, PR, ECC };
inline constexpr std::size_t kEditorBoxCount = 9;

// Texts of the nine boxes, indexed by EditorBox.
using EditorTexts = std::array<std::string, kEditorBoxCount>;

// The objectName of a box on the editor of `side`, e.g. "txtPDM" or "txtBDF".
std::string_view editorBoxName(const GlandSide& side, EditorBox box);

// The record variable that a box edits.
float GlandRecord::*editorBoxVariable(const GlandSide& side, EditorBox box);

// What the editor's load step puts into its boxes: NumberText of each variable.
EditorTexts editorLoad(const GlandRecord& record, const GlandSide& side);

// The nine boxes as the OK action reads them, indexed by EditorBox: parseNumber of each text.
using EditorNumbers = std::array<ParsedNumber, kEditorBoxCount>;

// What the OK action reads from the boxes as the load step fills them, worked out without
// their texts (parseNumberText): for a caller that retypes only some of them.
EditorNumbers editorLoadNumbers(const GlandRecord& record, const GlandSide& side);

// The OK action: numeric check, store, limits, seal-size and size checks, stretch and
// squeeze checks, gland analysis. GoOn means the results sheet opens; on a refusal
// ErrorText holds the message.
OkResult editorOk(GlandRecord& record, const GlandSide& side, const EditorTexts& texts, UserPrompts& prompts);
// The same on the boxes as read.
OkResult editorOk(GlandRecord& record, const GlandSide& side, const EditorNumbers& numbers, UserPrompts& prompts);

// The refusal shown when the figures entered would give results that a 32-bit float
// cannot hold.
inline constexpr const char* kResultsOutOfRange =
    "The dimensions entered give results too large to calculate. Check values.";

}  // namespace glandwise

#pragma once
// A gland as a person would enter it on the screens, read from (and written to) one line of JSON:
// the batch calculator's input lines and the saved gland files.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/editor.h"
#include "model/gland_side.h"
#include "model/review.h"

namespace glandwise {

// One editor box that the input retypes before the editor's OK.
struct EditorEdit {
  EditorBox box;     // which of the nine boxes
  std::string text;  // the text typed into it
};

// What one input line asks a person to do on the screens: the options to click and the
// texts to type on the selection screen, the editor boxes to retype, and the answers to the
// editor's Yes/No questions. An absent option stays unselected; an absent text leaves its
// box at the screen's initial text.
struct GlandInput {
  std::optional<int> crossSection;           // index into kCrossSections (0.070 ... 0.275 inch)
  std::optional<GlandKind> glandType;        // groove in the rod or in the housing
  std::optional<std::string> sealInsideDia;  // text for txtID, inch
  std::optional<std::string> rodDia;         // text for txtPDF, inch (used by a housing groove)
  std::optional<std::string> housingDia;     // text for txtBDM, inch (used by a rod groove)
  std::optional<std::string> pressure;       // text for txtPR, psi
  std::vector<EditorEdit> edits;             // editor boxes to retype, each box at most once
  std::vector<bool> answers;                 // true = Yes, in the order the questions come
  std::optional<std::string> as568;          // an AS568 dash number standing in for the cross-section
                                             // option and the seal ID text, e.g. "-214"
  std::optional<ReviewInputs> review;        // the line asks for the design review with these inputs
};

// An input line read: a usable input, or the reason why the line cannot be used.
struct ParsedInput {
  GlandInput input;     // meaningful only when `problem` is empty
  std::string problem;  // e.g. `unknown field "sealid"`; empty when the line is usable
};

// Reads one JSON Lines record. Every field is optional; text that is not one JSON object,
// unknown fields, fields given twice, fields of the wrong JSON kind, unknown option values,
// edits naming a box that the chosen gland type's editor lacks, answers other
// than "yes"/"no", "as568" together with "cross_section" or "seal_id", and review inputs
// out of their range are problems. The first problem in reading order is reported.
ParsedInput parseInputLine(std::string_view line);

// The input as one line of JSON (without a line feed) that parseInputLine reads back to the
// same input: the fields given, in the order of the batch calculator's documentation. Edits
// name the boxes of the input's gland type, which they need.
std::string inputLine(const GlandInput& input);

// True for a line holding nothing but blanks, tabs and a carriage return.
bool isBlankLine(std::string_view line);

}  // namespace glandwise

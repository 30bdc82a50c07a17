#pragma once
// One gland worked through the screens, as the batch calculator does it for each input line.

#include <optional>
#include <string>
#include <vector>

#include "face/face_data.h"
#include "face/face_result.h"
#include "model/gland_input.h"
#include "model/as568.h"
#include "model/review.h"
#include "model/review_rules.h"
#include "model/record.h"

namespace glandwise::calc {

enum class MessageKind {
  Refusal,   // the message dialog refusing invalid input
  Question,  // a Yes/No message box: statement, two line feeds, question
  Notice,    // a message box with an OK button only
};

// One thing the screens told the user, in the order it appeared.
struct SessionMessage {
  MessageKind kind;
  std::string text;  // exactly as the dialog or box shows it
  bool beep;         // whether the system beep sounded before it
};

enum class SessionOutcome {
  Results,  // the results sheet opened
  Refused,  // an OK refused the input
  Stayed,   // a question was answered Yes, so the editor stayed open
};

enum class Screen { Selection, Editor, Results, Face };  // Face: the face seal designer

// Where one session ended and what it left: the messages shown and the whole gland data
// record, with the values that the results sheet rounds rounded when it opened (its
// captions follow from the record: appendSheetCaption).
struct SessionResult {
  SessionOutcome outcome = SessionOutcome::Refused;
  Screen screen = Screen::Selection;     // the screen on which the session ended
  std::optional<GlandKind> glandType;    // the gland type chosen on the selection screen
  std::vector<SessionMessage> messages;  // every refusal, question and notice, in order
  GlandRecord record;                    // the record as the session left it
  std::optional<Review> review;          // the design review, when asked for and Results
  std::optional<ReviewInputs> reviewInputs;  // the inputs of `review`
  std::optional<FaceResult> face;        // a face seal's line: its result (the radial parts stay empty)
  std::string reviewProblem;             // why the review asked for cannot be made; empty when it can
};

// What every session of a run shares.
struct SessionOptions {
  const As568Table* as568 = nullptr;  // the AS568 sizes, for "as568" and the review
  const RuleSet* rules = nullptr;     // the design review's rules; without them no review is made
  bool review = false;                // review every gland that reaches the results sheet
  const FaceGlandTableLoad* faceTable = nullptr;  // the face seal table, or why it could not be read
};

// Works one input through the screens with a fresh record: clicks the chosen options, types
// the texts into the enabled boxes and presses OK on the selection screen; then retypes the
// edited boxes and presses OK on the editor, answering its questions from `input.answers`
// (No once they run out) and acknowledging its notices; then opens the results sheet, which
// rounds the values it shows.
// An "as568" size is chosen before the boxes are typed; the review runs when `options`
// or the input asks for it, unless its inputs do not fit the rules or the gland
// (`reviewProblem` says why).
SessionResult runSession(const GlandInput& input, const SessionOptions& options = {});

// Works a face seal's line as the face seal designer would: "results" with its figures
// (and its review when asked), or "refused" with the designer's first reason as the refusal.
SessionResult runFaceSession(const FaceInput& input, const SessionOptions& options);

}  // namespace glandwise::calc

#include "cli/calc_session.h"

#include "model/editor.h"
#include "model/selection.h"
#include "model/sheet.h"

namespace glandwise::calc {
namespace {

// Answers the editor's questions from a script, No once it runs out, acknowledges every
// notice, and keeps a log of both.
class ScriptedPrompts final : public UserPrompts {
 public:
  ScriptedPrompts(const std::vector<bool>& answers, std::vector<SessionMessage>& log)
      : answers_(answers), log_(log) {}

  bool askYesNo(const std::string& text, bool beep) override {
    log_.push_back({MessageKind::Question, text, beep});
    return next_ < answers_.size() && answers_[next_++];
  }

  void notify(const std::string& text, bool beep) override { log_.push_back({MessageKind::Notice, text, beep}); }

 private:
  const std::vector<bool>& answers_;  // the scripted answers, true = Yes
  std::size_t next_ = 0;              // index of the answer to the next question
  std::vector<SessionMessage>& log_;  // where questions and notices are recorded
};

// The editor's boxes as its OK reads them, once the input's edits are retyped.
EditorNumbers fillEditor(const GlandRecord& record, const GlandSide& side, const GlandInput& input) {
  EditorNumbers numbers = editorLoadNumbers(record, side);
  for (const EditorEdit& edit : input.edits) numbers[static_cast<std::size_t>(edit.box)] = parseNumber(edit.text);
  return numbers;
}

// Records how an OK that did not go on ended; returns true when it did go on.
bool wentOn(const OkResult& ok, Screen screen, SessionResult& result) {
  if (ok.outcome == OkOutcome::GoOn) return true;
  result.screen = screen;
  if (ok.outcome == OkOutcome::Stayed) {
    result.outcome = SessionOutcome::Stayed;
  } else {
    result.outcome = SessionOutcome::Refused;
    result.messages.push_back({MessageKind::Refusal, ok.message, ok.beep});
  }
  return false;
}

}  // namespace

SessionResult runSession(const GlandInput& input, const SessionOptions& options) {
  SessionResult result;
  GlandRecord& record = result.record;
  SelectionEntries entries;
  result.glandType = input.glandType;
  if (!wentOn(enterSelection(record, entries, input, options.as568), Screen::Selection, result)) return result;
  if (!wentOn(selectionOk(record, entries), Screen::Selection, result)) return result;

  const GlandSide& side = glandSide(*entries.glandType);
  ScriptedPrompts prompts(input.answers, result.messages);
  if (!wentOn(editorOk(record, side, fillEditor(record, side, input), prompts), Screen::Editor, result))
    return result;

  roundSheetValues(record, side);
  if (options.review || input.review) {
    const ReviewInputs inputs = input.review.value_or(ReviewInputs{});
    result.reviewProblem = options.rules ? reviewInputsProblem(inputs, *options.rules, record, side)
                                         : "no design rules to review the gland by";
    if (result.reviewProblem.empty()) {
      result.reviewInputs = inputs;
      result.review = reviewGland(record, side, inputs, *options.rules, options.as568);
    }
  }
  result.outcome = SessionOutcome::Results;
  result.screen = Screen::Results;
  return result;
}

SessionResult runFaceSession(const FaceInput& input, const SessionOptions& options) {
  SessionResult result;
  result.screen = Screen::Face;
  const FaceGlandTableLoad* table = options.faceTable;
  if (!table || !table->table || !options.rules) {
    const std::string why = !table ? std::string() : !table->table ? ": " + table->error : ": no rules";
    result.messages.push_back({MessageKind::Refusal, "The face seal table is not available" + why + ".", false});
    return result;
  }
  result.face = workFaceSeal(input, {*table->table, *options.rules}, options.as568, options.review);
  result.reviewProblem = result.face->reviewProblem;
  if (!result.face->design.gland) {
    result.messages.push_back({MessageKind::Refusal, result.face->design.refusal, false});
    return result;
  }
  result.outcome = SessionOutcome::Results;
  return result;
}

}  // namespace glandwise::calc

#include "model/find_seal.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

#include "model/editor.h"
#include "model/numbers.h"
#include "model/selection.h"
#include "model/sheet.h"

namespace glandwise {
namespace {

// Answers every question No and keeps each question's statement and each notice, with its
// runs of blanks closed up, as the cautions of the gland.
class CautionPrompts final : public UserPrompts {
 public:
  explicit CautionPrompts(std::vector<std::string>& cautions) : cautions_(cautions) {}
  bool askYesNo(const std::string& text, bool) override {
    keep(text.substr(0, text.find("\n\n")));
    return false;
  }
  void notify(const std::string& text, bool) override { keep(text); }

 private:
  void keep(const std::string& text) {
    std::string closed;
    for (const char c : text)
      if (c != ' ' || (!closed.empty() && closed.back() != ' ')) closed += c;
    while (!closed.empty() && closed.back() == ' ') closed.pop_back();
    cautions_.push_back(std::move(closed));
  }
  std::vector<std::string>& cautions_;
};

// The upper end of the groove-width range "0.187 to 0.192", inch; 0 when it cannot be read.
double widestGroove(const std::string& range) {
  const std::size_t to = range.find("to");
  const ParsedNumber width = to == std::string::npos ? ParsedNumber{} : parseNumber(std::string_view(range).substr(to + 2));
  return width.status == NumberStatus::Number ? width.value : 0;
}

// Calls work(i) for every i below `count` on `threads` threads, each taking the next i.
template <class Work>
void forEachIndex(std::size_t count, unsigned threads, const Work& work) {
  std::atomic<std::size_t> next = 0;
  const auto run = [&] {
    for (std::size_t i = next++; i < count; i = next++) work(i);
  };
  std::vector<std::jthread> helpers;
  for (unsigned t = 1; t < std::min<std::size_t>(threads, count); ++t) helpers.emplace_back(run);
  run();
}

// What became of one size of the table.
struct Outcome {
  std::optional<Candidate> candidate;
  std::string refusal;         // the screens refused its gland
  bool tooWideOrDeep = false;  // its gland breaks the groove-width or radial-space limit
  std::string reviewProblem;   // the review's inputs do not fit its gland
};

bool allowedBeforeWorking(const As568Size& size, const FindConstraints& c) {
  const std::optional<int> option = standardCrossSectionIndex(size.crossSection);
  if (!option || !c.crossSections[static_cast<std::size_t>(*option)]) return false;
  return !(c.smallestSealId && size.insideDiameter < *c.smallestSealId) &&
         !(c.largestSealId && size.insideDiameter > *c.largestSealId);
}

bool fitsTheSpace(const GlandRecord& r, const GlandSide& s, const FindConstraints& c) {
  const double depth = (double(r.*s.depthOuter.max) - r.*s.depthInner.min) / 2;
  return !(c.largestGrooveWidth && widestGroove(r.GW) > *c.largestGrooveWidth) &&
         !(c.largestRadialSpace && depth > *c.largestRadialSpace);
}

Outcome examine(const FindRequest& request, const As568Size& size, const As568Table& table, const RuleSet& rules,
                bool screened) {
  Outcome outcome;
  GlandInput input = candidateInput(request, size);
  WorkedGland worked = workGland(input, &table);
  if (!worked.refusal.empty()) {
    outcome.refusal = std::move(worked.refusal);
    return outcome;
  }
  const GlandSide& side = glandSide(request.glandType);
  if (!fitsTheSpace(worked.record, side, request.constraints)) {
    outcome.tooWideOrDeep = true;
    return outcome;
  }
  outcome.reviewProblem = reviewInputsProblem(request.review, rules, worked.record, side);
  if (!outcome.reviewProblem.empty()) return outcome;
  Candidate& c = outcome.candidate.emplace();
  c.size = &size;
  c.input = std::move(input);
  c.record = std::move(worked.record);
  c.cautions = std::move(worked.cautions);
  c.review = reviewForFinding(c.record, side, request.review, rules, &table, screened);
  c.judgement = judge(c.review, c.record, side, rules);
  if (!c.cautions.empty() && c.judgement.verdict != Verdict::Fail)
    c.judgement.why += "; the editor asks: " + c.cautions.front();
  const float hardware = c.record.*editorBoxVariable(side, hardwareBox(request.glandType));
  c.idStep = std::abs(double(hardware) - c.record.ID);
  return outcome;
}

std::string diameterName(GlandKind glandType) {
  return glandType == GlandKind::RodGroove ? "housing bore" : "rod";
}

// Why no size is a candidate, from what became of each one examined (in table order).
std::string noCandidateReason(const FindRequest& request, const std::vector<const As568Size*>& examined,
                              const std::vector<Outcome>& outcomes) {
  const std::string hardware = "a " + request.hardwareDia + " inch " + diameterName(request.glandType);
  if (examined.empty())
    return "no AS568 size has an allowed cross-section and a seal ID within the limits given";
  if (std::ranges::any_of(outcomes, &Outcome::tooWideOrDeep))
    return "no AS568 size fits " + hardware + " within the groove width and radial space given";
  if (const auto unfit = std::ranges::find_if(outcomes, [](const Outcome& o) { return !o.reviewProblem.empty(); });
      unfit != outcomes.end())
    return "the review's inputs fit no size's gland: " + unfit->reviewProblem;
  const auto refusedAlike = [&](const Outcome& o) { return o.refusal == outcomes.front().refusal; };
  if (std::ranges::all_of(outcomes, refusedAlike)) return "the screens refuse every size: " + outcomes.front().refusal;
  // The seal figure that the fit check compares with the rod.
  const bool addsCrossSection = glandSide(request.glandType).sealFitAddsCrossSection;
  const auto fitFigure = [&](const As568Size* s) { return s->insideDiameter + (addsCrossSection ? s->crossSection : 0); };
  const auto smallest = std::ranges::min_element(examined, {}, fitFigure);
  return "no AS568 size of the allowed cross-sections fits " + hardware + "; the smallest, -" + (*smallest)->dash +
         ", is refused: " + outcomes[static_cast<std::size_t>(smallest - examined.begin())].refusal;
}

}  // namespace

EditorBox hardwareBox(GlandKind glandType) {
  return glandType == GlandKind::RodGroove ? EditorBox::BD : EditorBox::PD;
}

EditorBox hardwareToleranceBox(GlandKind glandType) {
  return glandType == GlandKind::RodGroove ? EditorBox::BDT : EditorBox::PDT;
}

GlandInput candidateInput(const FindRequest& request, const As568Size& size) {
  GlandInput input;
  input.as568 = size.dash;
  input.glandType = request.glandType;
  (request.glandType == GlandKind::RodGroove ? input.housingDia : input.rodDia) = request.hardwareDia;
  input.pressure = request.pressure;
  if (!request.hardwareTolerance.empty())
    input.edits.push_back({hardwareToleranceBox(request.glandType), request.hardwareTolerance});
  input.review = request.review;
  return input;
}

WorkedGland workGland(const GlandInput& input, const As568Table* table) {
  WorkedGland worked;
  GlandRecord& record = worked.record;
  SelectionEntries entries;
  OkResult ok = enterSelection(record, entries, input, table);
  if (ok.outcome == OkOutcome::GoOn) ok = selectionOk(record, entries);
  if (ok.outcome != OkOutcome::GoOn) {
    worked.refusal = ok.message;
    return worked;
  }
  const GlandSide& side = glandSide(*entries.glandType);
  EditorNumbers numbers = editorLoadNumbers(record, side);
  for (const EditorEdit& edit : input.edits) numbers[static_cast<std::size_t>(edit.box)] = parseNumber(edit.text);
  CautionPrompts prompts(worked.cautions);
  ok = editorOk(record, side, numbers, prompts);
  if (ok.outcome != OkOutcome::GoOn) {
    worked.refusal = ok.message;
    return worked;
  }
  roundSheetValues(record, side);
  return worked;
}

bool ranksBefore(const RankKey& a, const RankKey& b) {
  const bool aFails = a.judgement.verdict == Verdict::Fail, bFails = b.judgement.verdict == Verdict::Fail;
  if (aFails != bFails) return bFails;
  if (a.judgement.yieldPercent != b.judgement.yieldPercent) return a.judgement.yieldPercent > b.judgement.yieldPercent;
  if (a.judgement.margin != b.judgement.margin) return a.judgement.margin > b.judgement.margin;
  if (a.crossSection != b.crossSection) return a.crossSection > b.crossSection;
  return a.idStep < b.idStep;
}

bool ranksBefore(const Candidate& a, const Candidate& b) {
  return ranksBefore(RankKey{a.judgement, a.record.W, a.idStep}, RankKey{b.judgement, b.record.W, b.idStep});
}

FindResult findSeals(const FindRequest& request, const As568Table& table, const RuleSet& rules,
                     const FindOptions& options) {
  std::vector<const As568Size*> examined;
  for (const As568Size& size : table.sizes())
    if (allowedBeforeWorking(size, request.constraints)) examined.push_back(&size);
  std::vector<Outcome> outcomes(examined.size());
  forEachIndex(examined.size(), options.threads, [&](std::size_t i) {
    outcomes[i] = examine(request, *examined[i], table, rules, !options.sampleEveryCandidate);
  });
  FindResult result;
  for (Outcome& outcome : outcomes)
    if (outcome.candidate) result.candidates.push_back(std::move(*outcome.candidate));
  std::ranges::stable_sort(result.candidates,
                           [](const Candidate& a, const Candidate& b) { return ranksBefore(a, b); });
  if (result.candidates.empty()) result.reason = noCandidateReason(request, examined, outcomes);
  return result;
}

}  // namespace glandwise

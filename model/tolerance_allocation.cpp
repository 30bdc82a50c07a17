#include "model/tolerance_allocation.h"

#include <algorithm>

#include "model/find_review.h"
#include "model/find_seal.h"
#include "model/numbers.h"

namespace glandwise {
namespace {

constexpr int kSteps = static_cast<int>(kToleranceLadder.size());

// Reviews the gland with each pair of ladder steps once, and tells which reach the target.
class PairReviews {
 public:
  PairReviews(const GlandInput& input, const As568Table* table, const RuleSet& rules, double target)
      : input_(input), table_(table), rules_(rules), target_(target) {}

  const ToleranceChoice& choice(int groove, int mating) {
    std::optional<ToleranceChoice>& choice = reviewed_[groove][mating];
    if (!choice) choice = review(kToleranceLadder[groove], kToleranceLadder[mating]);
    return *choice;
  }
  bool reaches(int groove, int mating) {
    const ToleranceChoice& c = choice(groove, mating);
    return c.verdict != Verdict::Fail && c.yieldPercent >= target_;
  }
  int count() const {
    int n = 0;
    for (const auto& row : reviewed_) n += static_cast<int>(std::ranges::count_if(row, [](const auto& c) { return c.has_value(); }));
    return n;
  }

 private:
  ToleranceChoice review(float groove, float mating) const {
    ToleranceChoice choice{groove, mating};
    const GlandInput gland = withTolerances(input_, groove, mating);
    const WorkedGland worked = workGland(gland, table_);
    if (!worked.refusal.empty() || !gland.glandType) return choice;  // refused: counts as a fail
    const GlandSide& side = glandSide(*gland.glandType);
    const ReviewInputs inputs = gland.review.value_or(ReviewInputs{});
    if (!reviewInputsProblem(inputs, rules_, worked.record, side).empty()) return choice;  // counts as a fail
    const Review review = reviewForFinding(worked.record, side, inputs, rules_, table_, true);
    const Judgement judgement = judge(review, worked.record, side, rules_);
    choice.yieldPercent = judgement.yieldPercent;
    choice.verdict = judgement.verdict;
    return choice;
  }

  const GlandInput& input_;
  const As568Table* table_;
  const RuleSet& rules_;
  double target_;
  std::array<std::array<std::optional<ToleranceChoice>, kSteps>, kSteps> reviewed_;
};

void retype(GlandInput& input, EditorBox box, float tolerance) {
  std::erase_if(input.edits, [box](const EditorEdit& edit) { return edit.box == box; });
  input.edits.push_back({box, NumberText(tolerance)});
}

}  // namespace

GlandInput withTolerances(const GlandInput& input, float groove, float mating) {
  GlandInput gland = input;
  retype(gland, EditorBox::GDT, groove);
  retype(gland, hardwareToleranceBox(gland.glandType.value_or(GlandKind::RodGroove)), mating);
  return gland;
}

ToleranceAllocation allocateTolerances(const GlandInput& input, const As568Table* table, const RuleSet& rules,
                                       double targetPercent) {
  ToleranceAllocation allocation;
  allocation.targetPercent = targetPercent;
  PairReviews pairs(input, table, rules, targetPercent);
  // The widest pair of all, when it reaches the target, is the one answer.
  if (pairs.reaches(kSteps - 1, kSteps - 1)) {
    allocation.choices.push_back(pairs.choice(kSteps - 1, kSteps - 1));
    allocation.reviewed = pairs.count();
    return allocation;
  }
  // For each groove step, the widest mating step that reaches the target: it never widens
  // as the groove's widens, so the walk goes only right or down.
  std::vector<std::pair<int, int>> edge;
  int mating = kSteps - 1;
  for (int groove = 0; groove < kSteps; ++groove) {
    while (mating >= 0 && !pairs.reaches(groove, mating)) --mating;
    if (mating < 0) break;
    edge.emplace_back(groove, mating);
  }
  // A pair whose next wider groove step keeps the same mating step is within that one.
  for (std::size_t i = 0; i < edge.size(); ++i)
    if (i + 1 == edge.size() || edge[i + 1].second < edge[i].second)
      allocation.choices.push_back(pairs.choice(edge[i].first, edge[i].second));
  std::ranges::stable_sort(allocation.choices, std::greater<>(),
                           [](const ToleranceChoice& c) { return double(c.groove) + c.mating; });
  if (allocation.choices.empty()) allocation.narrowest = pairs.choice(0, 0);
  allocation.reviewed = pairs.count();
  return allocation;
}

}  // namespace glandwise

#pragma once
// The widest machining tolerances of a gland that keep its yield at a target: for the groove
// diameter and for the mating diameter (the fixed hardware's), each a step of a ladder that
// a shop quotes, since a wider tolerance is a cheaper part.

#include <array>
#include <optional>
#include <vector>

#include "model/as568.h"
#include "model/gland_input.h"
#include "model/review.h"
#include "model/review_rules.h"

namespace glandwise {

// The ± tolerances a shop chooses from, inch, narrowest first.
inline constexpr std::array<float, 5> kToleranceLadder{0.0005f, 0.001f, 0.002f, 0.003f, 0.005f};
// A 3-sigma process: 0.27 % of parts outside.
inline constexpr double kDefaultYieldTarget = 99.73;

// One pair of tolerances and what the review makes of the gland with them.
struct ToleranceChoice {
  float groove = 0;  // ± of the groove diameter, inch
  float mating = 0;  // ± of the mating diameter, inch
  double yieldPercent = 0;
  Verdict verdict = Verdict::Fail;
};

struct ToleranceAllocation {
  double targetPercent = kDefaultYieldTarget;
  // Every pair of the ladder whose gland does not fail and reaches the target, and from
  // which one step wider on either diameter does not: the widest first (by the sum of the
  // two). Empty when even the narrowest pair falls short.
  std::vector<ToleranceChoice> choices;
  ToleranceChoice narrowest;  // when no pair reaches the target: what the narrowest pair gives
  int reviewed = 0;           // pairs reviewed on the way
};

// The gland `input` (a groove in the rod or in the housing, as the screens take it) with the
// groove's and the mating diameter's tolerances typed into the editor.
GlandInput withTolerances(const GlandInput& input, float groove, float mating);

// Searches the ladder for the widest pairs that keep the yield of `input` at or above
// `targetPercent`. The yield falls as either tolerance widens, so the search tries the
// widest pair, and when that falls short walks the edge between the pairs that reach the
// target and those that do not, from the narrowest groove tolerance and the widest mating
// one: at most one review per step of either ladder, 10 of the 25 pairs. Each pair is
// reviewed by `rules`.
ToleranceAllocation allocateTolerances(const GlandInput& input, const As568Table* table, const RuleSet& rules,
                                       double targetPercent = kDefaultYieldTarget);

}  // namespace glandwise

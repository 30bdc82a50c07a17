#pragma once
// What Find a seal takes from the design review: the one place that reads the review's
// figures, limits and statistics. The search, its ranking and its tolerance allocation see
// only a Judgement, so that they follow the review's rules and never keep rules of their own.

#include <string>
#include <vector>

#include "model/as568.h"
#include "model/gland_side.h"
#include "model/record.h"
#include "model/review.h"
#include "model/review_rules.h"

namespace glandwise {

// How a reviewed gland compares with others.
struct Judgement {
  Verdict verdict = Verdict::Pass;  // the review's overall verdict
  // Share of the review's Monte Carlo assemblies with their least and most squeezed points
  // inside the squeeze limits, %: 100 less the shares below and above (an assembly beyond
  // both limits at once, were there one, would count twice).
  double yieldPercent = 0;
  // The smallest margin of any judged figure: its distance from its nearest limit as a
  // share of the band between its limits (of 0 and the limit for a figure with one), so
  // that margins compare across checks; below 0 beyond the limit.
  double margin = 0;
  std::string limiting;  // that figure in words, e.g. "extrusion gap 0.0055 inch of 0.006 inch at 1000 psi"
  std::string why;       // one line: why the gland ranks where it does
};

// One judged figure and its margin: its distance from its nearest limit as a share of the
// band between its limits (of 0 and the limit for a figure with one), below 0 beyond it.
struct Margin {
  double share;
  std::string label;  // the figure in words
};

// The margin of a figure with an upper limit only: its band runs from 0 to the limit.
Margin belowLimit(double figure, double limit, std::string label);
// The margins of a figure that must stay at or above `lower`, or at or below `upper`.
Margin aboveLower(double figure, double lower, double upper, std::string label);
Margin underUpper(double figure, double lower, double upper, std::string label);

// What a review of any gland gives the judgement: its verdict, the yield of its statistics,
// every judged figure's margin (at least one), and the reasons the why line quotes.
struct JudgedReview {
  Verdict overall;
  double yieldPercent;
  std::vector<Margin> margins;
  std::string firstFail;     // the reason of the first finding that fails, to its first clause
  std::string firstCaution;  // that of the first finding that cautions
  const Finding& statistics;
};

// How a reviewed gland compares with others, from what its review gives.
Judgement judgeReview(const JudgedReview& review);

// The reason of a finding to its first clause.
std::string firstClause(const Finding& finding);

// The review that Find a seal ranks by: every finding as the full review has it, the
// assemblies sampled only where that decides something (`screened`), or always.
Review reviewForFinding(const GlandRecord& record, const GlandSide& side, const ReviewInputs& inputs,
                        const RuleSet& rules, const As568Table* table, bool screened);

// How `review` (of the gland `record` of `side`, by `rules`) compares with others.
Judgement judge(const Review& review, const GlandRecord& record, const GlandSide& side, const RuleSet& rules);

}  // namespace glandwise

#include "model/find_review.h"

#include <algorithm>
#include <vector>

#include "model/numbers.h"

namespace glandwise {
namespace {

std::string percent(double value) { return FigureText(value, 1) + " %"; }

bool evaluated(const Finding& finding) { return finding.verdict != Verdict::NotEvaluated; }

// Every figure that the review judges against a limit, with its margin. The limits are
// those the review used: its squeeze limits, its extrusion limit and the rules' others.
std::vector<Margin> margins(const Review& review, const GlandRecord& record, const GlandSide& side,
                            const RuleSet& rules) {
  std::vector<Margin> all;
  const ReviewLimits& limits = review.limits;
  const double low = review.squeeze.lowerLimit, high = review.squeeze.upperLimit;
  const FillReview& fill = review.fill;
  if (evaluated(fill.finding) && fill.mmc.grooveWidth > 0)
    all.push_back(belowLimit(fill.mmc.fillPercent, limits.fillPass, "fill " + percent(fill.mmc.fillPercent) + " at MMC"));
  const SqueezeReview& squeeze = review.squeeze;
  all.push_back(aboveLower(squeeze.leastPercent, low, high, "squeeze " + percent(squeeze.leastPercent) + " at its least"));
  all.push_back(underUpper(squeeze.mostPercent, low, high, "squeeze " + percent(squeeze.mostPercent) + " at its most"));
  const ExtrusionReview& extrusion = review.extrusion;
  std::string where = extrusion.largestAtF ? " at " + NumberText(float(*extrusion.largestAtF)) + " °F" : "";
  all.push_back(belowLimit(extrusion.largestClearance, extrusion.limit,
                           "extrusion gap " + FigureText(extrusion.largestClearance, 4) + " inch of " +
                               FigureText(extrusion.limit, 4) + " inch" + where));
  const StretchReview& stretch = review.stretch;
  const std::string range = "stretch " + FigureText(stretch.smallestPercent, 1) + " to " + percent(stretch.largestPercent);
  all.push_back(belowLimit(stretch.largestPercent, limits.stretchMax, range));
  if (const Rule* least = rules.find(side.kind, RuleKind::StretchMin, record.W))
    all.push_back(aboveLower(stretch.smallestPercent, least->value, limits.stretchMax, range));
  const TemperatureReview& t = review.temperature;
  if (evaluated(t.finding)) {
    all.push_back(aboveLower(t.coldSqueezePercent, low, high, "squeeze " + percent(t.coldSqueezePercent) + " cold"));
    all.push_back(underUpper(t.hotSqueezePercent, low, high, "squeeze " + percent(t.hotSqueezePercent) + " hot"));
    if (t.hotFillPercent > 0)
      all.push_back(belowLimit(t.hotFillPercent, limits.serviceFillPass, "fill " + percent(t.hotFillPercent) + " hot"));
  }
  const SwellReview& swell = review.swell;
  if (evaluated(swell.finding)) {
    all.push_back(aboveLower(swell.squeezePercent, low, high, "squeeze " + percent(swell.squeezePercent) + " after swell"));
    all.push_back(underUpper(swell.squeezePercent, low, high, "squeeze " + percent(swell.squeezePercent) + " after swell"));
    if (swell.fillPercent > 0)
      all.push_back(belowLimit(swell.fillPercent, limits.serviceFillPass, "fill " + percent(swell.fillPercent) + " after swell"));
  }
  return all;
}

// The reason of the first finding that gave `verdict`, to its first clause.
std::string findingOf(const Review& review, Verdict verdict) {
  for (const Finding* finding : {&review.fill.finding, &review.squeeze.finding, &review.extrusion.finding,
                                 &review.stretch.finding, &review.temperature.finding, &review.swell.finding,
                                 &review.statistics.finding})
    if (finding->verdict == verdict) return firstClause(*finding);
  return {};
}

}  // namespace

Margin belowLimit(double figure, double limit, std::string label) { return {(limit - figure) / limit, std::move(label)}; }

Margin aboveLower(double figure, double lower, double upper, std::string label) {
  return {(figure - lower) / (upper - lower), std::move(label)};
}
Margin underUpper(double figure, double lower, double upper, std::string label) {
  return {(upper - figure) / (upper - lower), std::move(label)};
}

std::string firstClause(const Finding& finding) { return finding.reason.substr(0, finding.reason.find(';')); }

Judgement judgeReview(const JudgedReview& review) {
  Judgement judgement;
  judgement.verdict = review.overall;
  judgement.yieldPercent = review.yieldPercent;
  const Margin& smallest = *std::ranges::min_element(review.margins, {}, &Margin::share);
  judgement.margin = smallest.share;
  judgement.limiting = smallest.label;
  if (review.overall == Verdict::Fail)
    judgement.why = "fails: " + review.firstFail;
  else if (review.statistics.verdict == Verdict::Caution)
    judgement.why = "yield " + FigureText(judgement.yieldPercent, 2) + " %: " + review.statistics.reason;
  else if (review.overall == Verdict::Caution)
    judgement.why = "caution: " + review.firstCaution;
  else
    judgement.why = "limited by " + smallest.label;
  return judgement;
}

Review reviewForFinding(const GlandRecord& record, const GlandSide& side, const ReviewInputs& inputs,
                        const RuleSet& rules, const As568Table* table, bool screened) {
  return reviewGland(record, side, inputs, rules, table, kMonteCarloSamples,
                     screened ? ReviewDepth::Screened : ReviewDepth::Full);
}

Judgement judge(const Review& review, const GlandRecord& record, const GlandSide& side, const RuleSet& rules) {
  const StatisticsReview& statistics = review.statistics;
  return judgeReview({review.overall, 100 - statistics.belowPercent - statistics.abovePercent,
                      margins(review, record, side, rules), findingOf(review, Verdict::Fail),
                      findingOf(review, Verdict::Caution), statistics.finding});
}

}  // namespace glandwise

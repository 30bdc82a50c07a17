#include "model/find_review.h"

#include <algorithm>
#include <vector>

#include "model/numbers.h"

namespace glandwise {
namespace {

// One judged figure of the review and its margin.
struct Margin {
  double share;       // distance from the nearest limit over the band, < 0 beyond it
  std::string label;  // the figure in words
};

// The margin of a figure with an upper limit only: its band runs from 0 to the limit.
Margin belowLimit(double figure, double limit, std::string label) {
  return {(limit - figure) / limit, std::move(label)};
}

// The margin of a figure that must stay at or above `lower` (its band runs to `upper`).
Margin aboveLower(double figure, double lower, double upper, std::string label) {
  return {(figure - lower) / (upper - lower), std::move(label)};
}

Margin underUpper(double figure, double lower, double upper, std::string label) {
  return {(upper - figure) / (upper - lower), std::move(label)};
}

std::string percent(double value) { return FigureText(value, 1) + " %"; }
std::string degrees(double value) { return NumberText(static_cast<float>(value)) + " °F"; }

// Every figure that the review judges against a limit, with its margin.
std::vector<Margin> margins(const Review& review, const GlandSide& side, const ReviewInputs& in) {
  std::vector<Margin> all;
  const FillReview& fill = review.fill;
  if (fill.mmc.grooveWidth > 0) {
    for (const auto& [condition, where] : {std::pair{&fill.nominal, "at nominal"}, std::pair{&fill.mmc, "at MMC"},
                                           std::pair{&fill.lmc, "at LMC"},
                                           std::pair{&fill.worstEccentric, "at the loaded side"}})
      all.push_back(belowLimit(condition->fillPercent, kFillPassLimit, "fill " + percent(condition->fillPercent) + " " + where));
    all.push_back(belowLimit(review.temperature.hotFillPercent, kFillPassLimit,
                             "fill " + percent(review.temperature.hotFillPercent) + " at " + degrees(in.tempMaxF)));
    all.push_back(belowLimit(review.swell.fillPercent, kFillPassLimit,
                             "fill " + percent(review.swell.fillPercent) + " after " + FigureText(in.swellPercent, 1) +
                                 " % swell"));
  }
  const ExtrusionReview& extrusion = review.extrusion;
  all.push_back(belowLimit(extrusion.diametralClearance, extrusion.limit,
                           "extrusion gap " + FigureText(extrusion.diametralClearance, 4) + " inch of " +
                               FigureText(extrusion.limit, 3) + " inch"));
  const StretchReview& stretch = review.stretch;
  if (stretch.known) {
    const std::string range = "stretch " + FigureText(stretch.smallestPercent, 1) + " to " +
                              FigureText(stretch.largestPercent, 1) + " %";
    all.push_back(belowLimit(stretch.largestPercent, kStretchCautionLimit, range));
    if (side.kind == GlandKind::RodGroove)
      all.push_back(aboveLower(stretch.smallestPercent, 0, kStretchCautionLimit, range));
  }
  const double low = in.squeezeMinPercent, high = in.squeezeMaxPercent;
  const TemperatureReview& t = review.temperature;
  all.push_back(aboveLower(t.coldSqueezePercent, low, high,
                           "squeeze " + percent(t.coldSqueezePercent) + " at " + degrees(in.tempMinF)));
  all.push_back(underUpper(t.hotSqueezePercent, low, high,
                           "squeeze " + percent(t.hotSqueezePercent) + " at " + degrees(in.tempMaxF)));
  return all;
}

// The reason of a finding up to its explanation: "fill 92.1 % at MMC is above 90 %".
std::string figureOf(const Finding& finding) { return finding.reason.substr(0, finding.reason.find(':')); }

// The figures of the worst findings that gave `verdict`.
std::string findingsOf(const Review& review, Verdict verdict) {
  for (const Finding* finding : {&review.fill.finding, &review.extrusion.finding, &review.stretch.finding,
                                 &review.temperature.finding, &review.swell.finding, &review.statistics.finding})
    if (finding->verdict == verdict) return figureOf(*finding);
  return {};
}

}  // namespace

Review reviewForFinding(const GlandRecord& record, const GlandSide& side, const ReviewInputs& inputs,
                        const As568Table* table, bool screened) {
  return reviewGland(record, side, inputs, table, screened ? ReviewDepth::Screened : ReviewDepth::Full);
}

Judgement judge(const Review& review, const GlandSide& side, const ReviewInputs& inputs) {
  Judgement judgement;
  judgement.verdict = review.overall;
  const StatisticsReview& statistics = review.statistics;
  judgement.yieldPercent = 100 - statistics.belowPercent - statistics.abovePercent;
  const std::vector<Margin> all = margins(review, side, inputs);
  const Margin& smallest = *std::ranges::min_element(all, {}, &Margin::share);
  judgement.margin = smallest.share;
  judgement.limiting = smallest.label;
  if (review.overall == Verdict::Fail)
    judgement.why = "fails: " + findingsOf(review, Verdict::Fail);
  else if (statistics.finding.verdict != Verdict::Pass)
    judgement.why = "yield " + FigureText(judgement.yieldPercent, 2) + " %: " + figureOf(statistics.finding);
  else if (review.overall == Verdict::Caution)
    judgement.why = "caution: " + findingsOf(review, Verdict::Caution);
  else
    judgement.why = "limited by " + smallest.label;
  return judgement;
}

}  // namespace glandwise

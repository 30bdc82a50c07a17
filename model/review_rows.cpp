#include "model/review_rows.h"

#include <algorithm>
#include <cstdio>

namespace glandwise {
namespace {

// `value` with `decimals` decimals and `unit` after it.
std::string fixed(double value, int decimals, const char* unit) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f%s", decimals, value, unit);
  return text;
}

std::string fillFigure(const FillReview& fill) {
  const double largest = std::max({fill.nominal.fillPercent, fill.mmc.fillPercent, fill.lmc.fillPercent,
                                   fill.worstEccentric.fillPercent});
  return fixed(fill.nominal.fillPercent, 1, " % nominal, ") + fixed(largest, 1, " % largest");
}

std::string stretchFigure(const StretchReview& stretch) {
  if (!stretch.known) return "no seal ID tolerance";
  return fixed(stretch.smallestPercent, 2, " to ") + fixed(stretch.largestPercent, 2, " %");
}

std::string statisticsFigure(const StatisticsReview& s) {
  return "mean " + fixed(s.mean, 1, " %, σ ") + fixed(s.sigma, 2, " %; ") + fixed(s.belowPercent, 2, " % below, ") +
         fixed(s.abovePercent, 2, " % above");
}

}  // namespace

std::vector<ReviewRow> reviewRows(const Review& r) {
  return {
      {"Gland fill", fillFigure(r.fill), r.fill.finding.verdict, r.fill.finding.reason},
      {"Extrusion", fixed(r.extrusion.diametralClearance, 4, " in, limit ") + fixed(r.extrusion.limit, 3, " in"),
       r.extrusion.finding.verdict, r.extrusion.finding.reason},
      {"Stretch", stretchFigure(r.stretch), r.stretch.finding.verdict, r.stretch.finding.reason},
      {"Temperature",
       fixed(r.temperature.coldSqueezePercent, 1, " % cold, ") + fixed(r.temperature.hotSqueezePercent, 1, " % hot"),
       r.temperature.finding.verdict, r.temperature.finding.reason},
      {"Fluid swell", fixed(r.swell.squeezePercent, 1, " % squeeze, ") + fixed(r.swell.fillPercent, 1, " % fill"),
       r.swell.finding.verdict, r.swell.finding.reason},
      {"Squeeze statistics", statisticsFigure(r.statistics), r.statistics.finding.verdict,
       r.statistics.finding.reason},
  };
}

}  // namespace glandwise

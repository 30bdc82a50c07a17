#include "model/review_rows.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "model/numbers.h"
#include "model/review_form.h"

namespace glandwise {
namespace {

// `value` with `decimals` decimals and `unit` after it.
std::string fixed(double value, int decimals, const char* unit) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f%s", decimals, value, unit);
  return text;
}

std::string plain(double value) { return NumberText(float(value)); }

std::string fillFigure(const FillReview& fill) {
  return fixed(fill.nominal.fillPercent, 1, " % nominal, ") + fixed(fill.mmc.fillPercent, 1, " % at MMC (") +
         fixed(fill.worstEccentric.fillPercent, 1, " % locally, loaded side)");
}

std::string stretchFigure(const StretchReview& stretch) {
  return fixed(stretch.smallestPercent, 1, " to ") + fixed(stretch.largestPercent, 1, " %") +
         (stretch.known ? "" : " (nominal ID)");
}

std::string statisticsFigure(const StatisticsReview& s) {
  return "mean " + fixed(s.mean, 1, " %, σ ") + fixed(s.sigma, 2, " %; ") + fixed(s.belowPercent, 2, " % below, ") +
         fixed(s.abovePercent, 2, " % above");
}

// A figure, or nothing for a check that was not evaluated.
std::string evaluated(const Finding& finding, const std::string& figure) {
  return finding.verdict == Verdict::NotEvaluated ? std::string() : figure;
}

}  // namespace

std::vector<ReviewRow> reviewRows(const Review& r) {
  const auto row = [](const char* key, const char* name, const Finding& finding, const std::string& figure) {
    return ReviewRow{key, name, evaluated(finding, figure), finding.verdict, finding.reason, finding.remedy};
  };
  const ExtrusionReview& e = r.extrusion;
  return {
      row("fill", "Gland fill", r.fill.finding, fillFigure(r.fill)),
      row("squeeze", "Squeeze", r.squeeze.finding,
          fixed(r.squeeze.leastPercent, 1, " to ") + fixed(r.squeeze.mostPercent, 1, " %, limits ") +
              plain(r.squeeze.lowerLimit) + " to " + plain(r.squeeze.upperLimit) + " %"),
      row("extrusion", "Extrusion", e.finding, fixed(e.largestClearance, 4, " in, limit ") + fixed(e.limit, 4, " in")),
      row("stretch", "Stretch", r.stretch.finding, stretchFigure(r.stretch)),
      row("temperature", "Temperature", r.temperature.finding,
          fixed(r.temperature.coldSqueezePercent, 1, " % to ") + fixed(r.temperature.hotSqueezePercent, 1, " %, fill ") +
              fixed(r.temperature.hotFillPercent, 1, " %")),
      row("swell", "Fluid swell", r.swell.finding,
          fixed(r.swell.squeezePercent, 1, " % squeeze, ") + fixed(r.swell.fillPercent, 1, " % fill")),
      row("statistics", "Squeeze statistics", r.statistics.finding, statisticsFigure(r.statistics)),
  };
}

std::string reviewHeadline(const Review& review) {
  std::string headline = std::string(verdictName(review.overall));
  std::transform(headline.begin(), headline.end(), headline.begin(), [](unsigned char c) { return std::toupper(c); });
  std::vector<std::string> skipped;
  for (const ReviewRow& row : reviewRows(review))
    if (row.verdict == Verdict::NotEvaluated) skipped.push_back(row.key);
  for (std::size_t i = 0; i < skipped.size(); ++i)
    headline += (i == 0 ? " — " : i + 1 == skipped.size() ? " and " : ", ") + skipped[i];
  return skipped.empty() ? headline : headline + " not evaluated";
}

std::vector<SqueezeMark> squeezeMarks(const Review& r) {
  using enum SqueezeMarkKind;
  return {{Limit, "lower limit", r.squeeze.lowerLimit},
          {Limit, "upper limit", r.squeeze.upperLimit},
          {ConcentricLmc, "LMC (concentric)", r.squeeze.lmcPercent},
          {ConcentricMmc, "MMC (concentric)", r.squeeze.mmcPercent},
          {LeastSqueezed, "least squeezed (LMC, unloaded side)", r.squeeze.leastPercent},
          {MostSqueezed, "most squeezed (MMC, loaded side)", r.squeeze.mostPercent}};
}

std::string statisticsAssumptions(const Review& r) {
  return std::to_string(r.statistics.samples) +
         " assemblies at room temperature: each toleranced dimension normal about its nominal, its "
         "tolerance taken as ±" + plain(r.statistics.toleranceSigmas) + " standard deviations (" +
         (r.stretch.known ? "the seal ID's too" : "the seal ID at its nominal, its tolerance unknown") +
         "); the mating part off centre by an offset uniform over the disc of its radial clearance and "
         "half the eccentricity allowance, in a random direction. Below the lower limit counts each "
         "assembly's least squeezed point, above the upper its most squeezed point; the histogram holds both.";
}

std::string glandDimensionsText(const GlandRecord& r, const GlandSide& s, const Review& review) {
  // A toleranced diameter: "1.2500 ± 0.0010 inch".
  const auto diameter = [&r](const Diameter& d) {
    return fixed(r.*d.nominal, 4, " ± ") + fixed(r.*d.tolerance, 4, " inch");
  };
  const bool rodGroove = s.kind == GlandKind::RodGroove;
  const StretchReview& stretch = review.stretch;
  std::string text = "Seal cross-section " + fixed(r.W, 4, " ± ") + fixed(r.WT, 4, " inch, ID ") +
                     fixed(r.ID, 4, stretch.known ? " ± " : " inch (tolerance unknown)");
  if (stretch.known) text += fixed(stretch.sealIdTolerance, 4, " inch (") + stretch.toleranceSource + ")";
  text += "; housing bore " + diameter(s.bore) + "; rod " + diameter(s.rod) + "; groove diameter " +
          diameter(s.groove) + (rodGroove ? " (in the rod)" : " (in the housing)");
  const FillReview& fill = review.fill;  // its widths are those the review used; none when unknown
  text += "; groove width " + (fill.mmc.grooveWidth == 0 ? "\"" + r.GW + "\""
                                                         : fixed(fill.mmc.grooveWidth, 4, " to ") +
                                                               fixed(fill.lmc.grooveWidth, 4, " inch"));
  text += "; gland height " + fixed(r.*s.GH, 4, " inch (") + fixed(r.*s.GHMin, 4, " to ") + fixed(r.*s.GHMax, 4, " inch)");
  return text + "; eccentricity allowance " + fixed(r.ECC, 4, " inch; pressure ") + plain(r.PR) + " psi.";
}

std::string reviewInputsText(const ReviewInputs& in, const Review& review) {
  // Each material with the coefficient in use: the one typed for a custom one, else its own.
  const auto material = [](const std::string& name, double alpha) {
    return name + " (" + reviewBoxText(float(alpha)) + " per °F)";  // as its box shows it
  };
  const std::string groove = material(review.grooveMetalName, review.alphaGroovePerF);
  const std::string mating = material(review.matingMetalName, review.alphaMatingPerF);
  std::string text = "Hardness " + std::to_string(in.hardness) + " Shore A; compound " +
                     material(review.compoundName, review.alphaSealPerF);
  text += groove == mating ? "; metal " + groove : "; grooved part " + groove + ", mating part " + mating;
  text += in.tempMinF && in.tempMaxF ? "; temperature " + plain(*in.tempMinF) + " to " + plain(*in.tempMaxF) + " °F"
                                     : "; no service temperatures";
  text += in.swellPercent ? "; fluid swell " + plain(*in.swellPercent) + " %" : "; no fluid swell";
  text += "; groove bottom radius " + plain(in.grooveRadius) + " inch";
  if (in.grooveWidth) text += "; groove width " + plain((*in.grooveWidth)[0]) + " to " + plain((*in.grooveWidth)[1]) + " inch";
  text += "; squeeze limits " + plain(review.squeeze.lowerLimit) + " to " + plain(review.squeeze.upperLimit) + " %" +
          (in.squeezeLimits ? " (typed)" : "") + "; seal ID tolerance ";
  const StretchReview& stretch = review.stretch;
  text += stretch.known ? "± " + plain(stretch.sealIdTolerance) + " inch (" + stretch.toleranceSource + ")" : "none";
  return text + "; rules " + review.rulesName + " (" + review.rulesFile + ").";
}

}  // namespace glandwise

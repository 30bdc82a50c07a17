#include "model/review_cells.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "model/review_rows.h"

namespace glandwise {
namespace {

// "PASS", "CAUTION", "FAIL", "NOT EVALUATED": the verdict as the window writes it.
std::string verdictWord(Verdict verdict) {
  std::string word(verdictName(verdict));
  std::ranges::transform(word, word.begin(), [](unsigned char c) { return char(std::toupper(c)); });
  return word;
}

// The limit a two-level rule names in its reason: the upper one once beyond it, else the lower.
double namedLimit(Verdict verdict, double pass, double caution) { return verdict == Verdict::Fail ? caution : pass; }

// `value` as std::to_chars writes it with `format...`: with a decimal point whatever the C
// locale. Room for any double, even in fixed notation.
template <class... Format>
std::string number(double value, Format... format) {
  char text[400];
  return {text, std::to_chars(text, text + sizeof text, value, format...).ptr};
}

// One line: `row`, the figure to `decimals` decimals (none for a check not evaluated), the
// limit in its shortest form, and the check's finding.
std::string line(const char* row, double figure, int decimals, double limit, const Finding& finding) {
  const bool evaluated = finding.verdict != Verdict::NotEvaluated;
  return std::string(row) + '\t' + (evaluated ? number(figure, std::chars_format::fixed, decimals) : "") + '\t' +
         number(limit) + '\t' + verdictWord(finding.verdict) + '\t' + finding.reason + '\n';
}

}  // namespace

std::string reviewCells(const Review& r, const ReviewInputs& in) {
  const ReviewLimits& limits = r.limits;
  const double lower = r.squeeze.lowerLimit, upper = r.squeeze.upperLimit;
  std::string cells = "Row\tFigure\tLimit\tVerdict\tReason\nOverall\t\t\t" + verdictWord(r.overall) + '\t' +
                      reviewHeadline(r) + '\n';
  const Finding& fill = r.fill.finding;
  cells += line("Gland fill at MMC (%)", r.fill.mmc.fillPercent, 1,
                namedLimit(fill.verdict, limits.fillPass, limits.fillCaution), fill);
  cells += line("Squeeze, least (%)", r.squeeze.leastPercent, 1, lower, r.squeeze.finding);
  cells += line("Squeeze, most (%)", r.squeeze.mostPercent, 1, upper, r.squeeze.finding);
  cells += line("Extrusion, largest diametral clearance (inch)", r.extrusion.largestClearance, 4, r.extrusion.limit,
                r.extrusion.finding);
  cells += line("Stretch, largest (%)", r.stretch.largestPercent, 1, limits.stretchMax, r.stretch.finding);
  const TemperatureReview& t = r.temperature;
  const double serviceFill = namedLimit(t.finding.verdict, limits.serviceFillPass, limits.serviceFillCaution);
  cells += line("Temperature, least squeeze (%)", t.coldSqueezePercent, 1, lower, t.finding);
  cells += line("Temperature, most squeeze (%)", t.hotSqueezePercent, 1, upper, t.finding);
  cells += line("Temperature, fill at MMC (%)", t.hotFillPercent, 1, serviceFill, t.finding);
  const SwellReview& sw = r.swell;
  cells += line("Fluid swell, squeeze (%)", sw.squeezePercent, 1, in.swellPercent.value_or(0) < 0 ? lower : upper,
                sw.finding);
  cells += line("Fluid swell, fill at MMC (%)", sw.fillPercent, 1,
                namedLimit(sw.finding.verdict, limits.serviceFillPass, limits.serviceFillCaution), sw.finding);
  const StatisticsReview& st = r.statistics;
  cells += line("Squeeze statistics, outside the limits (%)", st.belowPercent + st.abovePercent, 2,
                namedLimit(st.finding.verdict, limits.outsideCaution, limits.outsideFail), st.finding);
  return cells;
}

}  // namespace glandwise

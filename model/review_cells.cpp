#include "model/review_cells.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

namespace glandwise {
namespace {

// "PASS", "CAUTION", "FAIL": the verdict as the window writes it.
std::string verdictWord(Verdict verdict) {
  std::string word(verdictName(verdict));
  std::ranges::transform(word, word.begin(), [](unsigned char c) { return char(std::toupper(c)); });
  return word;
}

// The limit a two-level rule names in its reason: the fail limit once failed, else the caution limit.
double namedLimit(Verdict verdict, double caution, double fail) { return verdict == Verdict::Fail ? fail : caution; }

// `value` as std::to_chars writes it with `format...`: with a decimal point whatever the C
// locale. Room for any double, even in fixed notation.
template <class... Format>
std::string number(double value, Format... format) {
  char text[400];
  return {text, std::to_chars(text, text + sizeof text, value, format...).ptr};
}

// One line: `row`, the figure to `decimals` decimals (none when unknown), the limit in its
// shortest form, and the check's finding.
std::string line(const char* row, std::optional<double> figure, int decimals, double limit, const Finding& finding) {
  return std::string(row) + '\t' + (figure ? number(*figure, std::chars_format::fixed, decimals) : "") + '\t' +
         number(limit) + '\t' + verdictWord(finding.verdict) + '\t' + finding.reason + '\n';
}

}  // namespace

std::string reviewCells(const Review& r, const ReviewInputs& in) {
  std::string cells = "Row\tFigure\tLimit\tVerdict\tReason\nOverall\t\t\t" + verdictWord(r.overall) + "\t\n";
  const FillReview& f = r.fill;
  const double largestFill = std::max({f.nominal.fillPercent, f.mmc.fillPercent, f.lmc.fillPercent,
                                       f.worstEccentric.fillPercent});
  cells += line("Gland fill, largest (%)", largestFill, 1, namedLimit(f.finding.verdict, kFillCaution, kFillFail),
             f.finding);
  cells += line("Extrusion, diametral clearance (inch)", r.extrusion.diametralClearance, 4, r.extrusion.limit,
             r.extrusion.finding);
  const StretchReview& s = r.stretch;
  cells += line("Stretch, largest (%)", s.known ? std::optional(s.largestPercent) : std::nullopt, 2, kStretchCaution,
             s.finding);
  const TemperatureReview& t = r.temperature;
  cells += line("Temperature, cold squeeze (%)", t.coldSqueezePercent, 2, in.squeezeMinPercent, t.finding);
  cells += line("Temperature, hot squeeze (%)", t.hotSqueezePercent, 2, in.squeezeMaxPercent, t.finding);
  cells += line("Fluid swell, fill (%)", r.swell.fillPercent, 1,
             namedLimit(r.swell.finding.verdict, kFillCaution, kFillFail), r.swell.finding);
  const StatisticsReview& st = r.statistics;
  cells += line("Squeeze statistics, outside the limits (%)", st.belowPercent + st.abovePercent, 2,
             namedLimit(st.finding.verdict, kOutsideCaution, kOutsideFail), st.finding);
  return cells;
}

}  // namespace glandwise

#include "model/review.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "model/numbers.h"
#include "model/sampling.h"
#include "model/shrinkage.h"

namespace glandwise {
namespace {

using std::numbers::pi;

// Linear expansion coefficients, 1/°F. Elastomers: typical values for the compound
// families (confirm with the compound's data sheet). Metals: carbon steel AISI 4140,
// 300-series stainless steel and wrought aluminium, from published handbook tables.
constexpr double kNbrExpansion = 130e-6;
constexpr double kFkmExpansion = 90e-6;
constexpr double kEpdmExpansion = 89e-6;
constexpr double kSiliconeExpansion = 150e-6;
constexpr double kCarbonSteelExpansion = 6.2e-6;
constexpr double kStainlessExpansion = 9.6e-6;
constexpr double kAluminiumExpansion = 12.6e-6;
constexpr double kRoomTemperatureF = 70;

// The largest safe diametral clearance (inch) of o-rings without back-up rings by
// hardness (rows: 70, 80, 90 Shore A) and pressure band (below 500 psi, 500 to below 1000,
// 1000 to below 1500, 1500 and above). The 70 and 90 rows follow published limits of
// diametral clearance for o-rings without back-up rings; the 80 row is their mean.
constexpr int kHardnesses[] = {70, 80, 90};
constexpr double kBandEdges[] = {500, 1000, 1500};
constexpr double kClearanceLimits[3][4] = {
    {0.016, 0.010, 0.006, 0.004},
    {0.022, 0.017, 0.013, 0.010},
    {0.028, 0.024, 0.020, 0.016},
};

// Clearance above this share of the limit is close to extruding.
constexpr double kExtrusionMargin = 0.9;

std::string text(double value, int decimals) {
  return NumberText(RoundDecimals(static_cast<float>(value), decimals));
}

Verdict worse(Verdict a, Verdict b) { return std::max(a, b); }

// Keeps the worst of several findings, and the reasons of the worst kind.
void merge(Finding& into, const Finding& finding) {
  if (finding.verdict > into.verdict) into = finding;
  else if (finding.verdict == into.verdict && finding.verdict != Verdict::Pass) into.reason += "; " + finding.reason;
}

Finding fillFinding(double fillPercent, const std::string& where) {
  const std::string figure = "fill " + text(fillPercent, 1) + " % " + where;
  if (!(fillPercent <= kFillFail)) return {Verdict::Fail, figure + " is above 90 %: the seal has no room in the groove"};
  if (fillPercent > kFillCaution)
    return {Verdict::Caution, figure + " is above 85 %: little room for swell and heat"};
  return {Verdict::Pass, figure + " is at most 85 %"};
}

// The groove-width range of the standard gland, "0.187 to 0.192": minimum and maximum.
std::optional<std::array<double, 2>> grooveWidths(const std::string& range) {
  const std::size_t to = range.find("to");
  if (to == std::string::npos) return std::nullopt;
  const ParsedNumber low = parseNumber(std::string_view(range).substr(0, to));
  const ParsedNumber high = parseNumber(std::string_view(range).substr(to + 2));
  if (low.status != NumberStatus::Number || high.status != NumberStatus::Number) return std::nullopt;
  return std::array<double, 2>{low.value, high.value};
}

// The seal's share of the groove's cross-section area, %: two bottom corners of radius r
// take their area off the rectangle of gland height by groove width.
double fillPercent(double effective, double height, double width, double radius) {
  const double grooveArea = height * width - 2 * radius * radius * (1 - pi / 4);
  const double sealArea = pi / 4 * effective * effective;
  return grooveArea > 0 ? sealArea / grooveArea * 100 : HUGE_VAL;
}

double squeezePercent(double effective, double height) { return (effective - height) / effective * 100; }

}  // namespace

FillReview reviewFill(const GlandRecord& r, const GlandSide& s, const ReviewInputs& in) {
  FillReview fill{};
  const std::optional<std::array<double, 2>> widths = grooveWidths(r.GW);
  if (!widths) {
    fill.finding = {Verdict::Caution, "the groove width \"" + r.GW + "\" is unknown: fill not assessed"};
    return fill;
  }
  const double narrow = (*widths)[0], wide = (*widths)[1], middle = (narrow + wide) / 2;
  const auto condition = [&](double effective, double height, double width, const char* where) {
    const double percent = fillPercent(effective, height, width, in.grooveRadius);
    return FillCondition{effective, height, width, percent, fillFinding(percent, where)};
  };
  fill.nominal = condition(r.*s.EW, r.*s.GH, middle, "at nominal");
  fill.mmc = condition(r.*s.EWMax, r.*s.GHMin, narrow, "at MMC");
  fill.lmc = condition(r.*s.EWMin, r.*s.GHMax, wide, "at LMC");
  fill.worstEccentric = condition(r.*s.EWMax, r.*s.GHMinE, narrow, "at worst-case eccentric (loaded side)");
  fill.finding = {Verdict::Pass, "fill at most 85 % at every condition"};
  for (const FillCondition* c : {&fill.nominal, &fill.mmc, &fill.lmc, &fill.worstEccentric})
    if (c->finding.verdict != Verdict::Pass) merge(fill.finding, c->finding);
  return fill;
}

namespace {

ExtrusionReview reviewExtrusion(const GlandRecord& r, const GlandSide& s, const ReviewInputs& in) {
  ExtrusionReview e{};
  e.diametralClearance = double(r.*s.bore.max) - r.*s.rod.min;
  e.limit = extrusionClearanceLimit(in.hardness, r.PR);
  const std::string figures = "diametral clearance " + text(e.diametralClearance, 4) + " inch against " +
                              text(e.limit, 3) + " inch for " + std::to_string(in.hardness) +
                              " Shore A at " + NumberText(r.PR) + " psi";
  if (e.diametralClearance > e.limit)
    e.finding = {Verdict::Fail, figures + ": the seal will extrude; use a harder compound or a back-up ring"};
  else if (e.diametralClearance > kExtrusionMargin * e.limit)
    e.finding = {Verdict::Caution, figures + ": within 10 % of the limit"};
  else
    e.finding = {Verdict::Pass, figures};
  return e;
}

double effectiveCrossSection(double w, double stretchPercent, const GlandSide& s) {
  return s.unstretched(stretchPercent) ? w : stretchedCrossSection(w, stretchPercent, false);
}

StretchReview reviewStretch(const GlandRecord& r, const GlandSide& s, const ReviewInputs& in,
                            const As568Size* size) {
  StretchReview st{};
  if (in.sealIdTolerance) {
    st.sealIdTolerance = *in.sealIdTolerance;
    st.toleranceSource = "typed";
  } else if (size) {
    st.sealIdTolerance = size->insideDiameterTolerance;
    st.toleranceSource = "AS568 -" + size->dash;
  } else {
    st.toleranceSource = "none";
    st.finding = {Verdict::Caution,
                  "stretch range unknown: type the seal's inside-diameter tolerance or use an AS568 size"};
    return st;
  }
  st.known = true;
  const double largestId = double(r.ID) + st.sealIdTolerance, smallestId = double(r.ID) - st.sealIdTolerance;
  st.smallestPercent = (double(r.*s.stretchedOnto.min) - largestId) / largestId * 100;
  st.largestPercent = (double(r.*s.stretchedOnto.max) - smallestId) / smallestId * 100;
  st.effectiveAtSmallest = effectiveCrossSection(r.W, st.smallestPercent, s);
  st.effectiveAtLargest = effectiveCrossSection(r.W, st.largestPercent, s);
  const std::string range = "stretch " + text(st.smallestPercent, 2) + " to " + text(st.largestPercent, 2) + " %";
  st.finding = {Verdict::Pass, range + " with the seal ID tolerance ±" + NumberText(st.sealIdTolerance)};
  if (s.kind == GlandKind::RodGroove && st.smallestPercent < 0)
    merge(st.finding, {Verdict::Caution, range + ": below 0 % the seal can sit loose in the groove"});
  if (st.largestPercent > kStretchCaution)
    merge(st.finding, {Verdict::Caution, range + ": above 5 % shortens the seal's life"});
  return st;
}

double compoundAlpha(const ReviewInputs& in) {
  return in.compound == Compound::Custom ? in.alphaSealPerF : compoundExpansion(in.compound);
}

double metalAlpha(const ReviewInputs& in) {
  return in.metal == Metal::Custom ? in.alphaMetalPerF : metalExpansion(in.metal);
}

TemperatureReview reviewTemperature(const GlandRecord& r, const GlandSide& s, const ReviewInputs& in,
                                    const FillReview& fill) {
  TemperatureReview t{};
  const double seal = compoundAlpha(in), metal = metalAlpha(in);
  const double cold = in.tempMinF - kRoomTemperatureF, hot = in.tempMaxF - kRoomTemperatureF;
  const double coldSeal = r.*s.EWMin * (1 + seal * cold), coldHeight = r.*s.GHMaxE * (1 + metal * cold);
  const double hotSeal = r.*s.EWMax * (1 + seal * hot), hotHeight = r.*s.GHMinE * (1 + metal * hot);
  t.coldSqueezePercent = squeezePercent(coldSeal, coldHeight);
  t.hotSqueezePercent = squeezePercent(hotSeal, hotHeight);
  t.hotFillPercent = fill.worstEccentric.grooveWidth > 0
                         ? fillPercent(hotSeal, hotHeight, fill.worstEccentric.grooveWidth, in.grooveRadius)
                         : 0;
  const std::string range = NumberText(float(in.tempMinF)) + " to " + NumberText(float(in.tempMaxF)) + " °F";
  t.finding = {Verdict::Pass, "squeeze " + text(t.coldSqueezePercent, 2) + " % cold, " +
                                  text(t.hotSqueezePercent, 2) + " % hot over " + range};
  if (const auto service = compoundServiceRange(in.compound);
      service && (in.tempMinF < (*service)[0] || in.tempMaxF > (*service)[1]))
    merge(t.finding, {Verdict::Caution, range + " leaves the compound's usual service range " +
                                            NumberText(float((*service)[0])) + " to " +
                                            NumberText(float((*service)[1])) + " °F"});
  if (t.coldSqueezePercent <= 0)
    merge(t.finding, {Verdict::Fail, "no squeeze left at " + NumberText(float(in.tempMinF)) +
                                         " °F (LMC, unloaded side): the seal loses contact"});
  else if (t.coldSqueezePercent < in.squeezeMinPercent)
    merge(t.finding, {Verdict::Caution, "squeeze " + text(t.coldSqueezePercent, 2) + " % at " +
                                            NumberText(float(in.tempMinF)) + " °F is below the lower limit"});
  if (t.hotSqueezePercent > in.squeezeMaxPercent)
    merge(t.finding, {Verdict::Caution, "squeeze " + text(t.hotSqueezePercent, 2) + " % at " +
                                            NumberText(float(in.tempMaxF)) + " °F is above the upper limit"});
  if (fill.worstEccentric.grooveWidth > 0) {
    const Finding hotFill = fillFinding(t.hotFillPercent, "at " + NumberText(float(in.tempMaxF)) + " °F");
    if (hotFill.verdict != Verdict::Pass) merge(t.finding, hotFill);
  }
  return t;
}

SwellReview reviewSwell(const GlandRecord& r, const GlandSide& s, const ReviewInputs& in, const FillReview& fill) {
  SwellReview sw{};
  const double swell = in.swellPercent / 100;
  const double effective = r.*s.EWMax * std::cbrt(1 + swell);
  sw.squeezePercent = squeezePercent(effective, r.*s.GHMin);
  sw.fillPercent = fill.mmc.fillPercent * (1 + swell);
  sw.finding = fill.mmc.grooveWidth > 0 ? fillFinding(sw.fillPercent, "at MMC after " + text(in.swellPercent, 1) + " % swell")
                                        : fill.finding;
  return sw;
}

// The dimensions that the statistics vary, inch.
struct Dimensions {
  double w, id, bore, rod, groove, eccentric;
};

// The squeeze % of one assembly: the checks' stretch and shrinkage rules without display
// rounding, and the local gland height shifted by the eccentric offset.
class SqueezeModel {
 public:
  explicit SqueezeModel(const GlandSide& side)
      : side_(side), seat_(role(side, side.stretchedOnto)), outer_(role(side, side.outer)),
        inner_(role(side, side.inner)) {}

  // Whether the squeeze depends on a diameter: the rod's does not on a groove in the rod,
  // nor the bore's on a groove in the housing.
  bool uses(double Dimensions::*diameter) const {
    return diameter == seat_ || diameter == outer_ || diameter == inner_;
  }

  double operator()(const Dimensions& d) const {
    const double effective = effectiveCrossSection(d.w, (d.*seat_ - d.id) / d.id * 100, side_);
    return squeezePercent(effective, (d.*outer_ - d.*inner_) / 2 + d.eccentric);
  }

 private:
  // Which of the sampled diameters plays a role of the side.
  static double Dimensions::*role(const GlandSide& side, const Diameter& diameter) {
    if (diameter.nominal == side.bore.nominal) return &Dimensions::bore;
    if (diameter.nominal == side.rod.nominal) return &Dimensions::rod;
    return &Dimensions::groove;
  }

  const GlandSide& side_;
  double Dimensions::*seat_;   // the diameter the seal's inside is stretched onto
  double Dimensions::*outer_;  // the gland's outer and inner diameters
  double Dimensions::*inner_;
};

// The value with `rank` values before it in the order `before` (rank < values.size()),
// from a heap of the rank + 1 first: one comparison for nearly every value.
template <class Order>
double rankedValue(const std::vector<double>& values, std::size_t rank, Order before) {
  std::vector<double> first(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(rank) + 1);
  std::make_heap(first.begin(), first.end(), before);
  for (std::size_t i = rank + 1; i < values.size(); ++i) {
    if (!before(values[i], first.front())) continue;
    std::pop_heap(first.begin(), first.end(), before);
    first.back() = values[i];
    std::push_heap(first.begin(), first.end(), before);
  }
  return first.front();
}

StatisticsReview reviewStatistics(const GlandRecord& r, const GlandSide& s, const ReviewInputs& in,
                                  const StretchReview& stretch) {
  StatisticsReview st{};
  const SqueezeModel squeeze(s);
  const Dimensions nominal{r.W, r.ID, r.*s.bore.nominal, r.*s.rod.nominal, r.*s.groove.nominal, 0};
  // Standard deviations: a third of each tolerance (none for a diameter that the squeeze
  // does not depend on); the eccentric offset is uniform over ±ECC/2.
  const auto third = [&](const Diameter& d, double Dimensions::*role) {
    return squeeze.uses(role) ? r.*d.tolerance / 3.0 : 0.0;
  };
  const Dimensions sigma{r.WT / 3.0,
                         stretch.known ? stretch.sealIdTolerance / 3.0 : 0,
                         third(s.bore, &Dimensions::bore),
                         third(s.rod, &Dimensions::rod),
                         third(s.groove, &Dimensions::groove),
                         r.ECC / (2 * std::sqrt(3.0))};
  st.nominalPercent = squeeze(nominal);

  double variance = 0;
  for (double Dimensions::*dimension : {&Dimensions::w, &Dimensions::id, &Dimensions::bore, &Dimensions::rod,
                                        &Dimensions::groove, &Dimensions::eccentric}) {
    constexpr double h = 1e-6;  // inch
    Dimensions up = nominal, down = nominal;
    up.*dimension += h;
    down.*dimension -= h;
    const double sensitivity = (squeeze(up) - squeeze(down)) / (2 * h);
    variance += std::pow(sensitivity * (sigma.*dimension), 2);
  }
  st.rssSigma = std::sqrt(variance);
  st.rssLow = st.nominalPercent - 3 * st.rssSigma;
  st.rssHigh = st.nominalPercent + 3 * st.rssSigma;

  // The normally distributed dimensions that vary; the others draw no random number.
  std::vector<double Dimensions::*> varying;
  for (double Dimensions::*dimension : {&Dimensions::w, &Dimensions::id, &Dimensions::bore, &Dimensions::rod,
                                        &Dimensions::groove})
    if (sigma.*dimension > 0) varying.push_back(dimension);

  Xoshiro256 random(kMonteCarloSeed);
  StandardNormal normal(random);
  std::vector<double> samples(kMonteCarloSamples);
  double sum = 0, sumOfSquares = 0;
  int below = 0, above = 0;
  for (double& sample : samples) {
    Dimensions d = nominal;
    for (double Dimensions::*dimension : varying) d.*dimension += sigma.*dimension * normal();
    d.eccentric = r.ECC * (random.uniform() - 0.5);
    sample = squeeze(d);
    sum += sample;
    sumOfSquares += sample * sample;
    below += sample < in.squeezeMinPercent;
    above += sample > in.squeezeMaxPercent;
  }
  const double n = kMonteCarloSamples;
  st.mean = sum / n;
  st.sigma = std::sqrt(std::max(0.0, (sumOfSquares - sum * sum / n) / (n - 1)));
  st.belowPercent = below / n * 100;
  st.abovePercent = above / n * 100;

  // The 0.1 % and 99.9 % points: the samples ranked 100th from either end.
  const auto tailRank = static_cast<std::size_t>(std::lround(0.001 * (n - 1)));
  st.p001 = rankedValue(samples, tailRank, std::less<>());
  st.p999 = rankedValue(samples, tailRank, std::greater<>());

  const auto [smallest, largest] = std::minmax_element(samples.begin(), samples.end());
  st.histogramStart = *smallest;
  st.binWidth = (*largest - *smallest) / st.histogram.size();
  for (double sample : samples) {
    const double bin = st.binWidth > 0 ? (sample - st.histogramStart) / st.binWidth : 0;
    ++st.histogram[std::min<std::size_t>(static_cast<std::size_t>(bin), st.histogram.size() - 1)];
  }

  const double outside = st.belowPercent + st.abovePercent;
  const std::string figure = text(outside, 2) + " % of assemblies outside the squeeze limits " +
                             NumberText(float(in.squeezeMinPercent)) + " to " +
                             NumberText(float(in.squeezeMaxPercent)) + " %";
  if (outside > kOutsideFail) st.finding = {Verdict::Fail, figure + ": more than 5 %"};
  else if (outside > kOutsideCaution) st.finding = {Verdict::Caution, figure + ": more than a 3-sigma process's 0.27 %"};
  else st.finding = {Verdict::Pass, figure};
  return st;
}

}  // namespace

std::string_view verdictName(Verdict verdict) {
  switch (verdict) {
    case Verdict::Pass: return "pass";
    case Verdict::Caution: return "caution";
    case Verdict::Fail: return "fail";
  }
  return {};
}

double compoundExpansion(Compound compound) {
  switch (compound) {
    case Compound::Nbr: return kNbrExpansion;
    case Compound::Fkm: return kFkmExpansion;
    case Compound::Epdm: return kEpdmExpansion;
    case Compound::Silicone: return kSiliconeExpansion;
    case Compound::Custom: break;
  }
  return 0;
}

double metalExpansion(Metal metal) {
  switch (metal) {
    case Metal::CarbonSteel: return kCarbonSteelExpansion;
    case Metal::StainlessSteel: return kStainlessExpansion;
    case Metal::Aluminium: return kAluminiumExpansion;
    case Metal::Custom: break;
  }
  return 0;
}

std::optional<std::array<double, 2>> compoundServiceRange(Compound compound) {
  // Usual service ranges of the compound families, °F.
  switch (compound) {
    case Compound::Nbr: return std::array<double, 2>{-30, 250};
    case Compound::Fkm: return std::array<double, 2>{-15, 400};
    case Compound::Epdm: return std::array<double, 2>{-65, 300};
    case Compound::Silicone: return std::array<double, 2>{-80, 450};
    case Compound::Custom: break;
  }
  return std::nullopt;
}

double extrusionClearanceLimit(int hardness, double pressure) {
  std::size_t row = 0;
  while (row + 1 < std::size(kHardnesses) && kHardnesses[row] < hardness) ++row;
  std::size_t band = 0;
  while (band < std::size(kBandEdges) && pressure >= kBandEdges[band]) ++band;
  return kClearanceLimits[row][band];
}

Review reviewGland(const GlandRecord& record, const GlandSide& side, const ReviewInputs& inputs,
                   const As568Table* table) {
  Review review;
  const As568Size* size = table ? table->match(record.W, record.ID) : nullptr;
  if (size) review.as568Dash = size->dash;
  review.fill = reviewFill(record, side, inputs);
  review.extrusion = reviewExtrusion(record, side, inputs);
  review.stretch = reviewStretch(record, side, inputs, size);
  review.temperature = reviewTemperature(record, side, inputs, review.fill);
  review.swell = reviewSwell(record, side, inputs, review.fill);
  review.statistics = reviewStatistics(record, side, inputs, review.stretch);
  for (const Finding* finding : {&review.fill.finding, &review.extrusion.finding, &review.stretch.finding,
                                 &review.temperature.finding, &review.swell.finding, &review.statistics.finding})
    review.overall = worse(review.overall, finding->verdict);
  return review;
}

}  // namespace glandwise

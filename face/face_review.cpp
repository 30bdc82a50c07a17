#include "face/face_review.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "model/numbers.h"
#include "model/review_rows.h"
#include "model/shrinkage.h"

namespace glandwise {
namespace {

// The dimensions are those at room temperature.
constexpr double kRoomTemperatureF = 70;

// `value` as shown: with `decimals` decimals.
// `value` rounded as it is shown, so that a verdict never turns on a digit nobody sees.
double shown(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::nearbyint(value * scale) / scale + 0.0;  // + 0.0: never a negative zero
}

std::string text(double value, int decimals) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, shown(value, decimals));
  return buffer;
}

// A figure against an upper limit, compared as shown: above fails (or cautions), equal is
// at the limit (caution).
Verdict againstUpper(double figure, double limit, int decimals, Verdict above) {
  const double f = shown(figure, decimals), l = shown(limit, decimals);
  return f > l ? above : f == l ? Verdict::Caution : Verdict::Pass;
}
Verdict againstLower(double figure, double limit, int decimals, Verdict below) {
  return againstUpper(-figure, -limit, decimals, below);
}

// Keeps the worse finding; the reasons of equal verdicts are joined.
void merge(Finding& into, const Finding& finding) {
  if (finding.verdict > into.verdict) into = finding;
  else if (finding.verdict == into.verdict && finding.verdict != Verdict::Pass) into.reason += "; " + finding.reason;
}

std::string percent(double value) { return text(value, 1) + " %"; }
std::string limitText(const FaceRule& rule) {
  return text(rule.value, rule.value == std::floor(rule.value) ? 0 : 2) + " %";
}

// The root-sum-square σ of `f` over independent dimensions of standard deviations
// `sigmas`: the slopes by central differences of a millionth of an inch.
template <std::size_t N, class F>
double rootSumSquare(const F& f, const std::array<double, N>& sigmas) {
  constexpr double h = 1e-6;
  double variance = 0;
  for (std::size_t i = 0; i < N; ++i) {
    std::array<double, N> up{}, down{};
    up[i] = h, down[i] = -h;
    variance += std::pow((f(up) - f(down)) / (2 * h) * sigmas[i], 2);
  }
  return std::sqrt(variance);
}

// The share of a normal population above `limit`, %.
double shareAbove(double mean, double sigma, double limit) {
  if (!(sigma > 0)) return mean > limit ? 100 : 0;
  return 50 * std::erfc((limit - mean) / (sigma * std::numbers::sqrt2));
}

// ---- squeeze ------------------------------------------------------------------------

// The squeeze `low` (where `lowWhere` says) to `high` (at `highWhere`) against the face
// seal's limits.
Finding squeezeFinding(double low, const std::string& lowWhere, double high, const std::string& highWhere,
                       const FaceRules& rules) {
  const FaceRule& min = rules.rule(FaceRuleKey::SqueezeMin);
  const FaceRule& max = rules.rule(FaceRuleKey::SqueezeMax);
  if (shown(low, 1) <= 0)
    return {Verdict::Fail, "squeeze " + percent(low) + lowWhere + ": no contact, the ring does not seal"};
  Finding f{Verdict::Pass, "squeeze " + percent(low) + lowWhere + " to " + percent(high) + highWhere + " within " +
                               limitText(min) + " to " + limitText(max) + " (" + max.source + ")"};
  if (const Verdict v = againstLower(low, min.value, 1, Verdict::Fail); v != Verdict::Pass)
    merge(f, {v, "squeeze " + percent(low) + lowWhere + (v == Verdict::Fail ? " is below" : " is at") +
                     " the lower limit " + limitText(min) + " (" + min.source + ")"});
  if (const Verdict v = againstUpper(high, max.value, 1, Verdict::Fail); v != Verdict::Pass)
    merge(f, {v, "squeeze " + percent(high) + highWhere + (v == Verdict::Fail ? " is above" : " is at") +
                     " the upper limit " + limitText(max) + " (" + max.source + ")"});
  return f;
}

FaceRow squeezeRow(const FaceAnalysis& a, const FaceRules& rules, const FaceRange& published) {
  FaceRow row{percent(a.lmc.squeezePercent) + " LMC, " + percent(a.mmc.squeezePercent) + " MMC",
              squeezeFinding(a.lmc.squeezePercent, " at LMC", a.mmc.squeezePercent, " at MMC", rules)};
  if (published.max > 0)
    row.finding.reason += "; the published design range of this cross-section is " + text(published.min, 0) + " to " +
                          text(published.max, 0) + " %";
  return row;
}

// ---- fill ---------------------------------------------------------------------------

// The fill's σ from the tolerances of the cross-section, depth, width and bottom radius
// (σ = tolerance / 3; the radius spread over its range), root-sum-square.
double fillSigma(const FaceGland& g, const FaceAnalysis& a) {
  const FaceGroove& gr = g.groove;
  const double w = g.ring.crossSection, ratio = a.areaRatio;
  const auto fill = [&](const std::array<double, 4>& d) {
    const double section = std::numbers::pi / 4 * (w + d[0]) * (w + d[0]) * ratio;
    return faceFillPercent(section, gr.depth + d[1], gr.width + d[2], gr.bottomRadius.middle() + d[3]);
  };
  return rootSumSquare<4>(fill, {g.ring.crossSectionTolerance / 3.0, gr.depthTolerance / 3.0, gr.widthTolerance / 3.0,
                                 (double(gr.bottomRadius.max) - gr.bottomRadius.min) / 6});
}

// Liquids: the fill at MMC against the pass and caution limits. Gases: the share of
// assemblies that overfill the groove, since the published gas grooves come near 100 %
// at MMC on purpose.
Finding fillFinding(FaceMedium medium, double mmcFill, double overfilled, const std::string& where,
                    const FaceRule& pass, const FaceRule& caution, const FaceRules& rules) {
  if (medium == FaceMedium::Liquid) {
    const std::string figure = "fill " + percent(mmcFill) + " at MMC" + where;
    switch (againstUpper(mmcFill, caution.value, 1, Verdict::Fail)) {
      case Verdict::Fail:
        return {Verdict::Fail, figure + " is above " + limitText(caution) + " (" + caution.source + ")"};
      case Verdict::Caution:
        return {Verdict::Caution, figure + " is at " + limitText(caution) + " (" + caution.source + ")"};
      case Verdict::Pass: break;
    }
    if (againstUpper(mmcFill, pass.value, 1, Verdict::Caution) == Verdict::Pass)
      return {Verdict::Pass, figure + " is at most " + limitText(pass) + " (" + pass.source + ")"};
    return {Verdict::Caution,
            figure + " is above " + limitText(pass) + " (" + pass.source + "): little room for swell and heat"};
  }
  const FaceRule& warn = rules.rule(FaceRuleKey::OverfillCaution, 1);
  const FaceRule& fail = rules.rule(FaceRuleKey::OverfillFail, 1);
  const std::string figure =
      "fill " + percent(mmcFill) + " at MMC" + where + "; " + text(overfilled, 2) + " % of assemblies above 100 %";
  if (const Verdict v = againstUpper(overfilled, fail.value, 2, Verdict::Fail); v == Verdict::Fail)
    return {v, figure + " is more than " + limitText(fail) + " (" + fail.source + ")"};
  if (againstUpper(overfilled, warn.value, 2, Verdict::Caution) != Verdict::Pass)
    return {Verdict::Caution, figure + " is more than " + limitText(warn) + " (" + warn.source + ")"};
  return {Verdict::Pass, figure + " is at most " + limitText(warn) + " (" + warn.source + ")"};
}

FaceRow fillRow(const FaceGland& g, const FaceAnalysis& a, const FaceStatistics& st, const FaceRules& rules) {
  const std::size_t m = static_cast<std::size_t>(g.medium);
  const bool liquid = g.medium == FaceMedium::Liquid;
  const FaceRule& pass = rules.rule(FaceRuleKey::FillPass, liquid ? m : 0);
  const FaceRule& caution = rules.rule(FaceRuleKey::FillCaution, liquid ? m : 0);
  return {percent(a.nominal.fillPercent) + " nominal, " + percent(a.mmc.fillPercent) + " MMC",
          fillFinding(g.medium, a.mmc.fillPercent, st.overfilledPercent, "", pass, caution, rules)};
}

// ---- fit ----------------------------------------------------------------------------

FaceRow fitRow(const FaceGland& g, const FaceAnalysis& a, const FaceRules& rules) {
  const FaceSide& side = g.side();
  const FaceRule& limit = rules.rule(FaceRuleKey::FitLimit, static_cast<std::size_t>(side.from));
  const FaceFit& fit = a.fit;
  const std::string name(side.fitName);
  FaceRow row{percent(fit.nominalPercent), {}};
  if (fit.rangePercent)
    row.figure += " (" + text((*fit.rangePercent)[0], 1) + " to " + percent((*fit.rangePercent)[1]) + ")";
  const std::string loose =
      side.sign > 0
          ? std::string(
                "the ring OD is below the groove OD: pressure from inside moves the ring outward and stretches it")
          : std::string(
                "the ring ID is above the groove ID: pressure from outside moves the ring inward and crowds it");
  const std::string nominal = name + " " + percent(fit.nominalPercent) + " of the nominal ring";
  row.finding = {Verdict::Pass, nominal + " within 0 to " + limitText(limit) + " (" + limit.source + ")"};
  if (const Verdict v = againstLower(fit.nominalPercent, 0, 1, Verdict::Fail); v != Verdict::Pass)
    merge(row.finding, {v, nominal + (v == Verdict::Fail ? ": " + loose
                                                         : " is at 0 %: the ring only just touches the " +
                                                               std::string(side.datumName))});
  if (againstUpper(fit.nominalPercent, limit.value, 1, Verdict::Caution) != Verdict::Pass)
    merge(row.finding, {Verdict::Caution, nominal + " is above " + limitText(limit) + " (" + limit.source + ")"});
  if (fit.rangePercent) {
    const auto [low, high] = *fit.rangePercent;
    const std::string range =
        name + " " + text(low, 1) + " to " + percent(high) + " over the ring's and the groove's tolerances";
    const bool loose = shown(low, 1) < 0;
    const bool tight = shown(high, 1) > shown(limit.value, 1);
    const std::string over = "the largest exceeds " + limitText(limit) + " (" + limit.source + ")";
    if (loose || tight)
      merge(row.finding, {Verdict::Caution, range + ": " + (loose ? "the smallest ring sits loose" : "") +
                                                (loose && tight ? " and " : "") + (tight ? over : "")});
  } else if (row.finding.verdict == Verdict::Pass) {
    row.finding.reason += "; the ring's ID tolerance is unknown (not an AS568 size), so its range is not judged";
  }
  return row;
}

// ---- flange gap ---------------------------------------------------------------------

FaceRow gapRow(const FaceGland& g, const FaceReviewInputs& in, const FaceRules& rules, double limit) {
  const std::string against = " against " + text(limit, 3) + " inch for " + std::to_string(in.hardness) +
                              " Shore A at " + NumberText(g.pressure) +
                              " psi (published extrusion limits, as a "
                              "radial clearance whose gap lies all on one side)";
  FaceRow row{text(in.flangeGap, 4) + " in, limit " + text(limit, 3) + " in", {}};
  if (shown(in.flangeGap, 4) == 0) {
    row.finding = {Verdict::Pass,
                   "no flange gap: the flanges stay closed, so nothing extrudes (the bolt load must "
                   "keep them closed at " +
                       NumberText(g.pressure) + " psi)"};
    return row;
  }
  const std::string figure = "flange gap " + text(in.flangeGap, 4) + " inch" + against;
  const FaceRule& margin = rules.rule(FaceRuleKey::GapCaution);
  if (againstUpper(in.flangeGap, limit, 4, Verdict::Fail) == Verdict::Fail)
    row.finding = {Verdict::Fail,
                   figure + ": the ring will extrude; keep the flanges closed, or use a harder compound"};
  else if (againstUpper(in.flangeGap, limit * margin.value / 100, 4, Verdict::Caution) != Verdict::Pass)
    row.finding = {Verdict::Caution, figure + ": " + margin.source};
  else row.finding = {Verdict::Pass, figure};
  return row;
}

// ---- heat and swell -----------------------------------------------------------------

FaceHeat heatFigures(const FaceGland& g, const FaceAnalysis& a, const FaceReviewInputs& in, const FaceStatistics& st) {
  const FaceSide& side = g.side();
  const double seal = compoundExpansion(in.compound), metal = metalExpansion(in.metal);
  const auto [lowest, highest] = in.temperaturesF.value_or(std::array<double, 2>{kRoomTemperatureF, kRoomTemperatureF});
  const double swell = in.swellPercent.value_or(0) / 100;
  FaceHeat heat{};
  // Hot: the ring's volume grows by heat and swell, its circumference held by the groove,
  // which grows with the metal.
  const double hot = highest - kRoomTemperatureF, grown = 1 + metal * hot;
  const double volume = std::pow(1 + seal * hot, 3) * (1 + std::max(swell, 0.0));
  const double areaGrowth = volume / grown;
  heat.hotFillPercent = faceFillPercent(a.mmc.sectionArea * areaGrowth, a.mmc.depth * grown, a.mmc.width * grown,
                                        a.mmc.bottomRadius * grown);
  const double hotSection = a.mmc.crossSection * std::sqrt(areaGrowth);
  heat.hotSqueezePercent = (hotSection - a.mmc.depth * grown) / hotSection * 100;
  const double hotNominal = a.nominal.fillPercent * areaGrowth / (grown * grown);
  heat.hotOverfilledPercent = shareAbove(hotNominal, st.fillSigma * hotNominal / a.nominal.fillPercent, 100);
  // Cold: the ring shrinks (and with a negative swell shrinks more); on a groove ID it is
  // stretched the more, on a groove OD it pulls away from the wall.
  const double cold = lowest - kRoomTemperatureF, shrunk = 1 + metal * cold;
  const double ringShrink = (1 + seal * cold) * std::cbrt(1 + std::min(swell, 0.0));
  heat.coldFitPercent = faceFitPercent(side, g.ring.ringEdge(side) * ringShrink, g.groove.datum * shrunk);
  const double free = (double(g.ring.crossSection) - g.ring.crossSectionTolerance) * ringShrink;
  const double section =
      side.thinsSection && heat.coldFitPercent > 0 ? stretchedCrossSection(free, heat.coldFitPercent, false) : free;
  heat.coldSqueezePercent = (section - a.lmc.depth * shrunk) / section * 100;
  return heat;
}

FaceRow heatRow(const FaceGland& g, const FaceHeat& heat, const FaceReviewInputs& in, const FaceRules& rules) {
  const auto [lowest, highest] = in.temperaturesF.value_or(std::array<double, 2>{kRoomTemperatureF, kRoomTemperatureF});
  const std::string hotWhere = " at " + text(highest, 0) + " °F" +
                               (in.swellPercent ? " with " + text(*in.swellPercent, 1) + " % swell" : std::string());
  const std::string coldWhere = " at " + text(lowest, 0) + " °F";
  FaceRow row{percent(heat.coldSqueezePercent) + " squeeze cold, " + percent(heat.hotFillPercent) + " fill hot", {}};
  row.finding = squeezeFinding(heat.coldSqueezePercent, " at LMC" + coldWhere, heat.hotSqueezePercent,
                               " at MMC" + hotWhere, rules);
  merge(row.finding, fillFinding(g.medium, heat.hotFillPercent, heat.hotOverfilledPercent, hotWhere,
                                 rules.rule(FaceRuleKey::HotFillPass), rules.rule(FaceRuleKey::HotFillCaution), rules));
  const FaceSide& side = g.side();
  const FaceRule& limit = rules.rule(FaceRuleKey::FitLimit, static_cast<std::size_t>(side.from));
  const std::string fit = std::string(side.fitName) + " " + percent(heat.coldFitPercent) + coldWhere;
  if (shown(heat.coldFitPercent, 1) < 0)
    merge(row.finding,
          {Verdict::Caution, fit + ": the shrunk ring pulls away from the " + std::string(side.datumName)});
  if (shown(heat.coldFitPercent, 1) > shown(limit.value, 1))
    merge(row.finding, {Verdict::Caution, fit + " is above " + limitText(limit) + " (" + limit.source + ")"});
  if (const auto range = compoundServiceRange(in.compound);
      in.temperaturesF && range && (lowest < (*range)[0] || highest > (*range)[1]))
    merge(row.finding, {Verdict::Caution, text(lowest, 0) + " to " + text(highest, 0) + " °F is beyond " +
                                              std::string(compoundName(in.compound)) + "'s usual " +
                                              text((*range)[0], 0) + " to " + text((*range)[1], 0) + " °F"});
  return row;
}

// ---- statistics ---------------------------------------------------------------------

// The squeeze's spread by root-sum-square of the cross-section, the groove depth and (on a
// groove ID, where the stretch thins the section) the ring's ID and the datum; the shares
// outside the limits and the histogram of a run of kFaceRun assemblies from the normal
// distribution it makes.
void squeezeStatistics(const FaceGland& g, const FaceRules& rules, FaceStatistics& st) {
  const FaceSide& side = g.side();
  const double w = g.ring.crossSection, id = g.ring.insideDiameter;
  const auto squeeze = [&](const std::array<double, 4>& d) {
    double section = w + d[0];
    const double fit = faceFitPercent(side, id + d[2], g.groove.datum + d[3]);
    if (side.thinsSection && fit > 0) section = stretchedCrossSection(section, fit, false);
    return (section - (g.groove.depth + d[1])) / section * 100;
  };
  st.mean = squeeze({});
  st.sigma =
      rootSumSquare<4>(squeeze, {g.ring.crossSectionTolerance / 3.0, g.groove.depthTolerance / 3.0,
                                 g.ring.insideDiameterTolerance.value_or(0) / 3.0, g.groove.datumTolerance / 3.0});
  st.belowPercent = 100 - shareAbove(st.mean, st.sigma, rules.value(FaceRuleKey::SqueezeMin));
  st.abovePercent = shareAbove(st.mean, st.sigma, rules.value(FaceRuleKey::SqueezeMax));
  constexpr double kSpan = 4;  // σ each side
  st.histogramStart = st.mean - kSpan * st.sigma;
  st.binWidth = 2 * kSpan * st.sigma / double(st.histogram.size());
  for (std::size_t i = 0; i < st.histogram.size(); ++i) {
    const double from = st.histogramStart + st.binWidth * double(i);
    const double share = shareAbove(st.mean, st.sigma, from) - shareAbove(st.mean, st.sigma, from + st.binWidth);
    st.histogram[i] = int(std::lround(share / 100 * kFaceRun));
  }
}

FaceRow statisticsRow(const FaceStatistics& st, const FaceRules& rules) {
  const FaceRule& warn = rules.rule(FaceRuleKey::OutsideCaution);
  const FaceRule& fail = rules.rule(FaceRuleKey::OutsideFail);
  const double outside = st.belowPercent + st.abovePercent;
  const std::string figure = text(outside, 2) + " % of assemblies outside the squeeze limits " +
                             limitText(rules.rule(FaceRuleKey::SqueezeMin)) + " to " +
                             limitText(rules.rule(FaceRuleKey::SqueezeMax)) +
                             " (root-sum-square of the tolerances, σ = tolerance / 3)";
  FaceRow row{"mean " + percent(st.mean) + ", σ " + text(st.sigma, 2) + " %; " + text(outside, 2) + " % outside", {}};
  if (againstUpper(outside, fail.value, 2, Verdict::Fail) == Verdict::Fail)
    row.finding = {Verdict::Fail, figure + " is more than " + limitText(fail) + " (" + fail.source + ")"};
  else if (againstUpper(outside, warn.value, 2, Verdict::Caution) != Verdict::Pass)
    row.finding = {Verdict::Caution, figure + " is more than " + limitText(warn) + " (" + warn.source + ")"};
  else row.finding = {Verdict::Pass, figure};
  return row;
}

}  // namespace

std::string_view faceCheckName(FaceCheck check) {
  constexpr std::array<std::string_view, kFaceCheckCount> names{"Squeeze",    "Gland fill",     "Fit",
                                                                "Flange gap", "Heat and swell", "Squeeze statistics"};
  return names[static_cast<std::size_t>(check)];
}

std::string_view faceCheckKey(FaceCheck check) {
  constexpr std::array<std::string_view, kFaceCheckCount> keys{"squeeze",    "fill",           "fit",
                                                               "flange_gap", "heat_and_swell", "statistics"};
  return keys[static_cast<std::size_t>(check)];
}

FaceReview reviewFaceGland(const FaceGland& g, const FaceAnalysis& a, const FaceReviewInputs& in,
                           const FaceData& data) {
  const FaceRules& rules = data.rules;
  const FaceGlandRow* published = data.table.find(g.ring.crossSection);
  FaceReview review;
  FaceStatistics& st = review.statistics;
  st.fillSigma = fillSigma(g, a);
  st.overfilledPercent = shareAbove(a.nominal.fillPercent, st.fillSigma, 100);
  squeezeStatistics(g, rules, st);
  review.extrusionLimit = extrusionClearanceLimit(in.hardness, g.pressure);
  review.squeezeLimits = {rules.value(FaceRuleKey::SqueezeMin), rules.value(FaceRuleKey::SqueezeMax)};
  const auto set = [&](FaceCheck check, FaceRow row) { review.rows[static_cast<std::size_t>(check)] = std::move(row); };
  set(FaceCheck::Squeeze, squeezeRow(a, rules, published ? published->squeezePercent : FaceRange{0, 0}));
  set(FaceCheck::Fill, fillRow(g, a, st, rules));
  set(FaceCheck::Fit, fitRow(g, a, rules));
  set(FaceCheck::FlangeGap, gapRow(g, in, rules, review.extrusionLimit));
  if (in.temperaturesF || in.swellPercent) {
    review.heat = heatFigures(g, a, in, st);
    set(FaceCheck::HeatAndSwell, heatRow(g, *review.heat, in, rules));
  } else {
    set(FaceCheck::HeatAndSwell,
        {"not evaluated", {Verdict::Pass, "not evaluated: give the service temperatures or the fluid's swell"}, false});
  }
  set(FaceCheck::Statistics, statisticsRow(st, rules));
  for (const FaceRow& row : review.rows)
    if (row.evaluated) review.overall = std::max(review.overall, row.finding.verdict);
  return review;
}

std::string faceReviewInputsText(const FaceReviewInputs& in) {
  std::string line = "Hardness " + std::to_string(in.hardness) + " Shore A; compound " +
                     std::string(compoundName(in.compound)) + "; metal " + std::string(metalName(in.metal)) + "; ";
  line += in.temperaturesF
              ? "temperature " + text((*in.temperaturesF)[0], 0) + " to " + text((*in.temperaturesF)[1], 0) + " °F; "
              : std::string("temperature not given; ");
  line +=
      in.swellPercent ? "fluid swell " + text(*in.swellPercent, 1) + " %; " : std::string("fluid swell not given; ");
  return line + "flange gap under pressure " + text(in.flangeGap, 4) + " inch.";
}

}  // namespace glandwise

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

// The face seal rules of the gland's cross-section.
struct Limits {
  const RuleSet& set;
  float crossSection;
  const Rule& operator()(RuleKind kind) const { return faceRule(set, kind, crossSection); }
};

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

// A finding: its verdict, the reason and, for a caution or a fail, a remedy where one is known.
Finding found(Verdict verdict, std::string reason, std::string remedy = {}) {
  return {verdict, std::move(reason), std::move(remedy)};
}

// Keeps the worse finding; the reasons of equal verdicts are joined.
void merge(Finding& into, const Finding& finding) {
  if (finding.verdict > into.verdict) into = finding;
  else if (finding.verdict == into.verdict && finding.verdict != Verdict::Pass) into.reason += "; " + finding.reason;
}

std::string percent(double value) { return text(value, 1) + " %"; }
std::string limitText(const Rule& rule) {
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
                       const Limits& rules) {
  const Rule& min = rules(RuleKind::SqueezeMin);
  const Rule& max = rules(RuleKind::SqueezeMax);
  if (shown(low, 1) <= 0)
    return found(Verdict::Fail, "squeeze " + percent(low) + lowWhere + ": no contact, the ring does not seal");
  Finding f = found(Verdict::Pass, "squeeze " + percent(low) + lowWhere + " to " + percent(high) + highWhere +
                                       " within " + limitText(min) + " to " + limitText(max) + " (" + max.source + ")");
  if (const Verdict v = againstLower(low, min.value, 1, Verdict::Fail); v != Verdict::Pass)
    merge(f, found(v, "squeeze " + percent(low) + lowWhere + (v == Verdict::Fail ? " is below" : " is at") +
                          " the lower limit " + limitText(min) + " (" + min.source + ")"));
  if (const Verdict v = againstUpper(high, max.value, 1, Verdict::Fail); v != Verdict::Pass)
    merge(f, found(v, "squeeze " + percent(high) + highWhere + (v == Verdict::Fail ? " is above" : " is at") +
                          " the upper limit " + limitText(max) + " (" + max.source + ")"));
  return f;
}

FaceRow squeezeRow(const FaceAnalysis& a, const Limits& rules, const FaceRange& published) {
  FaceRow row{percent(a.lmc.squeezePercent) + " LMC, " + percent(a.mmc.squeezePercent) + " MMC",
              squeezeFinding(a.lmc.squeezePercent, " at LMC", a.mmc.squeezePercent, " at MMC", rules)};
  if (published.max > 0)
    row.finding.reason += "; the published design range of this cross-section is " + text(published.min, 0) + " to " +
                          text(published.max, 0) + " %";
  return row;
}

// ---- fill ---------------------------------------------------------------------------

// The fill's σ from the tolerances of the cross-section, depth, width and bottom radius
// (each tolerance `sigmas` standard deviations; the radius's range as a tolerance of half
// of it), root-sum-square.
double fillSigma(const FaceGland& g, const FaceAnalysis& a, double sigmas) {
  const FaceGroove& gr = g.groove;
  const double w = g.ring.crossSection, ratio = a.areaRatio;
  const auto fill = [&](const std::array<double, 4>& d) {
    const double section = std::numbers::pi / 4 * (w + d[0]) * (w + d[0]) * ratio;
    return faceFillPercent(section, gr.depth + d[1], gr.width + d[2], gr.bottomRadius.middle() + d[3]);
  };
  return rootSumSquare<4>(
      fill, {g.ring.crossSectionTolerance / sigmas, gr.depthTolerance / sigmas, gr.widthTolerance / sigmas,
             (double(gr.bottomRadius.max) - gr.bottomRadius.min) / 2 / sigmas});
}

// Liquids: the fill at MMC against the pass and caution limits. Gases: the share of
// assemblies that overfill the groove, since the published gas grooves come near 100 %
// at MMC on purpose.
Finding fillFinding(FaceMedium medium, double mmcFill, double overfilled, const std::string& where, const Rule& pass,
                    const Rule& caution, const Limits& rules) {
  if (medium == FaceMedium::Liquid) {
    const std::string figure = "fill " + percent(mmcFill) + " at MMC" + where;
    switch (againstUpper(mmcFill, caution.value, 1, Verdict::Fail)) {
      case Verdict::Fail:
        return found(Verdict::Fail, figure + " is above " + limitText(caution) + " (" + caution.source + ")");
      case Verdict::Caution:
        return found(Verdict::Caution, figure + " is at " + limitText(caution) + " (" + caution.source + ")");
      case Verdict::NotEvaluated:
      case Verdict::Pass: break;
    }
    if (againstUpper(mmcFill, pass.value, 1, Verdict::Caution) == Verdict::Pass)
      return found(Verdict::Pass, figure + " is at most " + limitText(pass) + " (" + pass.source + ")");
    return found(Verdict::Caution,
                 figure + " is above " + limitText(pass) + " (" + pass.source + "): little room for swell and heat");
  }
  const Rule& warn = rules(RuleKind::OverfillCaution);
  const Rule& fail = rules(RuleKind::OverfillFail);
  const std::string figure =
      "fill " + percent(mmcFill) + " at MMC" + where + "; " + text(overfilled, 2) + " % of assemblies above 100 %";
  if (const Verdict v = againstUpper(overfilled, fail.value, 2, Verdict::Fail); v == Verdict::Fail)
    return found(v, figure + " is more than " + limitText(fail) + " (" + fail.source + ")");
  if (againstUpper(overfilled, warn.value, 2, Verdict::Caution) != Verdict::Pass)
    return found(Verdict::Caution, figure + " is more than " + limitText(warn) + " (" + warn.source + ")");
  return found(Verdict::Pass, figure + " is at most " + limitText(warn) + " (" + warn.source + ")");
}

FaceRow fillRow(const FaceGland& g, const FaceAnalysis& a, const FaceStatistics& st, const Limits& rules) {
  const Rule& pass = rules(RuleKind::FillPass);
  const Rule& caution = rules(RuleKind::FillCaution);
  return {percent(a.nominal.fillPercent) + " nominal, " + percent(a.mmc.fillPercent) + " MMC",
          fillFinding(g.medium, a.mmc.fillPercent, st.overfilledPercent, "", pass, caution, rules)};
}

// ---- fit ----------------------------------------------------------------------------

FaceRow fitRow(const FaceGland& g, const FaceAnalysis& a, const Limits& rules) {
  const FaceSide& side = g.side();
  const Rule& limit = rules(side.sign > 0 ? RuleKind::InterferenceMax : RuleKind::StretchMax);
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
  row.finding = found(Verdict::Pass, nominal + " within 0 to " + limitText(limit) + " (" + limit.source + ")");
  if (const Verdict v = againstLower(fit.nominalPercent, 0, 1, Verdict::Fail); v != Verdict::Pass)
    merge(row.finding, found(v, nominal + (v == Verdict::Fail ? ": " + loose
                                                              : " is at 0 %: the ring only just touches the " +
                                                                    std::string(side.datumName))));
  if (againstUpper(fit.nominalPercent, limit.value, 1, Verdict::Caution) != Verdict::Pass)
    merge(row.finding, found(Verdict::Caution, nominal + " is above " + limitText(limit) + " (" + limit.source + ")"));
  if (fit.rangePercent) {
    const auto [low, high] = *fit.rangePercent;
    const std::string range =
        name + " " + text(low, 1) + " to " + percent(high) + " over the ring's and the groove's tolerances";
    const bool loose = shown(low, 1) < 0;
    const bool tight = shown(high, 1) > shown(limit.value, 1);
    const std::string over = "the largest exceeds " + limitText(limit) + " (" + limit.source + ")";
    if (loose || tight)
      merge(row.finding, found(Verdict::Caution, range + ": " + (loose ? "the smallest ring sits loose" : "") +
                                                     (loose && tight ? " and " : "") + (tight ? over : "")));
  } else if (row.finding.verdict == Verdict::Pass) {
    row.finding.reason += "; the ring's ID tolerance is unknown (not an AS568 size), so its range is not judged";
  }
  return row;
}

// ---- flange gap ---------------------------------------------------------------------

FaceRow gapRow(const FaceGland& g, const FaceReviewInputs& in, const Rule& limit, double factor) {
  const double allowed = limit.value * factor;
  const std::string against = " against " + text(allowed, 4) + " inch for " + std::to_string(in.hardness) +
                              " Shore A at " + NumberText(g.pressure) + " psi (" + limit.source +
                              (factor != 1 ? ", times " + text(factor, 2) + " for the compound" : std::string()) +
                              "; judged as a radial clearance whose gap lies all on one side)";
  FaceRow row{text(in.flangeGap, 4) + " in, limit " + text(allowed, 4) + " in", {}};
  if (shown(in.flangeGap, 4) == 0) {
    row.finding = found(Verdict::Pass,
                        "no flange gap: the flanges stay closed, so nothing extrudes (the bolt load must keep them "
                        "closed at " + NumberText(g.pressure) + " psi)");
    return row;
  }
  const std::string figure = "flange gap " + text(in.flangeGap, 4) + " inch" + against;
  switch (againstUpper(in.flangeGap, allowed, 4, Verdict::Fail)) {
    case Verdict::Fail:
      row.finding = found(Verdict::Fail, figure + ": the ring will extrude",
                          "keep the flanges closed within " + text(allowed, 4) + " inch, or use a harder compound");
      break;
    case Verdict::Caution: row.finding = found(Verdict::Caution, figure + ": at the limit"); break;
    default: row.finding = found(Verdict::Pass, figure);
  }
  return row;
}

// ---- heat and swell -----------------------------------------------------------------

FaceHeat heatFigures(const FaceGland& g, const FaceAnalysis& a, const FaceReviewInputs& in, const FaceStatistics& st,
                     const Limits& rules) {
  const double room = rules(RuleKind::RoomTemperature).value;
  const FaceSide& side = g.side();
  const double seal = rules.set.material(RuleKind::Compound, in.compound)->value;
  const double metal = rules.set.material(RuleKind::Metal, in.metal)->value;
  const auto [lowest, highest] = in.temperaturesF.value_or(std::array<double, 2>{room, room});
  const double swell = in.swellPercent.value_or(0) / 100;
  FaceHeat heat{};
  // Hot: the ring's volume grows by heat and swell, its circumference held by the groove,
  // which grows with the metal.
  const double hot = highest - room, grown = 1 + metal * hot;
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
  const double cold = lowest - room, shrunk = 1 + metal * cold;
  const double ringShrink = (1 + seal * cold) * std::cbrt(1 + std::min(swell, 0.0));
  heat.coldFitPercent = faceFitPercent(side, g.ring.ringEdge(side) * ringShrink, g.groove.datum * shrunk);
  const double free = (double(g.ring.crossSection) - g.ring.crossSectionTolerance) * ringShrink;
  const double section =
      side.thinsSection && heat.coldFitPercent > 0 ? stretchedCrossSection(free, heat.coldFitPercent, false) : free;
  heat.coldSqueezePercent = (section - a.lmc.depth * shrunk) / section * 100;
  return heat;
}

FaceRow heatRow(const FaceGland& g, const FaceHeat& heat, const FaceReviewInputs& in, const Limits& rules) {
  const double room = rules(RuleKind::RoomTemperature).value;
  const auto [lowest, highest] = in.temperaturesF.value_or(std::array<double, 2>{room, room});
  const std::string hotWhere = " at " + text(highest, 0) + " °F" +
                               (in.swellPercent ? " with " + text(*in.swellPercent, 1) + " % swell" : std::string());
  const std::string coldWhere = " at " + text(lowest, 0) + " °F";
  FaceRow row{percent(heat.coldSqueezePercent) + " squeeze cold, " + percent(heat.hotFillPercent) + " fill hot", {}};
  row.finding = squeezeFinding(heat.coldSqueezePercent, " at LMC" + coldWhere, heat.hotSqueezePercent,
                               " at MMC" + hotWhere, rules);
  merge(row.finding, fillFinding(g.medium, heat.hotFillPercent, heat.hotOverfilledPercent, hotWhere,
                                 rules(RuleKind::ServiceFillPass), rules(RuleKind::ServiceFillCaution), rules));
  const FaceSide& side = g.side();
  const Rule& limit = rules(side.sign > 0 ? RuleKind::InterferenceMax : RuleKind::StretchMax);
  const std::string fit = std::string(side.fitName) + " " + percent(heat.coldFitPercent) + coldWhere;
  if (shown(heat.coldFitPercent, 1) < 0)
    merge(row.finding,
          found(Verdict::Caution, fit + ": the shrunk ring pulls away from the " + std::string(side.datumName)));
  if (shown(heat.coldFitPercent, 1) > shown(limit.value, 1))
    merge(row.finding, found(Verdict::Caution, fit + " is above " + limitText(limit) + " (" + limit.source + ")"));
  const Rule* compound = rules.set.material(RuleKind::Compound, in.compound);
  const Rule* min = rules.set.material(RuleKind::ServiceMin, in.compound, GlandKind::RodGroove);
  const Rule* max = rules.set.material(RuleKind::ServiceMax, in.compound, GlandKind::RodGroove);
  if (in.temperaturesF && min && max && (lowest < min->value || highest > max->value))
    merge(row.finding, found(Verdict::Caution, text(lowest, 0) + " to " + text(highest, 0) + " °F is beyond " +
                                                   compound->name + "'s service range " + text(min->value, 0) + " to " +
                                                   text(max->value, 0) + " °F (" + min->source + ")"));
  return row;
}

// ---- statistics ---------------------------------------------------------------------

// The squeeze's spread by root-sum-square of the cross-section, the groove depth and (on a
// groove ID, where the stretch thins the section) the ring's ID and the datum; the shares
// outside the limits and the histogram of a run of kFaceRun assemblies from the normal
// distribution it makes.
void squeezeStatistics(const FaceGland& g, const Limits& rules, FaceStatistics& st) {
  const double sigmas = st.toleranceSigmas = rules(RuleKind::ToleranceSigmas).value;
  const FaceSide& side = g.side();
  const double w = g.ring.crossSection, id = g.ring.insideDiameter;
  const auto squeeze = [&](const std::array<double, 4>& d) {
    double section = w + d[0];
    const double fit = faceFitPercent(side, id + d[2], g.groove.datum + d[3]);
    if (side.thinsSection && fit > 0) section = stretchedCrossSection(section, fit, false);
    return (section - (g.groove.depth + d[1])) / section * 100;
  };
  st.mean = squeeze({});
  st.sigma = rootSumSquare<4>(squeeze,
                              {g.ring.crossSectionTolerance / sigmas, g.groove.depthTolerance / sigmas,
                               g.ring.insideDiameterTolerance.value_or(0) / sigmas, g.groove.datumTolerance / sigmas});
  st.belowPercent = 100 - shareAbove(st.mean, st.sigma, rules(RuleKind::SqueezeMin).value);
  st.abovePercent = shareAbove(st.mean, st.sigma, rules(RuleKind::SqueezeMax).value);
  constexpr double kSpan = 4;  // σ each side
  st.histogramStart = st.mean - kSpan * st.sigma;
  st.binWidth = 2 * kSpan * st.sigma / double(st.histogram.size());
  for (std::size_t i = 0; i < st.histogram.size(); ++i) {
    const double from = st.histogramStart + st.binWidth * double(i);
    const double share = shareAbove(st.mean, st.sigma, from) - shareAbove(st.mean, st.sigma, from + st.binWidth);
    st.histogram[i] = int(std::lround(share / 100 * kFaceRun));
  }
}

FaceRow statisticsRow(const FaceStatistics& st, const Limits& rules) {
  const Rule& warn = rules(RuleKind::OutsideCaution);
  const Rule& fail = rules(RuleKind::OutsideFail);
  const double outside = st.belowPercent + st.abovePercent;
  const std::string figure = text(outside, 2) + " % of assemblies outside the squeeze limits " +
                             limitText(rules(RuleKind::SqueezeMin)) + " to " + limitText(rules(RuleKind::SqueezeMax)) +
                             " (root-sum-square of the tolerances, σ = tolerance / " + text(st.toleranceSigmas, 0) +
                             ")";
  FaceRow row{"mean " + percent(st.mean) + ", σ " + text(st.sigma, 2) + " %; " + text(outside, 2) + " % outside", {}};
  if (againstUpper(outside, fail.value, 2, Verdict::Fail) == Verdict::Fail)
    row.finding = found(Verdict::Fail, figure + " is more than " + limitText(fail) + " (" + fail.source + ")");
  else if (againstUpper(outside, warn.value, 2, Verdict::Caution) != Verdict::Pass)
    row.finding = found(Verdict::Caution, figure + " is more than " + limitText(warn) + " (" + warn.source + ")");
  else row.finding = found(Verdict::Pass, figure);
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
  const Limits rules{data.rules, g.ring.crossSection};
  const FaceGlandRow* published = data.table.find(g.ring.crossSection);
  FaceReview review;
  review.rulesName = data.rules.name();
  review.rulesFile = data.rules.file();
  review.compoundName = data.rules.material(RuleKind::Compound, in.compound)->name;
  review.metalName = data.rules.material(RuleKind::Metal, in.metal)->name;
  FaceStatistics& st = review.statistics;
  st.fillSigma = fillSigma(g, a, rules(RuleKind::ToleranceSigmas).value);
  st.overfilledPercent = shareAbove(a.nominal.fillPercent, st.fillSigma, 100);
  squeezeStatistics(g, rules, st);
  // The flange gap is judged by the radial glands' extrusion limits, as a radial clearance.
  const Rule& limit = *data.rules.extrusionLimit(GlandKind::RodGroove, in.hardness, g.pressure);
  const Rule* factor = data.rules.material(RuleKind::ExtrusionFactor, in.compound, GlandKind::RodGroove);
  review.extrusionLimit = limit.value * (factor ? factor->value : 1);
  review.squeezeLimits = {rules(RuleKind::SqueezeMin).value, rules(RuleKind::SqueezeMax).value};
  const auto set = [&](FaceCheck check, FaceRow row) { review.rows[static_cast<std::size_t>(check)] = std::move(row); };
  set(FaceCheck::Squeeze, squeezeRow(a, rules, published ? published->squeezePercent : FaceRange{0, 0}));
  set(FaceCheck::Fill, fillRow(g, a, st, rules));
  set(FaceCheck::Fit, fitRow(g, a, rules));
  set(FaceCheck::FlangeGap, gapRow(g, in, limit, factor ? factor->value : 1));
  if (in.temperaturesF || in.swellPercent) {
    review.heat = heatFigures(g, a, in, st, rules);
    set(FaceCheck::HeatAndSwell, heatRow(g, *review.heat, in, rules));
  } else {
    set(FaceCheck::HeatAndSwell,
        {"not evaluated",
         found(Verdict::NotEvaluated, "not evaluated: give the service temperatures or the fluid's swell")});
  }
  set(FaceCheck::Statistics, statisticsRow(st, rules));
  for (const FaceRow& row : review.rows) review.overall = std::max(review.overall, row.finding.verdict);
  return review;
}

std::string faceReviewInputsProblem(const FaceReviewInputs& in, const RuleSet& rules, float pressure) {
  const auto names = [&](RuleKind kind) {
    std::string list;
    for (const Rule* rule : rules.materials(kind)) list += (list.empty() ? "\"" : ", \"") + rule->material + "\"";
    return list;
  };
  if (std::string problem = rulesFileProblem(in.rulesFile, rules); !problem.empty()) return problem;
  if (!rules.extrusionLimit(GlandKind::RodGroove, in.hardness, pressure))
    return "\"hardness\" in \"review\" " + std::to_string(in.hardness) + " has no extrusion limit at " +
           NumberText(pressure) + " psi in the rules \"" + rules.name() + "\"";
  if (!rules.material(RuleKind::Compound, in.compound))
    return "\"compound\" in \"review\" \"" + in.compound + "\" is not a compound of the rules; expected " +
           names(RuleKind::Compound);
  if (!rules.material(RuleKind::Metal, in.metal))
    return "\"metal\" in \"review\" \"" + in.metal + "\" is not a metal of the rules; expected " +
           names(RuleKind::Metal);
  return {};
}

std::string faceReviewInputsText(const FaceReviewInputs& in, const FaceReview& review) {
  std::string line = "Hardness " + std::to_string(in.hardness) + " Shore A; compound " + review.compoundName +
                     "; grooved flange " + review.metalName + "; ";
  line += in.temperaturesF
              ? "temperature " + text((*in.temperaturesF)[0], 0) + " to " + text((*in.temperaturesF)[1], 0) + " °F; "
              : std::string("temperature not given; ");
  line +=
      in.swellPercent ? "fluid swell " + text(*in.swellPercent, 1) + " %; " : std::string("fluid swell not given; ");
  return line + "flange gap under pressure " + text(in.flangeGap, 4) + " inch; rules " + review.rulesName + " (" +
         review.rulesFile + ").";
}

}  // namespace glandwise

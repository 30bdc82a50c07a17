#include "model/review.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "model/numbers.h"
#include "model/review_physics.h"
#include "model/review_statistics.h"

namespace glandwise {
namespace {

// The precision the review shows its figures at, and compares them with their limits at:
// lengths, percentages, and shares of assemblies.
constexpr double kLengthStep = 0.0001;  // inch
constexpr double kPercentStep = 0.1;
constexpr double kShareStep = 0.01;

std::string fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}
std::string inch(double value) { return fixed(value, 4) + " in"; }
std::string percent(double value) { return fixed(value, 1) + " %"; }
std::string degrees(double value) { return NumberText(float(value)) + " °F"; }
std::string plain(double value) { return NumberText(float(value)); }

// Where a figure lies against a limit at the precision shown: -1 on the good side of it,
// 0 at it, 1 beyond it. `upper`: the limit is an upper one. Not a number lies beyond.
int beyond(double figure, double limit, double step, bool upper) {
  if (std::isnan(figure)) return 1;
  const double f = std::round(std::clamp(figure, -1e12, 1e12) / step), l = std::round(limit / step);
  return upper ? (f > l) - (f < l) : (f < l) - (f > l);
}

// Keeps the worst of several findings, and the reasons and remedies of the worst kind.
void merge(Finding& into, Finding finding) {
  if (finding.verdict > into.verdict) {
    into = std::move(finding);
  } else if (finding.verdict == into.verdict && finding.verdict > Verdict::Pass) {
    into.reason += "; " + finding.reason;
    if (!finding.remedy.empty()) into.remedy += (into.remedy.empty() ? "" : "; ") + finding.remedy;
  }
}

Finding notEvaluated(std::string why) { return {Verdict::NotEvaluated, "not evaluated: " + std::move(why), {}}; }

// A limit with its source, as a reason gives it: "85 % (published ...)".
std::string limitText(const std::string& value, const std::string& source) { return value + " (" + source + ")"; }

// The groove-width range of the standard gland, "0.187 to 0.192": narrowest and widest.
std::optional<std::array<double, 2>> widthRange(const std::string& range) {
  const std::size_t to = range.find("to");
  if (to == std::string::npos) return std::nullopt;
  const ParsedNumber low = parseNumber(std::string_view(range).substr(0, to));
  const ParsedNumber high = parseNumber(std::string_view(range).substr(to + 2));
  if (low.status != NumberStatus::Number || high.status != NumberStatus::Number) return std::nullopt;
  return std::array<double, 2>{low.value, high.value};
}

// Whether the paths name one file: the same text, or the same file on the disk.
bool sameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return a == b || std::filesystem::equivalent(a, b, error);
}

// The groove's narrowest and widest width: typed, else the standard gland's.
std::optional<std::array<double, 2>> grooveWidths(const ReviewInputs& in, const GlandRecord& r) {
  return in.grooveWidth ? in.grooveWidth : widthRange(r.GW);
}

// A material of the review: its coefficient and name, from the rules or typed.
struct Material {
  double alpha = 0;  // 1/°F
  std::string name;
  const Rule* rule = nullptr;  // none for a custom one
};

Material material(const RuleSet& rules, RuleKind kind, const std::string& id, double typed) {
  if (id == kCustomMaterial) return {typed, "Custom", nullptr};
  const Rule* rule = rules.material(kind, id);
  return rule ? Material{rule->value, rule->name, rule} : Material{0, id + " (not in the rule set)", nullptr};
}

// The seal at MMC (largest section, smallest stretch) and at LMC (smallest section, largest
// stretch), with the seal ID tolerance `idTolerance`.
Ring mmcRing(const GlandRecord& r, float idTolerance) { return {double(r.W) + r.WT, double(r.ID) + idTolerance}; }
Ring lmcRing(const GlandRecord& r, float idTolerance) { return {double(r.W) - r.WT, double(r.ID) - idTolerance}; }

// The seal ID tolerance a review uses: the typed one, else the AS568 size's, else none.
float sealIdTolerance(const ReviewInputs& in, const As568Size* size) {
  return in.sealIdTolerance ? *in.sealIdTolerance : size ? size->insideDiameterTolerance : 0.0f;
}

FillCondition fillCondition(const GlandSide& s, double radius, const Ring& ring, double seat, double height,
                            double width, const Thermal& t, double swell) {
  const RingFit fit = fitRing(ring, seat, s, t, swell);
  return {fit.radial, fit.area, height, width, fillPercent(fit.area, height, width, radius)};
}

// The seal's fill at its four conditions at room temperature without swell, in a groove
// `widths` wide (narrowest, widest) with a bottom radius `radius`; the finding is the caller's.
FillReview fillConditions(const GlandRecord& r, const GlandSide& s, float idTolerance,
                          const std::array<double, 2>& widths, double radius) {
  const auto [narrow, wide] = widths;
  const Thermal room;
  const GlandHeights h = glandHeights(r, s, room);
  const auto& seat = s.stretchedOnto;
  FillReview fill{};
  fill.nominal = fillCondition(s, radius, {r.W, r.ID}, r.*seat.nominal, h.nominal, (narrow + wide) / 2, room, 0);
  fill.mmc = fillCondition(s, radius, mmcRing(r, idTolerance), r.*seat.min, h.mmc, narrow, room, 0);
  fill.lmc = fillCondition(s, radius, lmcRing(r, idTolerance), r.*seat.max, h.lmc, wide, room, 0);
  fill.worstEccentric = fillCondition(s, radius, mmcRing(r, idTolerance), r.*seat.min, h.loaded, narrow, room, 0);
  return fill;
}

// The rules and inputs of one review, looked up once.
struct Context {
  const GlandRecord& r;
  const GlandSide& s;
  const ReviewInputs& in;
  const RuleSet& rules;
  GlandKind kind;
  Material compound, grooveMetal, matingMetal;
  Thermal room;                    // the coefficients, at room temperature
  double roomF;                    // °F
  std::optional<std::array<double, 2>> widths;  // narrowest and widest groove, inch
  float idTolerance = 0;           // the seal ID tolerance used, inch
  double lower, upper;             // squeeze limits, %
  std::string lowerSource, upperSource;

  mutable std::vector<const Rule*> used;  // the rules the review judged or advised by, in order

  // A rule the review judges or advises by, kept among those used; nullptr stays nullptr.
  const Rule* use(const Rule* rule) const {
    if (rule) used.push_back(rule);
    return rule;
  }
  // The required rule of `k` for the gland (the set has every required one), used.
  const Rule& rule(RuleKind k) const { return *use(rules.find(kind, k, r.W)); }
  Thermal at(double temperatureF) const {
    Thermal t = room;
    t.dT = temperatureF - roomF;
    return t;
  }
  Ring mmcRing() const { return glandwise::mmcRing(r, idTolerance); }
  Ring nominalRing() const { return {r.W, r.ID}; }
  Ring lmcRing() const { return glandwise::lmcRing(r, idTolerance); }
};

// The least and most squeezed points of a gland.
struct Extremes {
  double least, most;
};

// The conditions of a squeeze check: temperatures and swell for each extreme, and the ends judged.
struct SqueezeCase {
  std::vector<double> temperaturesF;     // the least and most are taken over these
  double leastSwell = 0, mostSwell = 0;  // fractions
  bool judgeLeast = true, judgeMost = true;
};

Extremes extremes(const Context& c, const GlandRecord& r, const SqueezeCase& sc) {
  Extremes e{HUGE_VAL, -HUGE_VAL};
  for (double temperature : sc.temperaturesF) {
    const Thermal t = c.at(temperature);
    const GlandHeights h = glandHeights(r, c.s, t);
    e.least = std::min(e.least, squeezePercent(fitRing(c.lmcRing(), r.*c.s.stretchedOnto.max, c.s, t, sc.leastSwell).radial,
                                               h.unloaded));
    e.most = std::max(e.most, squeezePercent(fitRing(c.mmcRing(), r.*c.s.stretchedOnto.min, c.s, t, sc.mostSwell).radial,
                                             h.loaded));
  }
  return e;
}

// The nominal groove diameters (inch) that bring both extremes of `sc` strictly inside the
// squeeze limits, by bisection on a shift of the groove diameter up to one cross-section
// either way: nothing when none does.
std::optional<std::array<double, 2>> grooveRange(const Context& c, const SqueezeCase& sc) {
  const auto at = [&](double shift) {
    GlandRecord shifted = c.r;
    for (float GlandRecord::*d : {c.s.groove.nominal, c.s.groove.min, c.s.groove.max})
      shifted.*d = float(shifted.*d + shift);
    return extremes(c, shifted, sc);
  };
  double from = -double(c.r.W), to = c.r.W;
  // Narrows [from, to] to the shifts where `inside` holds of the end `value`.
  const auto keep = [&](double Extremes::*value, double limit, bool lower) {
    const bool rising = at(c.r.W).*value > at(-double(c.r.W)).*value;
    double low = -double(c.r.W), high = c.r.W;
    for (int i = 0; i < 24; ++i) {  // to 0.2 µin
      const double middle = (low + high) / 2;
      ((at(middle).*value < limit) == rising ? low : high) = middle;
    }
    const bool above = rising == lower;  // the shifts inside lie above the root
    if (above) from = std::max(from, low + kLengthStep);
    else to = std::min(to, high - kLengthStep);
  };
  keep(&Extremes::least, c.lower, true);
  keep(&Extremes::most, c.upper, false);
  if (!(from <= to)) return std::nullopt;
  const double nominal = c.r.*c.s.groove.nominal;
  return std::array<double, 2>{std::ceil((nominal + from) / kLengthStep) * kLengthStep,
                               std::floor((nominal + to) / kLengthStep) * kLengthStep};
}

std::string grooveRemedy(const Context& c, const SqueezeCase& sc) {
  const std::string limits = plain(c.lower) + " to " + plain(c.upper) + " %";
  if (const auto range = grooveRange(c, sc))
    return "a groove diameter from " + fixed((*range)[0], 4) + " to " + fixed((*range)[1], 4) +
           " in brings the squeeze inside " + limits;
  return "no groove diameter brings both ends inside " + limits + ": tighten the tolerances";
}

// The condition of one end of a squeeze check in words: "over -20 to 180 °F with 10 % swell".
std::string conditionText(const SqueezeCase& sc, double swell) {
  const std::vector<double>& t = sc.temperaturesF;
  std::string text = t.size() == 1 ? "at " + degrees(t[0]) : "over " + plain(t.front()) + " to " + degrees(t.back());
  return swell == 0 ? text : text + " with " + plain(swell * 100) + " % swell";
}

// The squeeze extremes judged against the limits. A worst-case point beyond a limit is a
// caution (the statistics say how many assemblies reach it); a point without squeeze
// fails: the seal loses contact.
Finding squeezeFinding(const Context& c, Extremes e, const SqueezeCase& sc) {
  const std::string least = "the least squeeze " + percent(e.least) + " (LMC, unloaded side) " +
                            conditionText(sc, sc.leastSwell);
  const std::string most = "the most squeeze " + percent(e.most) + " (MMC, loaded side) " +
                           conditionText(sc, sc.mostSwell);
  const std::string sources = c.lowerSource == c.upperSource ? c.lowerSource : c.lowerSource + "; " + c.upperSource;
  Finding f{Verdict::Pass,
            (sc.judgeLeast ? least : "") + (sc.judgeLeast && sc.judgeMost ? " and " : "") + (sc.judgeMost ? most : "") +
                " within " + limitText(plain(c.lower) + " to " + plain(c.upper) + " %", sources),
            {}};
  if (sc.judgeLeast) {
    if (beyond(e.least, 0, kPercentStep, false) >= 0)
      merge(f, {Verdict::Fail, "no contact: " + least + " is not above 0 %", {}});
    else if (const int low = beyond(e.least, c.lower, kPercentStep, false); low >= 0)
      merge(f, {Verdict::Caution, least + " is " + (low > 0 ? "below" : "at") + " the lower limit " +
                                      limitText(percent(c.lower), c.lowerSource), {}});
  }
  if (sc.judgeMost)
    if (const int high = beyond(e.most, c.upper, kPercentStep, true); high >= 0)
      merge(f, {Verdict::Caution, most + " is " + (high > 0 ? "above" : "at") + " the upper limit " +
                                      limitText(percent(c.upper), c.upperSource), {}});
  if (f.verdict > Verdict::Pass) f.remedy = grooveRemedy(c, sc);
  return f;
}

FillCondition fillCondition(const Context& c, const Ring& ring, double seat, double height, double width,
                            const Thermal& t, double swell) {
  return fillCondition(c.s, c.in.grooveRadius, ring, seat, height, width, t, swell);
}

// The narrowest groove (to 0.001 inch) whose fill of the condition is within `limit` %.
std::string widthRemedy(const Context& c, const FillCondition& fill, double limit, const std::string& what) {
  const double corners = 2 * c.in.grooveRadius * c.in.grooveRadius * (1 - std::acos(-1.0) / 4);
  double width = std::ceil((fill.sealArea / (limit / 100) + corners) / fill.glandHeight / 0.001) * 0.001;
  while (beyond(fillPercent(fill.sealArea, fill.glandHeight, width, c.in.grooveRadius), limit, kPercentStep, true) > 0)
    width += 0.001;
  return "a narrowest groove width of " + fixed(width, 3) + " in brings " + what + " within " + percent(limit);
}

// Fill against a pass and a caution limit.
Finding fillFinding(const Context& c, const FillCondition& fill, const std::string& condition, const Rule& pass,
                    const Rule& caution, const Rule* guidance) {
  const std::string what = "fill " + percent(fill.fillPercent) + " at MMC " + condition;
  if (beyond(fill.fillPercent, pass.value, kPercentStep, true) <= 0)
    return {Verdict::Pass, what + " is within " + limitText(percent(pass.value), pass.source), {}};
  const int side = beyond(fill.fillPercent, caution.value, kPercentStep, true);
  Finding f{side > 0 ? Verdict::Fail : Verdict::Caution, what, widthRemedy(c, fill, pass.value, "the fill")};
  if (side > 0)
    f.reason += " is above " + limitText(percent(caution.value), caution.source) + ": the seal has no room";
  else
    f.reason += " is above " + limitText(percent(pass.value), pass.source) + (side == 0 ? ", at the limit " + percent(caution.value) : "");
  if (guidance && beyond(fill.fillPercent, guidance->value, kPercentStep, true) > 0 && side <= 0)
    f.reason += "; above " + percent(guidance->value) + " it leaves little room for swell or heat (" + guidance->source + ")";
  return f;
}

std::string unknownWidth(const GlandRecord& r) { return "the groove width \"" + r.GW + "\" is unknown: type it"; }

FillReview reviewFill(const Context& c) {
  if (!c.widths) {
    FillReview fill{};
    fill.finding = notEvaluated(unknownWidth(c.r));
    return fill;
  }
  FillReview fill = fillConditions(c.r, c.s, c.idTolerance, *c.widths, c.in.grooveRadius);
  fill.finding = fillFinding(c, fill.mmc, "(concentric, room temperature, no swell)", c.rule(RuleKind::FillPass),
                             c.rule(RuleKind::FillCaution), &c.rule(RuleKind::FillGuidance));
  return fill;
}

SqueezeReview reviewSqueeze(const Context& c) {
  SqueezeReview sq{};
  sq.lowerLimit = c.lower;
  sq.upperLimit = c.upper;
  const GlandHeights h = glandHeights(c.r, c.s, c.room);
  const auto& seat = c.s.stretchedOnto;
  sq.nominalPercent = squeezePercent(roomSection(c.nominalRing(), c.r.*seat.nominal, c.s), h.nominal);
  sq.mmcPercent = squeezePercent(roomSection(c.mmcRing(), c.r.*seat.min, c.s), h.mmc);
  sq.lmcPercent = squeezePercent(roomSection(c.lmcRing(), c.r.*seat.max, c.s), h.lmc);
  const SqueezeCase roomCase{{c.roomF}};
  const Extremes e = extremes(c, c.r, roomCase);
  sq.leastPercent = e.least;
  sq.mostPercent = e.most;
  sq.finding = squeezeFinding(c, e, roomCase);
  return sq;
}

// The hardnesses of the rule set that would pass the clearance, in words.
std::string harderRemedy(const Context& c, double clearance, double factor) {
  for (int hardness : c.rules.hardnesses(c.kind)) {
    const Rule* limit = c.rules.extrusionLimit(c.kind, hardness, c.r.PR);
    if (hardness > c.in.hardness && limit && beyond(clearance, limit->value * factor, kLengthStep, true) < 0)
      return std::to_string(hardness) + " Shore A passes (limit " + inch(c.use(limit)->value * factor) + ")";
  }
  return {};
}

// The largest clearance that passes and the diameter of the grooved part's land that gives it.
std::string clearanceRemedy(const Context& c, const ExtrusionReview& e) {
  const double allowed = e.limit - kLengthStep - (e.largestClearance - e.diametralClearance);  // at room temperature
  if (!(allowed > 0)) return {};
  const GlandRecord& r = c.r;
  std::string text = "a clearance of at most " + inch(allowed) + " at room temperature";
  if (c.s.kind == GlandKind::RodGroove)
    return text + ": a rod diameter of at least " +
           fixed(std::ceil((double(r.*c.s.bore.max) - allowed + r.*c.s.rod.tolerance) / kLengthStep) * kLengthStep, 4) + " in";
  return text + ": a bore diameter of at most " +
         fixed(std::floor((double(r.*c.s.rod.min) + allowed - r.*c.s.bore.tolerance) / kLengthStep) * kLengthStep, 4) + " in";
}

std::string backupRemedy(const Context& c) {
  const auto range = [&](RuleKind min, RuleKind max) -> std::string {
    const Rule* low = c.use(c.rules.find(c.kind, min, c.r.W));
    const Rule* high = c.use(c.rules.find(c.kind, max, c.r.W));
    return low && high ? fixed(low->value, 3) + " to " + fixed(high->value, 3) + " in" : std::string();
  };
  const std::string one = range(RuleKind::BackupWidthOneMin, RuleKind::BackupWidthOneMax);
  const std::string two = range(RuleKind::BackupWidthTwoMin, RuleKind::BackupWidthTwoMax);
  if (one.empty() || two.empty()) return {};
  return "a back-up ring: groove width " + one + " for one, " + two + " for two";
}

ExtrusionReview reviewExtrusion(const Context& c) {
  ExtrusionReview e{};
  e.diametralClearance = e.largestClearance = glandHeights(c.r, c.s, c.room).clearance;
  if (c.in.tempMinF && c.in.tempMaxF)
    for (double temperature : {*c.in.tempMinF, *c.in.tempMaxF})
      if (const double clearance = glandHeights(c.r, c.s, c.at(temperature)).clearance;
          !e.largestAtF || clearance > e.largestClearance) {
        e.largestClearance = clearance;
        e.largestAtF = temperature;
      }
  const Rule* limit = c.use(c.rules.extrusionLimit(c.kind, c.in.hardness, c.r.PR));
  if (!limit) {
    e.finding = notEvaluated("the rule set has no extrusion limit for " + std::to_string(c.in.hardness) +
                             " Shore A at " + plain(c.r.PR) + " psi");
    return e;
  }
  const Rule* factor = c.use(c.rules.material(RuleKind::ExtrusionFactor, c.in.compound, c.kind));
  e.limit = limit->value * (factor ? factor->value : 1);
  const std::string where = e.largestAtF ? "at " + degrees(*e.largestAtF) : "at room temperature";
  std::string what = "diametral clearance " + inch(e.largestClearance) + " " + where + " against " +
                     limitText(inch(e.limit), limit->source) + " for " + std::to_string(c.in.hardness) +
                     " Shore A at " + plain(c.r.PR) + " psi";
  if (factor) what += ", " + fixed(factor->value, 2) + " of it for " + c.compound.name + " (" + factor->source + ")";
  const int side = beyond(e.largestClearance, e.limit, kLengthStep, true);
  if (side < 0) {
    e.finding = {Verdict::Pass, what, {}};
    return e;
  }
  const Rule* standard = factor ? nullptr : c.use(c.rules.standardClearance(c.kind, c.r.W, c.r.PR));
  if (side == 0)
    e.finding = {Verdict::Caution, what + ": at the limit", {}};
  else if (standard && beyond(e.largestClearance, standard->value, kLengthStep, true) <= 0)
    e.finding = {Verdict::Caution, what + ": above it, but within the standard clearance " +
                                       limitText(inch(standard->value), standard->source), {}};
  else
    e.finding = {Verdict::Fail, what + ": the seal will extrude", {}};
  std::string remedy = harderRemedy(c, e.largestClearance, factor ? factor->value : 1);
  for (const std::string& more : {clearanceRemedy(c, e), backupRemedy(c)})
    if (!more.empty()) remedy += (remedy.empty() ? "" : "; or ") + more;
  e.finding.remedy = remedy;
  return e;
}

StretchReview reviewStretch(const Context& c, const As568Size* size) {
  const GlandRecord& r = c.r;
  StretchReview st{};
  st.known = c.in.sealIdTolerance || size;
  st.sealIdTolerance = c.idTolerance;
  st.toleranceSource = c.in.sealIdTolerance ? "typed" : size ? "AS568 -" + size->dash : "none";
  const double largestId = double(r.ID) + c.idTolerance, smallestId = double(r.ID) - c.idTolerance;
  const auto& seat = c.s.stretchedOnto;
  st.smallestPercent = (double(r.*seat.min) - largestId) / largestId * 100;
  st.largestPercent = (double(r.*seat.max) - smallestId) / smallestId * 100;
  st.effectiveAtSmallest = roomSection({r.W, largestId}, r.*seat.min, c.s);
  st.effectiveAtLargest = roomSection({r.W, smallestId}, r.*seat.max, c.s);
  const std::string range = "stretch " + fixed(st.smallestPercent, 1) + " to " + percent(st.largestPercent) +
                            (st.known ? " with the seal ID tolerance ±" + NumberText(c.idTolerance) + " in"
                                      : " at the nominal seal ID (its tolerance unknown)");
  const Rule& most = c.rule(RuleKind::StretchMax);
  st.finding = {Verdict::Pass, range + ", within " + limitText(percent(most.value), most.source), {}};
  if (beyond(st.largestPercent, most.value, kPercentStep, true) > 0)
    merge(st.finding, {Verdict::Caution, range + ": above " + limitText(percent(most.value), most.source),
                       "a seal ID of at least " +
                           fixed(std::ceil((r.*seat.max / (1 + most.value / 100) + c.idTolerance) / 0.001) * 0.001, 3) +
                           " in keeps the stretch within " + percent(most.value)});
  if (const Rule* least = c.use(c.rules.find(c.kind, RuleKind::StretchMin, r.W));
      least && beyond(st.smallestPercent, least->value, kPercentStep, false) > 0)
    merge(st.finding, {Verdict::Caution, range + ": below " + limitText(percent(least->value), least->source) +
                                             ", the seal can sit loose",
                       "a seal ID of at most " +
                           fixed(std::floor((r.*seat.min / (1 + least->value / 100) - c.idTolerance) / 0.001) * 0.001, 3) +
                           " in"});
  return st;
}

// The compounds of the rule set whose service range covers the temperatures, in words.
std::string compoundsCovering(const Context& c, double low, double high) {
  std::string names;
  for (const Rule* compound : c.rules.materials(RuleKind::Compound)) {
    const Rule* min = c.rules.material(RuleKind::ServiceMin, compound->material, c.kind);
    const Rule* max = c.rules.material(RuleKind::ServiceMax, compound->material, c.kind);
    if (min && max && min->value <= low && max->value >= high) {
      names += (names.empty() ? "" : ", ") + compound->name;
      c.use(min), c.use(max);
    }
  }
  return names.empty() ? std::string() : "a compound whose service range covers them: " + names;
}

TemperatureReview reviewTemperature(const Context& c) {
  TemperatureReview t{};
  if (!c.in.tempMinF || !c.in.tempMaxF) {
    t.finding = notEvaluated("give the service temperatures");
    return t;
  }
  const double low = *c.in.tempMinF, high = *c.in.tempMaxF, swell = c.in.swellPercent.value_or(0) / 100;
  const SqueezeCase service{{low, high}, std::min(swell, 0.0), std::max(swell, 0.0)};
  const Extremes e = extremes(c, c.r, service);
  t.coldSqueezePercent = e.least;
  t.hotSqueezePercent = e.most;
  t.finding = squeezeFinding(c, e, service);
  if (c.widths) {
    FillCondition hottest{};
    for (double temperature : {low, high}) {
      const Thermal th = c.at(temperature);
      const GlandHeights h = glandHeights(c.r, c.s, th);
      const FillCondition at = fillCondition(c, c.mmcRing(), c.r.*c.s.stretchedOnto.min, h.mmc,
                                             (*c.widths)[0] * h.grooveScale, th, std::max(swell, 0.0));
      if (at.fillPercent >= hottest.fillPercent) hottest = at;
    }
    t.hotFillPercent = hottest.fillPercent;
    Finding hot = fillFinding(c, hottest, conditionText(service, service.mostSwell), c.rule(RuleKind::ServiceFillPass),
                              c.rule(RuleKind::ServiceFillCaution), nullptr);
    if (hot.verdict > Verdict::Pass) merge(t.finding, std::move(hot));
  }
  const Rule* min = c.compound.rule ? c.use(c.rules.material(RuleKind::ServiceMin, c.in.compound, c.kind)) : nullptr;
  const Rule* max = c.compound.rule ? c.use(c.rules.material(RuleKind::ServiceMax, c.in.compound, c.kind)) : nullptr;
  if (min && max && (low < min->value || high > max->value))
    merge(t.finding, {Verdict::Caution,
                      plain(low) + " to " + degrees(high) + " leaves the service range of " + c.compound.name + ", " +
                          limitText(plain(min->value) + " to " + degrees(max->value), min->source),
                      compoundsCovering(c, low, high)});
  return t;
}

SwellReview reviewSwell(const Context& c) {
  SwellReview sw{};
  if (!c.in.swellPercent) {
    sw.finding = notEvaluated("give the fluid swell");
    return sw;
  }
  const double swell = *c.in.swellPercent / 100;
  const SqueezeCase swollen{{c.roomF}, std::min(swell, 0.0), std::max(swell, 0.0), swell <= 0, swell >= 0};
  const Extremes e = extremes(c, c.r, swollen);
  sw.squeezePercent = swell < 0 ? e.least : e.most;
  sw.finding = squeezeFinding(c, e, swollen);
  if (c.widths) {
    const GlandHeights h = glandHeights(c.r, c.s, c.room);
    const FillCondition at =
        fillCondition(c, c.mmcRing(), c.r.*c.s.stretchedOnto.min, h.mmc, (*c.widths)[0], c.room, std::max(swell, 0.0));
    sw.fillPercent = at.fillPercent;
    Finding fill = fillFinding(c, at, conditionText(swollen, swollen.mostSwell), c.rule(RuleKind::ServiceFillPass),
                               c.rule(RuleKind::ServiceFillCaution), nullptr);
    if (fill.verdict > Verdict::Pass) merge(sw.finding, std::move(fill));
  }
  return sw;
}

StatisticsReview reviewStatistics(const Context& c, int samples, ReviewDepth depth) {
  const Rule& sigmas = *c.rules.find(c.kind, RuleKind::ToleranceSigmas, c.r.W);
  StatisticsReview st = squeezeStatistics(
      c.r, c.s, {c.idTolerance, sigmas.value, c.lower, c.upper, samples, depth == ReviewDepth::Screened});
  if (st.samples == 0) {
    st.finding = notEvaluated("the statistics were not asked for");
    return st;
  }
  c.use(&sigmas);
  const Rule& caution = c.rule(RuleKind::OutsideCaution);
  const Rule& fail = c.rule(RuleKind::OutsideFail);
  const double outside = st.belowPercent + st.abovePercent;
  const std::string figure = fixed(outside, 2) + " % of " + std::to_string(st.samples) +
                             " assemblies outside the squeeze limits " + plain(c.lower) + " to " + plain(c.upper) + " %";
  if (const int side = beyond(outside, fail.value, kShareStep, true); side >= 0)
    st.finding = {side > 0 ? Verdict::Fail : Verdict::Caution,
                  figure + (side > 0 ? ": more than " : ": at ") + limitText(fixed(fail.value, 2) + " %", fail.source), {}};
  else if (beyond(outside, caution.value, kShareStep, true) > 0)
    st.finding = {Verdict::Caution, figure + ": more than " + limitText(fixed(caution.value, 2) + " %", caution.source), {}};
  else
    st.finding = {Verdict::Pass, figure + ", within " + limitText(fixed(caution.value, 2) + " %", caution.source), {}};
  if (st.finding.verdict > Verdict::Pass) st.finding.remedy = grooveRemedy(c, SqueezeCase{{c.roomF}});
  return st;
}

}  // namespace

std::string_view verdictName(Verdict verdict) {
  switch (verdict) {
    case Verdict::NotEvaluated: return "not evaluated";
    case Verdict::Pass: return "pass";
    case Verdict::Caution: return "caution";
    case Verdict::Fail: return "fail";
  }
  return {};
}

GrooveFit grooveFit(const GlandRecord& r, const GlandSide& s) {
  return {r.W, (double(r.*s.depthOuter.min) - r.*s.depthInner.max) / 2, widthRange(r.GW)};
}

std::string grooveRadiusProblem(double radius, const std::array<double, 2>& width, const GrooveFit& fit) {
  if (beyond(radius, width[0] / 2, kLengthStep, true) > 0) return "above half the groove width, " + fixed(width[0] / 2, 4) + " inch";
  if (beyond(radius, fit.grooveDepth, kLengthStep, true) > 0) return "above the groove depth, " + fixed(fit.grooveDepth, 4) + " inch";
  return {};
}

std::string grooveWidthProblem(const std::array<double, 2>& width, const GrooveFit& fit) {
  if (width[0] > width[1]) return "the narrowest above the widest";
  if (beyond(width[0], fit.sealCrossSection, kLengthStep, false) > 0)
    return "narrower than the seal's cross-section, " + plain(fit.sealCrossSection) + " inch";
  return {};
}

std::string rulesFileProblem(const std::string& rulesFile, const RuleSet& rules) {
  if (rulesFile.empty() || sameFile(rulesFile, rules.file())) return {};
  return "\"rules\" in \"review\" \"" + rulesFile + "\" is not the rule file judged by, " + rules.file();
}

std::string reviewInputsProblem(const ReviewInputs& in, const RuleSet& rules, const GlandRecord& record,
                                const GlandSide& side) {
  const auto field = [](std::string_view name) { return "\"" + std::string(name) + "\" in \"review\" "; };
  if (std::string problem = rulesFileProblem(in.rulesFile, rules); !problem.empty()) return problem;
  const std::vector<int> hardnesses = rules.hardnesses(side.kind);
  if (std::find(hardnesses.begin(), hardnesses.end(), in.hardness) == hardnesses.end())
    return field("hardness") + std::to_string(in.hardness) + ": the rule set " + rules.name() +
           " has no extrusion limits for it";
  const auto known = [&](RuleKind kind, const std::string& id) {
    return id == kCustomMaterial || rules.material(kind, id, side.kind) != nullptr;
  };
  if (!known(RuleKind::Compound, in.compound))
    return field("compound") + "\"" + in.compound + "\" is not a compound of the rule set " + rules.name();
  for (const auto& [name, id] : {std::pair{"metal_groove", &in.metalGroove}, {"metal_mating", &in.metalMating}})
    if (!known(RuleKind::Metal, *id)) return field(name) + "\"" + *id + "\" is not a metal of the rule set " + rules.name();
  const GrooveFit fit = grooveFit(record, side);
  const std::optional<std::array<double, 2>> width = in.grooveWidth ? in.grooveWidth : fit.standardWidth;
  if (in.grooveWidth)
    if (std::string problem = grooveWidthProblem(*in.grooveWidth, fit); !problem.empty())
      return field("groove_width") + "is " + problem;
  if (width)
    if (std::string problem = grooveRadiusProblem(in.grooveRadius, *width, fit); !problem.empty())
      return field("groove_radius") + NumberText(float(in.grooveRadius)) + " is " + problem;
  return {};
}

FillReview reviewFill(const GlandRecord& record, const GlandSide& side, const ReviewInputs& inputs,
                      const As568Table* table) {
  const As568Size* size = table ? table->match(record.W, record.ID) : nullptr;
  const std::optional<std::array<double, 2>> widths = grooveWidths(inputs, record);
  if (!widths) {
    FillReview fill{};
    fill.finding = notEvaluated(unknownWidth(record));
    return fill;
  }
  FillReview fill = fillConditions(record, side, sealIdTolerance(inputs, size), *widths, inputs.grooveRadius);
  fill.finding = notEvaluated("the fill's figures alone are not judged");
  return fill;
}

Review reviewGland(const GlandRecord& record, const GlandSide& side, const ReviewInputs& inputs, const RuleSet& rules,
                   const As568Table* table, int samples, ReviewDepth depth) {
  const As568Size* size = table ? table->match(record.W, record.ID) : nullptr;
  Context c{record, side, inputs, rules, side.kind,
            material(rules, RuleKind::Compound, inputs.compound, inputs.alphaSealPerF),
            material(rules, RuleKind::Metal, inputs.metalGroove, inputs.alphaGroovePerF),
            material(rules, RuleKind::Metal, inputs.metalMating, inputs.alphaMatingPerF),
            {}, 0, grooveWidths(inputs, record), 0, 0, 0, {}, {}, {}};
  c.room = {0, c.compound.alpha, c.grooveMetal.alpha, c.matingMetal.alpha};
  c.roomF = c.rule(RuleKind::RoomTemperature).value;
  c.idTolerance = sealIdTolerance(inputs, size);
  if (inputs.squeezeLimits) {
    c.lower = (*inputs.squeezeLimits)[0];
    c.upper = (*inputs.squeezeLimits)[1];
    c.lowerSource = c.upperSource = "typed";
  } else {
    c.lower = c.rule(RuleKind::SqueezeMin).value;
    c.upper = c.rule(RuleKind::SqueezeMax).value;
    c.lowerSource = c.rule(RuleKind::SqueezeMin).source;
    c.upperSource = c.rule(RuleKind::SqueezeMax).source;
  }

  Review review;
  review.rulesName = rules.name();
  review.rulesFile = rules.file();
  if (size) review.as568Dash = size->dash;
  review.compoundName = c.compound.name;
  review.grooveMetalName = c.grooveMetal.name;
  review.matingMetalName = c.matingMetal.name;
  const auto limit = [&](RuleKind k) { return rules.find(side.kind, k, record.W)->value; };  // not yet used
  review.limits = {limit(RuleKind::FillPass),        limit(RuleKind::FillCaution),
                   limit(RuleKind::ServiceFillPass), limit(RuleKind::ServiceFillCaution),
                   limit(RuleKind::StretchMax),      limit(RuleKind::OutsideCaution),
                   limit(RuleKind::OutsideFail)};
  review.alphaSealPerF = c.compound.alpha;
  review.alphaGroovePerF = c.grooveMetal.alpha;
  review.alphaMatingPerF = c.matingMetal.alpha;
  review.fill = reviewFill(c);
  review.squeeze = reviewSqueeze(c);
  review.extrusion = reviewExtrusion(c);
  review.stretch = reviewStretch(c, size);
  review.temperature = reviewTemperature(c);
  review.swell = reviewSwell(c);
  review.statistics = reviewStatistics(c, samples, depth);
  for (const Finding* finding : {&review.fill.finding, &review.squeeze.finding, &review.extrusion.finding,
                                 &review.stretch.finding, &review.temperature.finding, &review.swell.finding,
                                 &review.statistics.finding})
    review.overall = std::max(review.overall, finding->verdict);
  for (const Material* m : {&c.compound, &c.grooveMetal, &c.matingMetal}) c.use(m->rule);
  for (const Rule* rule : c.used)
    if (std::ranges::find(review.sources, rule->source) == review.sources.end()) review.sources.push_back(rule->source);
  return review;
}

}  // namespace glandwise

#pragma once
// The design review: what an engineer asks of a gland after the worst-case analysis —
// groove fill, squeeze, extrusion, the seal's own tolerance, heat and cold, fluid swell and
// the statistics of a production run, each judged by a rule of a rule set (with its public
// source) and told with a remedy in numbers. Computed from the analysed record; it changes
// nothing.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/as568.h"
#include "model/gland_side.h"
#include "model/record.h"
#include "model/review_rules.h"

namespace glandwise {

// A check's verdict. NotEvaluated: the check was not asked for (no service temperatures,
// say); it counts neither as a pass nor in the overall verdict.
enum class Verdict { NotEvaluated, Pass, Caution, Fail };

// "not evaluated", "pass", "caution" or "fail".
std::string_view verdictName(Verdict verdict);

// The material id that stands for a coefficient the user types.
inline constexpr std::string_view kCustomMaterial = "custom";

// What the review needs beyond the record. The defaults give a review of every gland.
struct ReviewInputs {
  int hardness = 70;                     // seal hardness, Shore A
  std::optional<float> sealIdTolerance;  // typed ± tolerance of the seal ID, inch
  std::optional<double> tempMinF;        // lowest and highest service temperatures, °F:
  std::optional<double> tempMaxF;        // both or neither
  std::string compound = "nbr";          // a compound id of the rule set, or "custom"
  double alphaSealPerF = 0;              // the custom compound's coefficient, 1/°F
  std::string metalGroove = "carbon_steel";  // the metal of the part with the groove, or "custom"
  std::string metalMating = "carbon_steel";  // the metal of the part across the gap, or "custom"
  double alphaGroovePerF = 0, alphaMatingPerF = 0;  // the custom metals' coefficients, 1/°F
  std::optional<double> swellPercent;    // fluid volume swell of the seal, % (negative: shrinkage)
  double grooveRadius = 0.010;           // groove bottom corner radius, inch
  std::optional<std::array<double, 2>> grooveWidth;    // typed narrowest and widest groove, inch
  std::optional<std::array<double, 2>> squeezeLimits;  // typed lower and upper squeeze limit, %
  // The rule file the inputs go with, as a saved gland keeps it: empty for the rules shipped
  // with the program. reviewGland judges by the rule set it is given.
  std::string rulesFile;
};

// One checked figure: its verdict, the reason (condition, figure, limit and the rule's
// source) and, for a caution or a fail, the smallest change that passes, in numbers.
struct Finding {
  Verdict verdict = Verdict::Pass;
  std::string reason;
  std::string remedy;
};

// The seal in the groove at one condition.
struct FillCondition {
  double effectiveCrossSection = 0;  // the seal's radial section, inch
  double sealArea = 0;               // its section area, square inch
  double glandHeight = 0;            // inch
  double grooveWidth = 0;            // inch
  double fillPercent = 0;            // % of the groove's area
};

struct FillReview {
  FillCondition nominal, mmc, lmc;
  FillCondition worstEccentric;  // MMC on the loaded side: a local figure, shown and never judged
  Finding finding;               // at MMC: concentric, room temperature, no swell
};

// The squeeze at room temperature, without swell.
struct SqueezeReview {
  double lowerLimit = 0, upperLimit = 0;        // the acceptance limits used, %
  double nominalPercent = 0, mmcPercent = 0, lmcPercent = 0;  // concentric
  double leastPercent = 0;  // the least squeezed point: LMC on the unloaded side, the seal at its largest stretch
  double mostPercent = 0;   // the most squeezed point: MMC on the loaded side, at its smallest stretch
  Finding finding;
};

struct ExtrusionReview {
  double diametralClearance = 0;  // largest bore − smallest rod at room temperature, inch
  double largestClearance = 0;    // the largest over the service temperatures, inch
  std::optional<double> largestAtF;  // the temperature of the largest; none: room temperature
  double limit = 0;               // the largest clearance that passes for the hardness, pressure and compound, inch
  Finding finding;
};

struct StretchReview {
  bool known = false;            // false: no seal ID tolerance; the nominal ID alone is used
  float sealIdTolerance = 0;     // the tolerance used, inch
  std::string toleranceSource;   // "typed", "AS568 -214" or "none"
  double smallestPercent = 0, largestPercent = 0;
  double effectiveAtSmallest = 0, effectiveAtLargest = 0;  // inch
  Finding finding;
};

struct TemperatureReview {
  double coldSqueezePercent = 0;  // least squeeze over the range (LMC, unloaded side, with any shrinkage)
  double hotSqueezePercent = 0;   // most squeeze over the range (MMC, loaded side, with any swell)
  double hotFillPercent = 0;      // largest fill at MMC over the range, with any swell
  Finding finding;
};

struct SwellReview {
  double squeezePercent = 0;  // at room temperature: most squeezed (swell) or least squeezed (shrinkage)
  double fillPercent = 0;     // at MMC, room temperature
  Finding finding;
};

struct StatisticsReview {
  int samples = 0;               // assemblies sampled; 0: not evaluated
  // False when a screened review knew the shares below and above the limits without drawing
  // an assembly. A screened review leaves the sample figures (mean to histogram) at 0.
  bool sampled = true;
  double toleranceSigmas = 3;    // standard deviations a tolerance spans
  double nominalPercent = 0;     // squeeze % of the nominal gland, concentric
  double rssSigma = 0;           // root-sum-square standard deviation of the concentric squeeze, %
  double rssLow = 0, rssHigh = 0;  // nominal ∓ 3 σ
  double mean = 0, sigma = 0;    // of the sampled concentric squeeze, %
  double p001 = 0, p999 = 0;     // 0.1 % point of the least squeezed points, 99.9 % of the most
  double belowPercent = 0, abovePercent = 0;  // shares below / above the limits, %
  double histogramStart = 0, binWidth = 0;    // squeeze % at the histogram's left edge, and per bin
  std::array<int, 40> histogram{};  // least and most squeezed points per bin (two per assembly)
  Finding finding;
};

// The limits of the rule set that a review's figures were judged against, %.
struct ReviewLimits {
  double fillPass = 0, fillCaution = 0;                // fill at MMC, room temperature, no swell
  double serviceFillPass = 0, serviceFillCaution = 0;  // fill at MMC with heat and swell
  double stretchMax = 0;                               // installed stretch
  double outsideCaution = 0, outsideFail = 0;          // share of assemblies outside the squeeze limits
};

struct Review {
  Verdict overall = Verdict::Pass;  // the worst evaluated check
  ReviewLimits limits;
  std::string rulesName, rulesFile;  // the rule set judged by
  std::optional<std::string> as568Dash;  // the AS568 size the seal matches, e.g. "214"
  std::string compoundName, grooveMetalName, matingMetalName;  // as people read them
  double alphaSealPerF = 0, alphaGroovePerF = 0, alphaMatingPerF = 0;  // their coefficients in use, 1/°F
  FillReview fill;
  SqueezeReview squeeze;
  ExtrusionReview extrusion;
  StretchReview stretch;
  TemperatureReview temperature;
  SwellReview swell;
  StatisticsReview statistics;
  std::vector<std::string> sources;  // the sources of the rules judged and advised by, each once, in order of use
};

// Assemblies in the Monte Carlo, and its seed for the xoshiro256** generator.
inline constexpr int kMonteCarloSamples = 100000;
inline constexpr std::uint64_t kMonteCarloSeed = 0x6c616e6477697365;  // "landwise"

// The gland's fill at its four conditions at room temperature without swell, as the review
// has it, unjudged: all that its section drawing needs. `table` as for reviewGland.
FillReview reviewFill(const GlandRecord& record, const GlandSide& side, const ReviewInputs& inputs,
                      const As568Table* table = nullptr);

// Reviews the analysed gland of `side` in `record` (after the editor's OK and the sheet)
// by `rules`. `table` supplies the seal ID tolerance when none is typed and the seal is an
// AS568 size. `samples` assemblies go into the statistics; 0 leaves them not evaluated
// (for a quick review of many candidates). The inputs are those reviewInputsProblem finds
// nothing wrong with.
// How much of the statistics a review computes.
enum class ReviewDepth {
  Full,      // every assembly sampled, every figure computed
  Screened,  // the shares below and above the limits alone, sampled only when that decides
             // something: the verdicts and shares are those of Full, the sample figures are
             // left out
};

Review reviewGland(const GlandRecord& record, const GlandSide& side, const ReviewInputs& inputs, const RuleSet& rules,
                   const As568Table* table, int samples = kMonteCarloSamples, ReviewDepth depth = ReviewDepth::Full);

// The gland's figures that the groove inputs must fit.
struct GrooveFit {
  double sealCrossSection;  // W, inch
  double grooveDepth;       // the groove's depth in its own part, shallowest, inch
  std::optional<std::array<double, 2>> standardWidth;  // the range of GW, inch; none when unreadable
};
GrooveFit grooveFit(const GlandRecord& record, const GlandSide& side);

// Why a groove radius or width does not fit the gland ("above half the groove width,
// 0.0465 inch"); empty when it fits.
std::string grooveRadiusProblem(double radius, const std::array<double, 2>& width, const GrooveFit& fit);
std::string grooveWidthProblem(const std::array<double, 2>& width, const GrooveFit& fit);

// Why the inputs cannot be reviewed with `rules` for this gland, naming the batch input's
// field ("\"compound\" in \"review\" ..."); empty when they can. Inputs that name a rule file
// go only with the rule set read from that file.
std::string reviewInputsProblem(const ReviewInputs& inputs, const RuleSet& rules, const GlandRecord& record,
                                const GlandSide& side);

// Why review inputs saved with the rule file `rulesFile` (empty: the program's own, which
// go with any) cannot be judged by `rules`, read from another file ("\"rules\" in \"review\"
// \"/acme.csv\" is not the rule file judged by, ..."); empty when they can.
std::string rulesFileProblem(const std::string& rulesFile, const RuleSet& rules);

}  // namespace glandwise

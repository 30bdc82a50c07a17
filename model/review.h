#pragma once
// The design review: what an engineer asks of a gland after the worst-case analysis —
// groove fill, extrusion, the seal's own tolerance, heat and cold, fluid swell and the
// statistics of a production run. Computed from the analysed record; it changes nothing.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/as568.h"
#include "model/gland_side.h"
#include "model/record.h"

namespace glandwise {

enum class Verdict { Pass, Caution, Fail };

// "pass", "caution" or "fail".
std::string_view verdictName(Verdict verdict);

// Seal compounds with a typical linear expansion coefficient and service range.
enum class Compound { Nbr, Fkm, Epdm, Silicone, Custom };
// Gland metals with a typical linear expansion coefficient.
enum class Metal { CarbonSteel, StainlessSteel, Aluminium, Custom };

// What the review needs beyond the record. The defaults give a review of every gland.
struct ReviewInputs {
  int hardness = 70;                          // seal hardness, Shore A: 70, 80 or 90
  std::optional<float> sealIdTolerance;       // typed ± tolerance of the seal ID, inch
  double tempMinF = 70;                       // lowest service temperature, °F
  double tempMaxF = 70;                       // highest service temperature, °F
  Compound compound = Compound::Nbr;
  double alphaSealPerF = 0;                   // used when compound is Custom, 1/°F
  Metal metal = Metal::CarbonSteel;
  double alphaMetalPerF = 0;                  // used when metal is Custom, 1/°F
  double swellPercent = 0;                    // fluid volume swell of the seal, %
  double grooveRadius = 0.010;                // groove bottom corner radius, inch
  double squeezeMinPercent = 10;              // squeeze limits of the statistics, %
  double squeezeMaxPercent = 30;
};

// The limits that the checks judge their figures against, %. Fill above these leaves
// little room for swell and heat, then none.
inline constexpr double kFillCaution = 85;
inline constexpr double kFillFail = 90;
// Stretch above this shortens a seal's life.
inline constexpr double kStretchCaution = 5;
// Shares of assemblies outside the squeeze limits: beyond a 3-sigma process, and far beyond.
inline constexpr double kOutsideCaution = 0.27;
inline constexpr double kOutsideFail = 5;

// The typical properties of the compounds and metals (see review.cpp for the sources).
double compoundExpansion(Compound compound);     // 1/°F; 0 for Custom
double metalExpansion(Metal metal);               // 1/°F; 0 for Custom
// The compound's usual service range, °F; nothing for Custom.
std::optional<std::array<double, 2>> compoundServiceRange(Compound compound);

// The largest safe diametral clearance without back-up rings for a hardness (70, 80 or 90
// Shore A) at a pressure (psi), inch; a pressure on a band edge takes the higher band.
double extrusionClearanceLimit(int hardness, double pressure);

// One checked figure: its verdict and the rule that decided it, in words.
struct Finding {
  Verdict verdict = Verdict::Pass;
  std::string reason;
};

// Gland fill (% of the groove's cross-section area taken by the seal) at one condition.
struct FillCondition {
  double effectiveCrossSection;  // inch
  double glandHeight;            // inch
  double grooveWidth;            // inch
  double fillPercent;
  Finding finding;
};

struct FillReview {
  FillCondition nominal, mmc, lmc, worstEccentric;
  Finding finding;  // the worst of the four
};

struct ExtrusionReview {
  double diametralClearance;  // largest bore − smallest rod, inch
  double limit;               // the largest safe clearance for the hardness and pressure, inch
  Finding finding;
};

struct StretchReview {
  bool known = false;            // false: no seal ID tolerance, the range is unknown
  float sealIdTolerance = 0;     // the tolerance used, inch
  std::string toleranceSource;   // "typed", "AS568 -214" or "none"
  double smallestPercent = 0, largestPercent = 0;
  double effectiveAtSmallest = 0, effectiveAtLargest = 0;  // inch
  Finding finding;
};

struct TemperatureReview {
  double coldSqueezePercent;  // smallest squeeze at the lowest temperature (LMC, unloaded side)
  double hotSqueezePercent;   // largest squeeze at the highest temperature (MMC, loaded side)
  double hotFillPercent;      // largest fill at the highest temperature
  Finding finding;
};

struct SwellReview {
  double squeezePercent;  // at MMC with swell
  double fillPercent;     // at MMC with swell
  Finding finding;
};

struct StatisticsReview {
  double nominalPercent;         // squeeze % of the nominal gland
  double rssSigma;               // root-sum-square standard deviation, %
  double rssLow, rssHigh;        // nominal ∓ 3 σ
  // Monte Carlo over kSamples assemblies.
  double mean, sigma, p001, p999;  // squeeze %: mean, σ, 0.1 % and 99.9 % points
  double belowPercent, abovePercent;  // share of assemblies below / above the limits, %
  double histogramStart, binWidth;    // squeeze % at the histogram's left edge, and per bin
  std::array<int, 40> histogram{};    // assemblies per bin
  Finding finding;
};

struct Review {
  Verdict overall = Verdict::Pass;
  std::optional<std::string> as568Dash;  // the AS568 size the seal matches, e.g. "214"
  FillReview fill;
  ExtrusionReview extrusion;
  StretchReview stretch;
  TemperatureReview temperature;
  SwellReview swell;
  StatisticsReview statistics;
};

// Assemblies in the Monte Carlo, and its seed for the xoshiro256** generator.
inline constexpr int kMonteCarloSamples = 100000;
inline constexpr std::uint64_t kMonteCarloSeed = 0x6c616e6477697365;  // "landwise"

// The gland's fill at its four conditions, the first part of the review (and all that its
// section drawing needs of it).
FillReview reviewFill(const GlandRecord& record, const GlandSide& side, const ReviewInputs& inputs);

// Reviews the analysed gland of `side` in `record` (after the editor's OK and the sheet).
// `table` supplies the seal ID tolerance when none is typed and the seal is an AS568 size.
Review reviewGland(const GlandRecord& record, const GlandSide& side, const ReviewInputs& inputs,
                   const As568Table* table);

}  // namespace glandwise

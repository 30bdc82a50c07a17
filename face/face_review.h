#pragma once
// The face seal's design review: squeeze, fill, the ring's fit on the datum, the flange
// gap, heat and swell and the statistics of a production run, each judged by the face
// seal's rows of the review's rule set with its figure, verdict and reason.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "face/face_data.h"
#include "face/face_gland.h"
#include "model/review.h"

namespace glandwise {

// What the review needs beyond the gland. Rows whose inputs are not given are not judged.
struct FaceReviewInputs {
  int hardness = 70;                                   // Shore A, with extrusion limits in the rules
  std::string compound = "nbr";                        // a compound id of the rules
  std::string metal = "carbon_steel";                  // a metal id of the rules: the grooved flange's
  std::optional<std::array<double, 2>> temperaturesF;  // lowest and highest service temperature, °F
  std::optional<double> swellPercent;                  // the fluid's volume swell of the seal, %
  double flangeGap = 0;                                // inch the flanges open under pressure (0: they stay closed)
  // The rule file the inputs go with, as a saved face seal keeps it: empty for the rules
  // shipped with the program. reviewFaceGland judges by the rules it is given.
  std::string rulesFile;
};

enum class FaceCheck { Squeeze, Fill, Fit, FlangeGap, HeatAndSwell, Statistics, Count };
inline constexpr std::size_t kFaceCheckCount = static_cast<std::size_t>(FaceCheck::Count);

// "Squeeze", "Gland fill", ... as the designer and the page name the check.
std::string_view faceCheckName(FaceCheck check);
// "squeeze", "fill", "fit", "flange_gap", "heat_and_swell", "statistics": the batch line's keys.
std::string_view faceCheckKey(FaceCheck check);

// One check: its figure in words, its verdict (not evaluated when not asked for) and the
// rule that decided it.
struct FaceRow {
  std::string figure;
  Finding finding;
};

// The assemblies of a production run the histogram counts.
inline constexpr int kFaceRun = 100000;

// The production run by root-sum-square: the squeeze's and the fill's spread from the
// tolerances (σ = tolerance / 3; the squeeze over the cross-section, the groove depth and,
// on a groove ID, the ring's ID and the datum; the fill over the cross-section, depth,
// width and bottom radius), and the shares of a normal distribution beyond the limits.
struct FaceStatistics {
  double mean = 0, sigma = 0;                 // squeeze %
  double belowPercent = 0, abovePercent = 0;  // assemblies outside the squeeze limits, %
  double histogramStart = 0, binWidth = 0;    // squeeze % at the left edge (mean − 4 σ), and per bin
  std::array<int, 40> histogram{};            // assemblies of kFaceRun per bin
  double toleranceSigmas = 3;                 // standard deviations a tolerance spans (the rules')
  double fillSigma = 0;                       // σ of the fill at nominal, points of %
  double overfilledPercent = 0;               // assemblies whose fill is above 100 %, %
};

// The figures at the lowest and highest service temperature, with the swell.
struct FaceHeat {
  double coldSqueezePercent;    // LMC, the ring shrunk (and shrinking onto a groove ID)
  double coldFitPercent;        // the nominal ring's fit at the lowest temperature
  double hotSqueezePercent;     // MMC, the ring grown by heat and swell
  double hotFillPercent;        // MMC
  double hotOverfilledPercent;  // assemblies overfilled at the highest temperature, %
};

struct FaceReview {
  Verdict overall = Verdict::Pass;  // the worst of the rows judged
  std::array<FaceRow, kFaceCheckCount> rows;
  FaceStatistics statistics;
  std::optional<FaceHeat> heat;           // when temperatures or swell are given
  std::string rulesName, rulesFile;       // the rule set judged by, and the file it was read from
  std::string compoundName, metalName;    // the inputs' compound and metal as people read them
  double extrusionLimit = 0;              // inch, the largest gap for the hardness, pressure and compound
  std::array<double, 2> squeezeLimits{};  // %, the least and largest squeeze of the rules

  const FaceRow& row(FaceCheck check) const { return rows[static_cast<std::size_t>(check)]; }
};

// Reviews `gland` analysed as `analysis` by the rules of `data` (its table gives the
// published squeeze range the squeeze row names), with inputs that faceReviewInputsProblem
// finds nothing wrong with.
FaceReview reviewFaceGland(const FaceGland& gland, const FaceAnalysis& analysis, const FaceReviewInputs& inputs,
                           const FaceData& data);

// The inputs in one paragraph, for the printed page.
std::string faceReviewInputsText(const FaceReviewInputs& inputs, const FaceReview& review);

// Why the inputs cannot be reviewed by `rules` at `pressure` (inputs of another rule file, a
// hardness without extrusion limits, a compound or metal the rules lack), naming the batch
// input's field; empty when they can.
std::string faceReviewInputsProblem(const FaceReviewInputs& inputs, const RuleSet& rules, float pressure);

}  // namespace glandwise

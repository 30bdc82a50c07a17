#pragma once
// The review in words: rows of a table, the headline, the histogram's marks, the
// statistics' assumptions and the inputs, for the screen, the printed page and the batch.

#include <string>
#include <vector>

#include "model/review.h"

namespace glandwise {

// One check of the review in words: its name, its figures, its verdict, the rule and the remedy.
struct ReviewRow {
  std::string key;     // the check's key in the batch output, e.g. "fill", "swell"
  std::string name;    // e.g. "Gland fill"
  std::string figure;  // e.g. "67.4 % nominal, 72.1 % at MMC"
  Verdict verdict;
  std::string reason;
  std::string remedy;  // empty for a pass or a check not evaluated
};

// The checks in order: fill, squeeze, extrusion, stretch, temperature, swell, statistics.
inline constexpr std::size_t kReviewRowCount = 7;
std::vector<ReviewRow> reviewRows(const Review& review);

// The overall verdict in words, naming the checks not evaluated: "PASS — temperature and
// swell not evaluated".
std::string reviewHeadline(const Review& review);

// What a squeeze mark stands for.
enum class SqueezeMarkKind { Limit, ConcentricLmc, ConcentricMmc, LeastSqueezed, MostSqueezed };

// A squeeze the histogram marks, with its name.
struct SqueezeMark {
  SqueezeMarkKind kind;
  std::string name;  // e.g. "lower limit", "MMC (concentric)", "most squeezed (MMC, loaded side)"
  double percent;
};
// The limits, the concentric MMC and LMC squeezes and the eccentric extremes.
std::vector<SqueezeMark> squeezeMarks(const Review& review);

// What the statistics assume, in words.
std::string statisticsAssumptions(const Review& review);

// The gland's dimensions with their tolerances in one paragraph, as the review used them:
// the seal, the bore, the rod, the groove and the gland height, the eccentricity allowance
// and the pressure.
std::string glandDimensionsText(const GlandRecord& record, const GlandSide& side, const Review& review);

// The review's inputs in one paragraph, with the expansion coefficients in use, the seal ID
// tolerance the stretch used and, last, the rule set.
std::string reviewInputsText(const ReviewInputs& inputs, const Review& review);

}  // namespace glandwise

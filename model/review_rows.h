#pragma once
// The review in words: rows of a table and its inputs, for the screen and the printed page.

#include <string>
#include <vector>

#include "model/review.h"

namespace glandwise {

// One check of the review in words: its name, its figures, its verdict and the rule.
struct ReviewRow {
  std::string name;    // e.g. "Gland fill"
  std::string figure;  // e.g. "67.4 % nominal, 72.1 % largest"
  Verdict verdict;
  std::string reason;
};

// The six checks in order: fill, extrusion, stretch, temperature, swell, statistics.
std::vector<ReviewRow> reviewRows(const Review& review);

// The names people read: "NBR (nitrile)", "Stainless steel".
std::string_view compoundName(Compound compound);
std::string_view metalName(Metal metal);

// The review's inputs in one paragraph, with the expansion coefficients in use and the seal ID
// tolerance the stretch used.
std::string reviewInputsText(const ReviewInputs& inputs, const StretchReview& stretch);

}  // namespace glandwise

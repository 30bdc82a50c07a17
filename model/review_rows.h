#pragma once
// The review as rows of a table, for the screen and the printed page alike.

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

}  // namespace glandwise

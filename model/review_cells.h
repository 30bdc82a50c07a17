#pragma once
// The review as the cells of a spreadsheet: one line per judged figure, its cells apart, so
// that figures and limits paste as numbers.

#include <string>

#include "model/review.h"

namespace glandwise {

// Tab-separated lines ending in a line feed: a header "Row, Figure, Limit, Verdict, Reason",
// the overall verdict with the headline, then each check's figures. A row names its figure
// and unit ("Extrusion, largest diametral clearance (inch)"); the figure is written to the
// decimals the window shows (none for a check not evaluated), the limit it is judged against
// as it stands in the rule set.
std::string reviewCells(const Review& review, const ReviewInputs& inputs);

}  // namespace glandwise

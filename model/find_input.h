#pragma once
// A Find a seal question as one line of JSON, for the batch calculator:
//   {"find": {"gland": "rod", "bore": 2.000, "tolerance": 0.001, "pressure": 1000,
//             "temp_min_f": -20, "temp_max_f": 180, "top": 5}}

#include <array>
#include <cstddef>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>

#include "model/find_seal.h"
#include "model/tolerance_allocation.h"

namespace glandwise {

// What a find line asks.
struct FindLine {
  FindRequest request;
  std::size_t top = 10;            // the candidates written, best first
  bool tolerances = false;         // allocate the tolerances of every candidate written
  double targetYieldPercent = kDefaultYieldTarget;
};

// A find line read: a usable question, or the reason why the line cannot be used.
struct ParsedFind {
  FindLine find;
  std::string problem;  // empty when the line is usable
};

// Whether `line` is a find line: a JSON object whose first field is "find".
bool isFindLine(std::string_view line);

// Reads a find line: one object holding only "find", itself an object of the fields
//   "gland" "rod" or "housing" ("face" is read by parseFaceFindLine); "bore" (a groove in the rod) or "rod" (a groove in the
//   housing), "tolerance" and "pressure" as texts or numbers; "cross_sections" (a list of
//   "0.070" ... "0.275"), "largest_groove_width", "largest_radial_space", "smallest_seal_id",
//   "largest_seal_id" (inch), "top" (a whole number from 1), "tolerances" (true or false),
//   "target_yield_percent" (above 0, at most 100); and the review's inputs by the names of a
//   gland line's "review" object.
// The first problem found is reported.
ParsedFind parseFindLine(std::string_view line);

// Reads a find line's "cross_sections" (a list of "0.070" ... "0.275") into `allowed`;
// the problem in words, or empty.
std::string readCrossSections(const nlohmann::ordered_json& value, std::array<bool, kCrossSections.size()>& allowed);

}  // namespace glandwise

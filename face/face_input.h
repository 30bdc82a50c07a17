#pragma once
// A face seal as one line of JSON: the batch calculator's input lines with "gland": "face"
// and the saved face seal files.
//
//   {"gland": "face", "as568": "-214", "pressure_from": "inside", "medium": "liquid",
//    "groove_od": "1.235", "pressure": "500", "edits": {"depth": "0.1"},
//    "review": {"hardness": 70, "compound": "nbr", "metal": "carbon_steel",
//               "temp_min_f": -20, "temp_max_f": 180, "swell_percent": 5, "flange_gap": 0,
//               "rules": "/designs/acme-rules.csv"}}

#include <optional>
#include <string>
#include <string_view>

#include "face/face_form.h"
#include "face/face_review.h"

namespace glandwise {

struct FaceInput {
  FaceForm form;
  std::optional<FaceReviewInputs> review;  // the line asks for the review with these inputs
};

// A face seal line read: a usable input, or why the line cannot be used.
struct ParsedFaceInput {
  FaceInput input;      // meaningful only when `problem` is empty
  std::string problem;  // e.g. `unknown field "sealid"`; empty when the line is usable
};

// Reads `line` when it is one JSON object whose "gland" is "face"; nothing for any other
// line (a radial gland's, or one that is not JSON), which the radial reader reads. Unknown
// fields, fields given twice or of the wrong kind, unknown option values, "as568" with
// "cross_section" or "seal_id", a datum field of the other pressure direction, unknown edits
// and review inputs out of range are problems; the first in reading order is reported.
std::optional<ParsedFaceInput> parseFaceLine(std::string_view line);

// The input as one line of JSON (no line feed) that parseFaceLine reads back to the same input.
std::string faceLine(const FaceInput& input);

}  // namespace glandwise

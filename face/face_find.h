#pragma once
// Find a seal for a face gland: from the datum diameter (the groove OD for pressure from
// inside, the groove ID from outside), the pressure direction, the medium and the service
// to the AS568 sizes whose standard face groove fits it, each reviewed, judged and ranked
// as the radial glands' candidates are.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "face/face_data.h"
#include "face/face_result.h"
#include "model/as568.h"
#include "model/cross_sections.h"
#include "model/find_review.h"

namespace glandwise {

// The question: which seal and face groove for this datum.
struct FaceFindRequest {
  PressureFrom from = PressureFrom::Inside;
  FaceMedium medium = FaceMedium::Liquid;
  float datum = 0;     // inch: the groove OD (from inside) or ID (from outside)
  float pressure = 0;  // psi
  FaceReviewInputs review;
  std::optional<double> largestGrooveWidth;  // inch: the radial space for the groove; none: no limit
  std::array<bool, kCrossSections.size()> crossSections{true, true, true, true, true};  // allowed, by option
};

// One AS568 size in its standard face gland on the datum.
struct FaceCandidate {
  const As568Size* size = nullptr;
  FaceResult result;  // its gland, analysis and review, as standardFaceSeal gives them
  Judgement judgement;
  double idStep = 0;  // |ring OD or ID − datum|, inch: the tie-breaker after the cross-section
};

// The candidates ranked best first, or why there are none.
struct FaceFindResult {
  std::vector<FaceCandidate> candidates;
  std::string reason;  // empty when there are candidates
};

// Every AS568 size with one of the five cross-sections, allowed by the request, whose ring fits the datum within the
// face seal's fit limit (0 to the rules' interference or stretch at most) and whose standard
// groove fits the space given, reviewed and ranked by ranksBefore. The rules of `data` are
// ones that faceRulesProblem finds nothing missing in.
FaceFindResult findFaceSeals(const FaceFindRequest& request, const FaceData& data, const As568Table& table);

// How a reviewed face gland compares with others: the face review's judged figures against
// the limits it judged them by.
Judgement judgeFace(const FaceResult& result, const RuleSet& rules);

}  // namespace glandwise

namespace glandwise {

// A face find line: {"find": {"gland": "face", "pressure_from": "inside", "medium": "liquid",
// "groove_od": 1.235, "pressure": 500, "largest_groove_width": 0.2, "cross_sections": ["0.139"], "top": 5,
// "temp_min_f": -20, ...}}
struct FaceFindLine {
  FaceFindRequest request;
  std::size_t top = 10;  // the candidates written, best first
};

struct ParsedFaceFind {
  FaceFindLine find;
  std::string problem;  // empty when the line is usable
};

// Reads a find line whose "find" object has "gland": "face"; nothing for any other line
// (which the radial find reader reads and reports on). "pressure_from", "medium", the datum
// ("groove_od" from inside, "groove_id" from outside) and "pressure" are needed and read as
// a face seal line reads them; "largest_groove_width" (inch), "cross_sections" (a list of
// "0.070" ... "0.275") and "top" are optional; every
// other field is one of the face review's inputs, by the names of a face line's "review".
std::optional<ParsedFaceFind> parseFaceFindLine(std::string_view line);

// Why the request's review inputs cannot be reviewed by `rules` at its pressure (a hardness
// without extrusion limits, a compound or metal the rules lack), naming the find line's
// field; empty when they can.
std::string faceFindInputsProblem(const FaceFindRequest& request, const RuleSet& rules);

}  // namespace glandwise

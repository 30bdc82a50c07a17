#pragma once
// Find a seal: from the hardware (a bore or a rod, the pressure and the service) to the
// AS568 sizes whose standard gland fits it, each worked through the screens as a person
// would, reviewed and ranked best first.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/as568.h"
#include "model/cross_sections.h"
#include "model/find_review.h"
#include "model/gland_input.h"
#include "model/gland_side.h"
#include "model/record.h"
#include "model/review.h"
#include "model/review_rules.h"

namespace glandwise {

// What the hardware leaves room for. Nothing given: no limit.
struct FindConstraints {
  std::array<bool, kCrossSections.size()> crossSections{true, true, true, true, true};  // allowed, by option
  std::optional<double> largestGrooveWidth;  // inch: the groove width's upper end may not exceed it
  std::optional<double> largestRadialSpace;  // inch: the groove's depth at its deepest may not exceed it
  std::optional<double> smallestSealId;      // inch
  std::optional<double> largestSealId;       // inch
};

// The question: which seal and groove for this hardware. The diameters and the pressure
// are texts, typed into the screens' boxes as they stand.
struct FindRequest {
  GlandKind glandType = GlandKind::RodGroove;
  // The fixed diameter: the housing bore for a groove in the rod, the rod for a groove in
  // the housing, inch.
  std::string hardwareDia;
  std::string hardwareTolerance;  // its ± tolerance, inch; empty: the standard gland's
  std::string pressure;           // psi
  ReviewInputs review;            // the service: hardness, compound, metal, temperatures, swell, ...
  FindConstraints constraints;
};

// The editor boxes of the fixed diameter and of its tolerance: the bore's for a groove in
// the rod, the rod's for a groove in the housing.
EditorBox hardwareBox(GlandKind glandType);
EditorBox hardwareToleranceBox(GlandKind glandType);

// One AS568 size in its standard gland for the hardware.
struct Candidate {
  const As568Size* size = nullptr;
  GlandInput input;    // the gland as typed on the screens: the size, the hardware and its tolerance
  GlandRecord record;  // after the editor's OK and the results sheet
  Review review;       // with the statistics' sample figures only where they were needed
  // The editor's questions and notices for this gland (each answered No), in the order
  // they came: the statement without the question, e.g. "Caution ! Stretch is 6.2 % > 5 %."
  std::vector<std::string> cautions;
  Judgement judgement;
  double idStep = 0;  // |hardware diameter − seal ID|, inch: the tie-breaker after the cross-section
};

// The answer: the candidates ranked best first, or why there are none.
struct FindResult {
  std::vector<Candidate> candidates;
  std::string reason;  // empty when there are candidates
};

struct FindOptions {
  unsigned threads = 1;  // candidates reviewed at once
  // Sample every candidate's assemblies, rather than only where it decides something: the
  // same ranking, slower; for checking the screened one.
  bool sampleEveryCandidate = false;
};

// The radial glands' candidates come from candidateInput and workGland, the screens' own
// steps; a face seal's (face/face_find.h) bring their own standard gland and review and are
// judged by the same judgeReview() and ranked by the same ranksBefore().
//
// Every AS568 size with one of the five cross-sections, allowed by the constraints, whose
// standard gland the selection screen's OK and the editor's OK accept for the hardware
// (its questions answered No and kept as cautions), reviewed and ranked: no fail first,
// then by yield, then by margin; ties by the larger cross-section, then by the smaller
// step from the hardware diameter to the seal ID.
// Each is reviewed by `rules`; a size whose gland the review's inputs do not fit (a groove
// radius its groove cannot hold) is left out.
FindResult findSeals(const FindRequest& request, const As568Table& table, const RuleSet& rules,
                     const FindOptions& options = {});

// What the ranking compares of a candidate of any gland kind.
struct RankKey {
  const Judgement& judgement;
  double crossSection;  // inch: the larger is more tolerant of stack-up
  double idStep;        // inch: from the hardware's or the datum's diameter to the seal's
};

// Whether `a` ranks before `b`: no fail first, then by yield, then by margin; ties by the
// larger cross-section, then by the smaller step.
bool ranksBefore(const RankKey& a, const RankKey& b);
bool ranksBefore(const Candidate& a, const Candidate& b);

// The gland of one size for the request, as the screens take it.
GlandInput candidateInput(const FindRequest& request, const As568Size& size);

// What working a gland input through the screens came to.
struct WorkedGland {
  std::string refusal;  // the selection screen's or the editor's refusal; empty when it went on
  GlandRecord record;
  std::vector<std::string> cautions;  // the editor's questions and notices
};

// Works `input` through the selection screen's OK and the editor's OK, answering every
// question No, and rounds the values the results sheet shows, as the batch calculator does.
WorkedGland workGland(const GlandInput& input, const As568Table* table);

}  // namespace glandwise

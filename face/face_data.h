#pragma once
// What the face seal is worked with: the published gland table shipped beside the programs,
// and the review's rule set, whose face seal rows give the standard fit, the datum's
// tolerance and every limit the review judges by.

#include <filesystem>
#include <string>

#include "face/face_table.h"
#include "model/review_rules.h"

namespace glandwise {

inline constexpr const char* kFaceTableFile = "face-seal-glands.csv";

// Where the shipped face seal table lies for a program at `executable`.
inline std::filesystem::path shippedFaceTablePath(const std::filesystem::path& executable) {
  return shippedDataPath(executable, kFaceTableFile);
}

// A view of the table and rules, which their owner (the designer, a batch run) keeps alive
// while it is used.
struct FaceData {
  const FaceGlandTable& table;
  const RuleSet& rules;
};

// Why `rules` cannot serve face seals ("the rules \"X\" have no face seal rule
// \"squeeze_max\""); empty when they hold every rule a face seal needs.
std::string faceRulesProblem(const RuleSet& rules);

// The face seal rule of `kind` (for the cross-section `crossSection`) of rules that
// faceRulesProblem finds nothing missing in.
const Rule& faceRule(const RuleSet& rules, RuleKind kind, float crossSection = 0);

}  // namespace glandwise

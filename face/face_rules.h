#pragma once
// The face seal's design rules as data (data/face-seal-rules.csv): the standard fit, the
// fit limits, the datum tolerance and the review's limits, each with its source in words.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace glandwise {

// The rules of the file, each given once per thing it applies to.
enum class FaceRuleKey {
  StandardFit,      // % fit of the standard gland, by pressure direction
  FitLimit,         // % largest interference (inside) or stretch (outside)
  DatumTolerance,   // ± inch of the standard datum diameter, by cross-section
  SqueezeMin,       // % least squeeze
  SqueezeMax,       // % largest squeeze
  FillPass,         // % fill at MMC that passes, liquids
  FillCaution,      // % fill at MMC beyond which a liquid groove fails
  HotFillPass,      // % fill at MMC with heat and swell that passes
  HotFillCaution,   // % beyond which it fails
  OverfillCaution,  // % of assemblies overfilled (above 100 %) beyond which a gas groove is cautioned
  OverfillFail,     // % beyond which it fails
  GapCaution,       // % of the extrusion limit beyond which a flange gap is cautioned
  OutsideCaution,   // % of assemblies outside the squeeze limits: caution beyond
  OutsideFail,      // fail beyond
  Count
};

// What a rule applies to: every face gland, each pressure direction ("inside", "outside"),
// each medium ("liquid", "gas") or each of the five cross-sections ("0.070" ... "0.275").
enum class FaceRuleScope { All, Direction, Medium, CrossSection };

// One rule's figure and its source.
struct FaceRule {
  double value = 0;
  std::string source;
};

struct FaceRulesLoad;

// Every rule, read from the columns rule,applies_to,value,source: each rule for each
// thing its scope names exactly once.
class FaceRules {
 public:
  static FaceRulesLoad parse(std::string_view text, std::string_view source);
  static FaceRulesLoad load(const std::filesystem::path& file);

  // The rule `key` for thing `index` of its scope (0 for All; the direction, medium or
  // cross-section's index otherwise).
  const FaceRule& rule(FaceRuleKey key, std::size_t index = 0) const {
    return rules_[static_cast<std::size_t>(key)][index];
  }
  double value(FaceRuleKey key, std::size_t index = 0) const { return rule(key, index).value; }

 private:
  static constexpr std::size_t kMostThings = 5;
  std::array<std::array<FaceRule, kMostThings>, static_cast<std::size_t>(FaceRuleKey::Count)> rules_;
};

struct FaceRulesLoad {
  std::optional<FaceRules> rules;
  std::string error;  // why the rules could not be read; empty when they were
};

}  // namespace glandwise

#pragma once
// The design review's rules as data: every limit, coefficient and service range the review
// judges by, each with the public source it comes from, read from a CSV file that a company
// may replace with its own of the same columns.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/gland_side.h"

namespace glandwise {

// The glands a rule applies to: every gland, both radial kinds, one kind, or face seals.
enum class RuleScope { All, Radial, Rod, Housing, Face };

// What a rule sets. Each kind has its unit and the key columns it needs (review_rules.cpp).
enum class RuleKind {
  RuleSet,             // the rule set's name (no value)
  RoomTemperature,     // °F: the temperature the dimensions and coefficients are given at
  ExtrusionClearance,  // inch: the largest diametral clearance by hardness and pressure band
  StandardClearance,   // inch: a cross-section's published standard clearance, adequate up to a pressure
  ExtrusionFactor,     // ratio: a compound's share of the extrusion limits
  BackupWidthOneMin, BackupWidthOneMax,  // inch: the groove width with one back-up ring
  BackupWidthTwoMin, BackupWidthTwoMax,  // inch: with two
  FillPass, FillCaution, FillGuidance,   // %: fill at MMC, room temperature, no swell
  ServiceFillPass, ServiceFillCaution,   // %: fill at MMC with heat and swell
  SqueezeMin, SqueezeMax,  // %: squeeze acceptance, for every cross-section or one
  StretchMax, StretchMin,  // %: installed stretch
  OutsideCaution, OutsideFail,  // %: share of assemblies outside the squeeze limits
  ToleranceSigmas,     // sigma: how many standard deviations a tolerance spans
  Compound, ServiceMin, ServiceMax,  // a seal compound: per °F, and its service range in °F
  Metal,               // a gland metal: per °F
  // Face seals only:
  StandardInterference,  // %: the standard groove's fit with pressure from inside
  StandardStretch,       // %: with pressure from outside
  InterferenceMax,       // %: the largest interference of the ring on the groove OD
  DatumTolerance,        // inch: the standard datum diameter's tolerance, by cross-section
  OverfillCaution, OverfillFail,  // %: share of assemblies whose gas groove is overfilled
  Count
};

// One row of a rule file.
struct Rule {
  RuleScope scope = RuleScope::All;
  RuleKind kind = RuleKind::RuleSet;
  std::optional<float> crossSection;  // inch; none: every cross-section
  std::optional<int> hardness;        // Shore A
  double pressureAbove = 0, pressureUpTo = 0;  // psi: the band above the one, up to and with the other
  std::string material;               // a compound's or metal's id, e.g. "nbr", "carbon_steel"
  std::string name;                   // a material's or the rule set's name, as people read it
  double value = 0;                   // in the kind's unit
  std::string source;                 // the public source, in words
  std::size_t line = 0;               // the file's line
};

class RuleSet;

// A rule set read from a file, or why it could not be.
struct RuleLoad;

// A checked rule file and its look-ups. Where several rows match, the most specific wins:
// one naming the cross-section over one for every cross-section, then one naming the gland
// kind over one for radial glands over one for all.
class RuleSet {
 public:
  // The header line of a rule file: its eleven columns.
  static constexpr std::string_view kHeader =
      "gland,rule,cross_section_in,hardness_shore_a,pressure_above_psi,pressure_up_to_psi,material,name,value,unit,source";

  // Reads and checks CSV text; `file` names it in messages and in the set.
  static RuleLoad parse(std::string_view text, const std::string& file);
  // Reads a regular file of at most 1 MiB.
  static RuleLoad load(const std::filesystem::path& file);

  const std::string& name() const { return name_; }  // the rule_set row's name, else the file's
  const std::string& file() const { return file_; }
  const std::vector<Rule>& rows() const { return rows_; }

  // The most specific rule of `kind` for a gland kind and cross-section; nullptr if none.
  const Rule* find(GlandKind gland, RuleKind kind, float crossSection = 0) const;
  // The extrusion limit whose band holds `pressure`; nullptr if none.
  const Rule* extrusionLimit(GlandKind gland, int hardness, double pressure) const;
  // The standard clearance of a cross-section whose band holds `pressure`; nullptr if none.
  const Rule* standardClearance(GlandKind gland, float crossSection, double pressure) const;
  // The rule of `kind` (Compound, Metal, ServiceMin, ServiceMax, ExtrusionFactor) for a material.
  const Rule* material(RuleKind kind, std::string_view id, GlandKind gland = GlandKind::RodGroove) const;
  // The compounds or metals, in the file's order.
  std::vector<const Rule*> materials(RuleKind kind) const;
  // The hardnesses that have extrusion limits for a gland kind, in increasing order.
  std::vector<int> hardnesses(GlandKind gland) const;
  // The most specific rule of `kind` for face seals (a face row over one for all glands, one
  // naming the cross-section over one for every cross-section); nullptr if none.
  const Rule* faceRule(RuleKind kind, float crossSection = 0) const;

 private:
  // The most specific rule of `kind` for the glands `applies` accepts among those `matches` accepts.
  template <class Applies, class Matches>
  const Rule* best(Applies applies, RuleKind kind, Matches matches) const;

  std::string name_, file_;
  std::vector<Rule> rows_;
};

// A rule set read from a file, or why it could not be.
struct RuleLoad {
  std::optional<RuleSet> rules;
  std::string error;  // "rules.csv line 7, column 9 (value): ..."; empty when read
};

// The rule kind's name in the file ("fill_pass") and its unit ("%").
std::string_view ruleKindName(RuleKind kind);
std::string_view ruleKindUnit(RuleKind kind);

// Whether `text` can name a rule file as a saved gland keeps it: not empty, at most 4096
// bytes and without a NUL.
bool namesRuleFile(std::string_view text);

// Where the shipped rules lie for a program at `executable`: share/glandwise/review-rules.csv
// beside the program's bin folder, in the build tree as in an installation.
std::filesystem::path shippedRulesPath(const std::filesystem::path& executable);

}  // namespace glandwise

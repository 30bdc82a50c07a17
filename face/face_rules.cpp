#include "face/face_rules.h"

#include <algorithm>
#include <vector>

#include "face/csv_lines.h"
#include "model/cross_sections.h"

namespace glandwise {
namespace {

constexpr std::string_view kHeader = "rule,applies_to,value,source";

struct KeySpec {
  std::string_view name;
  FaceRuleScope scope;
  bool percentOrShare;  // a % of something, at most 100
};

constexpr std::array<KeySpec, static_cast<std::size_t>(FaceRuleKey::Count)> kKeys{{
    {"standard_fit_percent", FaceRuleScope::Direction, true},
    {"fit_limit_percent", FaceRuleScope::Direction, true},
    {"datum_tolerance_in", FaceRuleScope::CrossSection, false},
    {"squeeze_min_percent", FaceRuleScope::All, true},
    {"squeeze_max_percent", FaceRuleScope::All, true},
    {"fill_pass_percent", FaceRuleScope::Medium, false},
    {"fill_caution_percent", FaceRuleScope::Medium, false},
    {"hot_fill_pass_percent", FaceRuleScope::All, false},
    {"hot_fill_caution_percent", FaceRuleScope::All, false},
    {"overfill_caution_percent", FaceRuleScope::Medium, true},
    {"overfill_fail_percent", FaceRuleScope::Medium, true},
    {"gap_caution_percent", FaceRuleScope::All, true},
    {"outside_caution_percent", FaceRuleScope::All, true},
    {"outside_fail_percent", FaceRuleScope::All, true},
}};

// The things each scope names, in index order.
std::vector<std::string_view> things(FaceRuleScope scope) {
  switch (scope) {
    case FaceRuleScope::All: return {"all"};
    case FaceRuleScope::Direction: return {"inside", "outside"};
    case FaceRuleScope::Medium: return {"liquid", "gas"};
    case FaceRuleScope::CrossSection: break;
  }
  std::vector<std::string_view> names;
  for (const CrossSection& cs : kCrossSections) names.push_back(cs.text);
  return names;
}

// Which medium a rule key of medium scope is given for: fill limits for liquids, the
// overfilled share for gases (the other is judged the other way).
bool givenFor(FaceRuleKey key, std::size_t medium) {
  const bool overfill = key == FaceRuleKey::OverfillCaution || key == FaceRuleKey::OverfillFail;
  const bool fill = key == FaceRuleKey::FillPass || key == FaceRuleKey::FillCaution;
  return !(overfill || fill) || (overfill ? medium == 1 : medium == 0);
}

std::string joined(const std::vector<std::string_view>& names) {
  std::string text;
  for (std::string_view name : names) text += (text.empty() ? "\"" : ", \"") + std::string(name) + "\"";
  return text;
}

}  // namespace

FaceRulesLoad FaceRules::parse(std::string_view text, std::string_view source) {
  FaceRules rules;
  std::array<std::array<std::size_t, kMostThings>, kKeys.size()> lineOf{};  // 0: not given
  std::string error = readCsvRows(text, source, kHeader, [&](std::string_view line, std::size_t number) {
    const std::vector<std::string_view> cells = csvCells(line, 4);
    if (cells.size() != 4 || cells[3].empty()) return std::string("expected 4 columns, the last the source in words");
    const auto key = std::ranges::find(kKeys, cells[0], &KeySpec::name);
    if (key == kKeys.end()) return "unknown rule \"" + std::string(cells[0].substr(0, 40)) + "\"";
    const std::vector<std::string_view> names = things(key->scope);
    const auto thing = std::ranges::find(names, cells[1]);
    if (thing == names.end())
      return "\"" + std::string(key->name) + "\" applies to " + joined(names) + ", not \"" +
             std::string(cells[1].substr(0, 20)) + "\"";
    const auto k = static_cast<std::size_t>(key - kKeys.begin());
    const auto t = static_cast<std::size_t>(thing - names.begin());
    if (!givenFor(FaceRuleKey(k), t))
      return "\"" + std::string(key->name) + "\" is not a rule for \"" + std::string(*thing) + "\"";
    if (lineOf[k][t]) return "\"" + std::string(key->name) + "\" for \"" + std::string(*thing) + "\" given twice";
    const std::optional<float> value = csvNumber(cells[2], false);
    if (!value || (key->percentOrShare && *value > 100))
      return "value \"" + std::string(cells[2].substr(0, 20)) + "\" is not a number from 0" +
             (key->percentOrShare ? " to 100" : "");
    lineOf[k][t] = number;
    rules.rules_[k][t] = {*value, std::string(cells[3])};
    return std::string();
  });
  for (std::size_t k = 0; error.empty() && k < kKeys.size(); ++k) {
    const std::vector<std::string_view> names = things(kKeys[k].scope);
    for (std::size_t t = 0; t < names.size() && error.empty(); ++t)
      if (givenFor(FaceRuleKey(k), t) && !lineOf[k][t])
        error = std::string(source) + ": no rule \"" + std::string(kKeys[k].name) + "\" for \"" +
                std::string(names[t]) + "\"";
  }
  if (!error.empty()) return {std::nullopt, std::move(error)};
  return {std::move(rules), {}};
}

FaceRulesLoad FaceRules::load(const std::filesystem::path& file) {
  std::string error;
  const std::optional<std::string> text = readDataFile(file, error);
  if (!text) return {std::nullopt, "the face seal rules: " + error};
  return parse(*text, file.filename().string());
}

}  // namespace glandwise

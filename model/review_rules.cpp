#include "model/review_rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <sstream>
#include <system_error>

#include "model/numbers.h"
#include "model/utf8.h"

namespace glandwise {
namespace {

// The key columns a kind uses.
enum Keys : unsigned {
  kCrossSection = 1,          // needs a cross-section
  kCrossSectionOptional = 2,  // may name one; none means every cross-section
  kHardness = 4,
  kBand = 8,                  // a pressure band
  kMaterial = 16,
  kName = 32,
  kNoValue = 64,              // has no value and no unit
  kFaceOnly = 128,            // a rule of face seals only
};

struct KindSpec {
  std::string_view name, unit;
  unsigned keys;
  double lowest, highest;  // the value's range
  bool lowestIncluded;
};

constexpr std::array<KindSpec, static_cast<std::size_t>(RuleKind::Count)> kKinds{{
    {"rule_set", "", kName | kNoValue, 0, 0, true},
    {"room_temperature", "°F", 0, -459.67, 2000, true},
    {"extrusion_clearance", "inch", kHardness | kBand, 0, 1, false},
    {"standard_clearance", "inch", kCrossSection | kBand, 0, 1, false},
    {"extrusion_factor", "ratio", kMaterial, 0, 1, false},
    {"backup_width_one_min", "inch", kCrossSection, 0, 10, false},
    {"backup_width_one_max", "inch", kCrossSection, 0, 10, false},
    {"backup_width_two_min", "inch", kCrossSection, 0, 10, false},
    {"backup_width_two_max", "inch", kCrossSection, 0, 10, false},
    {"fill_pass", "%", 0, 0, 1000, false},
    {"fill_caution", "%", 0, 0, 1000, false},
    {"fill_guidance", "%", 0, 0, 1000, false},
    {"service_fill_pass", "%", 0, 0, 1000, false},
    {"service_fill_caution", "%", 0, 0, 1000, false},
    {"squeeze_min", "%", kCrossSectionOptional, 0, 100, true},
    {"squeeze_max", "%", kCrossSectionOptional, 0, 100, false},
    {"stretch_max", "%", 0, -100, 100, false},
    {"stretch_min", "%", 0, -100, 100, false},
    {"outside_caution", "%", 0, 0, 100, true},
    {"outside_fail", "%", 0, 0, 100, true},
    {"tolerance_sigmas", "sigma", 0, 0, 10, false},
    {"compound", "per °F", kMaterial | kName, 0, 0.01, true},
    {"service_min", "°F", kMaterial, -459.67, 2000, true},
    {"service_max", "°F", kMaterial, -459.67, 2000, true},
    {"metal", "per °F", kMaterial | kName, 0, 0.01, true},
    {"standard_interference", "%", kFaceOnly, 0, 100, true},
    {"standard_stretch", "%", kFaceOnly, 0, 100, true},
    {"interference_max", "%", kFaceOnly, 0, 100, false},
    {"datum_tolerance", "inch", kFaceOnly | kCrossSection, 0, 1, true},
    {"overfill_caution", "%", kFaceOnly, 0, 100, true},
    {"overfill_fail", "%", kFaceOnly, 0, 100, true},
}};

const KindSpec& spec(RuleKind kind) { return kKinds[static_cast<std::size_t>(kind)]; }

constexpr std::array<std::string_view, 5> kScopes{"all", "radial", "rod", "housing", "face"};

// The columns, numbered from 1 in messages.
enum Column { kGland, kRule, kCrossSectionColumn, kHardnessColumn, kAbove, kUpTo, kMaterialColumn, kNameColumn,
              kValue, kUnit, kSource, kColumnCount };
constexpr std::array<std::string_view, kColumnCount> kColumnNames{
    "gland", "rule", "cross_section_in", "hardness_shore_a", "pressure_above_psi", "pressure_up_to_psi",
    "material", "name", "value", "unit", "source"};

// Every radial gland needs these, for every cross-section.
constexpr RuleKind kRequired[] = {RuleKind::RoomTemperature, RuleKind::FillPass, RuleKind::FillCaution,
                                  RuleKind::FillGuidance, RuleKind::ServiceFillPass, RuleKind::ServiceFillCaution,
                                  RuleKind::SqueezeMin, RuleKind::SqueezeMax, RuleKind::StretchMax,
                                  RuleKind::OutsideCaution, RuleKind::OutsideFail, RuleKind::ToleranceSigmas};

// A problem at a line and, when it concerns one, a column (0: the whole line).
struct Problem {
  std::size_t line = 0;
  int column = -1;
  std::string text;
};

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The cells of a CSV line (RFC 4180 quoting within the line); nothing, with the column of
// the quote, when a quoted cell is not closed or text follows its closing quote.
std::optional<std::vector<std::string>> cellsOf(std::string_view line, int& badColumn) {
  std::vector<std::string> cells;
  std::size_t at = 0;
  for (;;) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
    std::string cell;
    if (at < line.size() && line[at] == '"') {
      for (++at;; ++at) {
        if (at >= line.size()) {
          badColumn = static_cast<int>(cells.size());
          return std::nullopt;
        }
        if (line[at] == '"' && at + 1 < line.size() && line[at + 1] == '"') cell += line[at++];
        else if (line[at] == '"') break;
        else cell += line[at];
      }
      ++at;
      while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
      if (at < line.size() && line[at] != ',') {
        badColumn = static_cast<int>(cells.size());
        return std::nullopt;
      }
    } else {
      const std::size_t comma = std::min(line.find(',', at), line.size());
      cell = trimmed(line.substr(at, comma - at));
      at = comma;
    }
    cells.push_back(std::move(cell));
    if (at >= line.size()) return cells;
    ++at;  // the comma
  }
}

std::string inQuotes(std::string_view text) { return "\"" + std::string(utf8Prefix(text, 40)) + "\""; }

bool validId(std::string_view id) {
  return !id.empty() && id.size() <= 40 && id.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_") == id.npos;
}

// Reads the cells of one data line into `rule`; the problem otherwise.
std::optional<Problem> readRule(const std::vector<std::string>& cells, Rule& rule) {
  const auto problem = [](int column, std::string text) { return Problem{0, column, std::move(text)}; };
  const auto scope = std::find(kScopes.begin(), kScopes.end(), cells[kGland]);
  if (scope == kScopes.end())
    return problem(kGland, inQuotes(cells[kGland]) + " is not all, radial, rod, housing or face");
  rule.scope = static_cast<RuleScope>(scope - kScopes.begin());
  const auto kind = std::find_if(kKinds.begin(), kKinds.end(), [&](const KindSpec& k) { return k.name == cells[kRule]; });
  if (kind == kKinds.end()) return problem(kRule, inQuotes(cells[kRule]) + " is not a rule this program knows");
  rule.kind = static_cast<RuleKind>(kind - kKinds.begin());
  const unsigned keys = kind->keys;
  if ((keys & kFaceOnly) && rule.scope != RuleScope::Face)
    return problem(kGland, std::string(kind->name) + " is a rule of face seals: its gland is face");

  // Each key column: needed, allowed or to be left empty by this kind.
  const auto uses = [&](int column, bool needed, bool allowed) -> std::optional<Problem> {
    if (needed && trimmed(cells[column]).empty()) return problem(column, "needed by " + std::string(kind->name));
    if (!allowed && !cells[column].empty())
      return problem(column, "not used by " + std::string(kind->name) + ": leave it empty");
    return std::nullopt;
  };
  const bool band = keys & kBand;
  for (const auto& [column, needed, allowed] :
       {std::tuple{int(kCrossSectionColumn), bool(keys & kCrossSection), bool(keys & (kCrossSection | kCrossSectionOptional))},
        {int(kHardnessColumn), bool(keys & kHardness), bool(keys & kHardness)},
        {int(kAbove), band, band}, {int(kUpTo), band, band},
        {int(kMaterialColumn), bool(keys & kMaterial), bool(keys & kMaterial)},
        {int(kNameColumn), bool(keys & kName), bool(keys & kName)},
        {int(kValue), !(keys & kNoValue), !(keys & kNoValue)}, {int(kUnit), !(keys & kNoValue), true}})
    if (std::optional<Problem> p = uses(column, needed, allowed)) return p;
  if (trimmed(cells[kSource]).empty()) return problem(kSource, "every rule names its source");

  // The numbers of the key columns and the value.
  const auto number = [&](int column, double lowest, double highest, std::string_view range,
                          double& into) -> std::optional<Problem> {
    const ParsedNumber parsed = parseNumber(cells[column]);
    if (parsed.status != NumberStatus::Number) return problem(column, inQuotes(cells[column]) + " is not a number");
    if (!(parsed.value >= lowest && parsed.value <= highest))
      return problem(column, inQuotes(cells[column]) + " must be " + std::string(range));
    into = parsed.value;
    return std::nullopt;
  };
  double read = 0;
  if (!cells[kCrossSectionColumn].empty()) {
    if (auto p = number(kCrossSectionColumn, 0.001, 10, "from 0.001 to 10 inch", read)) return p;
    rule.crossSection = static_cast<float>(read);
  }
  if (!cells[kHardnessColumn].empty()) {
    if (auto p = number(kHardnessColumn, 1, 100, "a whole number from 1 to 100", read)) return p;
    if (read != std::floor(read)) return problem(kHardnessColumn, inQuotes(cells[kHardnessColumn]) + " must be a whole number from 1 to 100");
    rule.hardness = static_cast<int>(read);
  }
  if (band) {
    if (auto p = number(kAbove, 0, 1e6, "from 0 to 1000000 psi", rule.pressureAbove)) return p;
    if (auto p = number(kUpTo, 0, 1e6, "from 0 to 1000000 psi", rule.pressureUpTo)) return p;
    if (!(rule.pressureAbove < rule.pressureUpTo)) return problem(kUpTo, "must be above pressure_above_psi");
  }
  if (keys & kMaterial) {
    if (!validId(cells[kMaterialColumn]))
      return problem(kMaterialColumn, inQuotes(cells[kMaterialColumn]) + " is not an id of lower-case letters, digits and _");
    rule.material = cells[kMaterialColumn];
  }
  rule.name = cells[kNameColumn];
  if (!(keys & kNoValue)) {
    const ParsedNumber parsed = parseNumber(cells[kValue]);
    if (parsed.status != NumberStatus::Number) return problem(kValue, inQuotes(cells[kValue]) + " is not a number");
    rule.value = parsed.value;
    const bool above = kind->lowestIncluded ? rule.value >= kind->lowest : rule.value > kind->lowest;
    if (!above || rule.value > kind->highest)
      return problem(kValue, inQuotes(cells[kValue]) + " is out of range for " + std::string(kind->name) + " (" +
                                 (kind->lowestIncluded ? "from " : "above ") + NumberText(float(kind->lowest)) +
                                 " to " + NumberText(float(kind->highest)) + " " + std::string(kind->unit) + ")");
    if (cells[kUnit] != kind->unit)
      return problem(kUnit, inQuotes(cells[kUnit]) + " is not the unit of " + std::string(kind->name) + ", \"" +
                                std::string(kind->unit) + "\"");
  }
  rule.source = cells[kSource];
  return std::nullopt;
}

bool sameKeys(const Rule& a, const Rule& b) {
  return a.scope == b.scope && a.kind == b.kind && a.crossSection == b.crossSection && a.hardness == b.hardness &&
         a.material == b.material;
}

bool overlaps(const Rule& a, const Rule& b) {
  if (!sameKeys(a, b)) return false;
  if (!(spec(a.kind).keys & kBand)) return true;
  return a.pressureAbove < b.pressureUpTo && b.pressureAbove < a.pressureUpTo;
}

bool applies(RuleScope scope, GlandKind gland) {
  switch (scope) {
    case RuleScope::All: return true;
    case RuleScope::Radial: return true;  // both gland kinds so far are radial
    case RuleScope::Rod: return gland == GlandKind::RodGroove;
    case RuleScope::Housing: return gland == GlandKind::HousingGroove;
    case RuleScope::Face: return false;
  }
  return false;
}

// The glands' test of a rule's scope for the gland kind.
auto forGland(GlandKind gland) {
  return [gland](RuleScope scope) { return applies(scope, gland); };
}

int specificity(const Rule& rule) {
  const int scope = rule.scope == RuleScope::All ? 0 : rule.scope == RuleScope::Radial ? 1 : 2;
  return scope + (rule.crossSection ? 4 : 0);
}

// A band holds its upper pressure, not its lower; the first band from 0 holds 0 too.
bool inBand(const Rule& rule, double pressure) {
  return pressure <= rule.pressureUpTo && (pressure > rule.pressureAbove || (rule.pressureAbove == 0 && pressure >= 0));
}

std::string valueText(const Rule& rule) {
  return std::string(ruleKindName(rule.kind)) + " " + NumberText(float(rule.value));
}

}  // namespace

template <class Applies, class Matches>
const Rule* RuleSet::best(Applies appliesTo, RuleKind kind, Matches matches) const {
  const Rule* found = nullptr;
  for (const Rule& rule : rows_)
    if (rule.kind == kind && appliesTo(rule.scope) && matches(rule) &&
        (!found || specificity(rule) > specificity(*found)))
      found = &rule;
  return found;
}

std::string_view ruleKindName(RuleKind kind) { return spec(kind).name; }
std::string_view ruleKindUnit(RuleKind kind) { return spec(kind).unit; }

const Rule* RuleSet::find(GlandKind gland, RuleKind kind, float crossSection) const {
  return best(forGland(gland), kind,
              [&](const Rule& rule) { return !rule.crossSection || *rule.crossSection == crossSection; });
}

const Rule* RuleSet::extrusionLimit(GlandKind gland, int hardness, double pressure) const {
  return best(forGland(gland), RuleKind::ExtrusionClearance,
              [&](const Rule& rule) { return rule.hardness == hardness && inBand(rule, pressure); });
}

const Rule* RuleSet::standardClearance(GlandKind gland, float crossSection, double pressure) const {
  return best(forGland(gland), RuleKind::StandardClearance,
              [&](const Rule& rule) { return rule.crossSection == crossSection && inBand(rule, pressure); });
}

const Rule* RuleSet::material(RuleKind kind, std::string_view id, GlandKind gland) const {
  return best(forGland(gland), kind, [&](const Rule& rule) { return rule.material == id; });
}

const Rule* RuleSet::faceRule(RuleKind kind, float crossSection) const {
  return best([](RuleScope scope) { return scope == RuleScope::All || scope == RuleScope::Face; }, kind,
              [&](const Rule& rule) { return !rule.crossSection || *rule.crossSection == crossSection; });
}

std::vector<const Rule*> RuleSet::materials(RuleKind kind) const {
  std::vector<const Rule*> list;
  for (const Rule& rule : rows_)
    if (rule.kind == kind && std::none_of(list.begin(), list.end(), [&](const Rule* r) { return r->material == rule.material; }))
      list.push_back(&rule);
  return list;
}

std::vector<int> RuleSet::hardnesses(GlandKind gland) const {
  std::vector<int> list;
  for (const Rule& rule : rows_)
    if (rule.kind == RuleKind::ExtrusionClearance && applies(rule.scope, gland) &&
        std::find(list.begin(), list.end(), *rule.hardness) == list.end())
      list.push_back(*rule.hardness);
  std::sort(list.begin(), list.end());
  return list;
}

namespace {

// The checks of the whole set: what every radial gland needs, and limits that go in pairs.
std::optional<Problem> checkSet(const RuleSet& set) {
  const auto valueProblem = [](const Rule& rule, std::string text) { return Problem{rule.line, kValue, std::move(text)}; };
  for (GlandKind gland : {GlandKind::RodGroove, GlandKind::HousingGroove}) {
    for (RuleKind kind : kRequired)
      if (!set.find(gland, kind)) return Problem{0, -1, "no " + std::string(ruleKindName(kind)) + " rule for every radial gland"};
    if (set.hardnesses(gland).empty()) return Problem{0, -1, "no extrusion_clearance rule for radial glands"};
  }
  for (RuleKind kind : {RuleKind::Compound, RuleKind::Metal})
    if (set.materials(kind).empty()) return Problem{0, -1, "no " + std::string(ruleKindName(kind)) + " rule"};
  // Pairs: the lower limit of each below its upper, for each gland kind and cross-section.
  constexpr std::pair<RuleKind, RuleKind> kPairs[] = {{RuleKind::FillPass, RuleKind::FillCaution},
                                                       {RuleKind::ServiceFillPass, RuleKind::ServiceFillCaution},
                                                       {RuleKind::OutsideCaution, RuleKind::OutsideFail},
                                                       {RuleKind::SqueezeMin, RuleKind::SqueezeMax},
                                                       {RuleKind::OverfillCaution, RuleKind::OverfillFail}};
  // The radial glands and, last, the face seals.
  constexpr std::optional<GlandKind> kGlands[] = {GlandKind::RodGroove, GlandKind::HousingGroove, std::nullopt};
  for (const Rule& rule : set.rows())
    for (const auto& [low, high] : kPairs) {
      if (rule.kind != low && rule.kind != high) continue;
      for (const std::optional<GlandKind> gland : kGlands) {
        if (gland ? !applies(rule.scope, *gland) : rule.scope != RuleScope::All && rule.scope != RuleScope::Face)
          continue;
        const float section = rule.crossSection.value_or(0);
        const Rule* lower = gland ? set.find(*gland, low, section) : set.faceRule(low, section);
        const Rule* upper = gland ? set.find(*gland, high, section) : set.faceRule(high, section);
        const bool strict = low == RuleKind::SqueezeMin;
        if (lower && upper && (strict ? lower->value >= upper->value : lower->value > upper->value)) {
          const Rule& later = lower->line > upper->line ? *lower : *upper;
          const Rule& other = &later == lower ? *upper : *lower;
          return valueProblem(later, valueText(*upper) + " is not above " + valueText(*lower) + " (line " +
                                         std::to_string(other.line) + ")");
        }
      }
    }
  for (const Rule& rule : set.rows()) {
    if (rule.kind != RuleKind::ServiceMin && rule.kind != RuleKind::ServiceMax && rule.kind != RuleKind::ExtrusionFactor)
      continue;
    if (!set.material(RuleKind::Compound, rule.material))
      return Problem{rule.line, kMaterialColumn, inQuotes(rule.material) + " is not a compound of this file"};
    const Rule* low = set.material(RuleKind::ServiceMin, rule.material);
    const Rule* high = set.material(RuleKind::ServiceMax, rule.material);
    if (low && high && low->value >= high->value)
      return valueProblem(rule, "the service range of " + rule.material + " must run from low to high");
  }
  return std::nullopt;
}

}  // namespace

RuleLoad RuleSet::parse(std::string_view text, const std::string& file) {
  const std::string shown = std::filesystem::path(file).filename().string();
  const auto failure = [&](const Problem& p) {
    std::string where = shown;
    if (p.line > 0) where += " line " + std::to_string(p.line);
    if (p.column >= 0)
      where += ", column " + std::to_string(p.column + 1) + " (" + std::string(kColumnNames[std::size_t(p.column)]) + ")";
    return RuleLoad{std::nullopt, where + ": " + p.text};
  };
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a byte-order mark
  RuleSet set;
  set.file_ = file;
  std::size_t lineNumber = 0;
  for (std::size_t start = 0; start <= text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = trimmed(text.substr(start, end - start));
    start = end + 1;
    ++lineNumber;
    if (!isValidUtf8(line)) return failure({lineNumber, -1, "not UTF-8 text"});
    if (lineNumber == 1) {
      if (line != kHeader) return failure({1, -1, "expected the header \"" + std::string(kHeader) + "\""});
      continue;
    }
    if (line.empty()) continue;
    int badColumn = 0;
    const std::optional<std::vector<std::string>> cells = cellsOf(line, badColumn);
    if (!cells) return failure({lineNumber, badColumn, "a quoted cell must end with its quote"});
    if (cells->size() != kColumnCount)
      return failure({lineNumber, -1, "expected 11 columns, found " + std::to_string(cells->size())});
    Rule rule;
    rule.line = lineNumber;
    if (std::optional<Problem> p = readRule(*cells, rule)) {
      p->line = lineNumber;
      return failure(*p);
    }
    for (const Rule& earlier : set.rows_)
      if (overlaps(earlier, rule))
        return failure({lineNumber, -1, "the same rule as line " + std::to_string(earlier.line)});
    if (rule.kind == RuleKind::RuleSet) set.name_ = rule.name;
    set.rows_.push_back(std::move(rule));
  }
  if (std::optional<Problem> p = checkSet(set)) return failure(*p);
  if (set.name_.empty()) set.name_ = std::filesystem::path(file).stem().string();
  return {std::move(set), {}};
}

RuleLoad RuleSet::load(const std::filesystem::path& file) {
  constexpr std::uintmax_t kMaxBytes = 1 << 20;
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (!std::filesystem::is_regular_file(status))
    return {std::nullopt, "cannot read the rule file " + file.string() + ": " +
                              (std::filesystem::exists(status) ? "not a regular file" : "no such file")};
  if (std::filesystem::file_size(file, error) > kMaxBytes)
    return {std::nullopt, "the rule file " + file.string() + " is larger than 1 MiB"};
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  if (!in || in.bad()) return {std::nullopt, "cannot read the rule file " + file.string()};
  return parse(text.str(), file.string());
}

bool namesRuleFile(std::string_view text) {
  constexpr std::size_t kMaxPath = 4096;  // bytes
  return !text.empty() && text.size() <= kMaxPath && text.find('\0') == std::string_view::npos;
}

std::filesystem::path shippedRulesPath(const std::filesystem::path& executable) {
  return executable.parent_path().parent_path() / "share" / "glandwise" / "review-rules.csv";
}

}  // namespace glandwise

#include "model/find_input.h"

#include <array>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <set>

namespace glandwise {
namespace {

using Json = nlohmann::ordered_json;

// The fields of the find object that are not the review's.
constexpr std::array<std::string_view, 13> kFindFields{
    "gland", "bore", "rod", "tolerance", "pressure", "cross_sections", "largest_groove_width",
    "largest_radial_space", "smallest_seal_id", "largest_seal_id", "top", "tolerances", "target_yield_percent"};

std::string inQuotes(std::string_view name) { return "\"" + std::string(name) + "\""; }

// A name from the line, cut to 60 bytes at a character boundary.
std::string shortName(std::string_view name) {
  std::size_t cut = std::min<std::size_t>(name.size(), 60);
  while (cut < name.size() && cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
  return std::string(name.substr(0, cut));
}

// A problem's text with the gland line's "review" object named as the find object.
std::string asFindProblem(std::string problem) {
  for (std::size_t at = problem.find("\"review\""); at != std::string::npos; at = problem.find("\"review\"", at))
    problem.replace(at, 8, "\"find\"");
  return problem;
}

// The parser's description of a syntax error, without its code and its echo of the line.
std::string syntaxProblem(const nlohmann::json::parse_error& error) {
  std::string_view what = error.what();
  if (const std::size_t column = what.find("column "); column != std::string_view::npos)
    what.remove_prefix(std::min(what.size(), what.find(": ", column) + 2));
  what = what.substr(0, what.find("; last read"));
  return "not valid JSON at byte " + std::to_string(error.byte) + ": " + std::string(what);
}

// Reads the fields of the find object one by one into a FindLine; the review's inputs are
// gathered and read by the gland line's own reader, so that they mean the same.
class FindReader {
 public:
  std::string read(const Json& find) {
    if (!find.is_object()) return "\"find\" must be an object, not " + std::string(find.type_name());
    Json review = Json::object();
    for (const auto& [name, value] : find.items()) {
      const bool ours = std::ranges::find(kFindFields, name) != kFindFields.end();
      if (!ours) {
        review[name] = value;
        continue;
      }
      if (std::string problem = field(name, value); !problem.empty()) return problem;
    }
    if (std::string problem = readReview(review); !problem.empty()) return problem;
    return finish();
  }

  FindLine line;

 private:
  std::string field(const std::string& name, const Json& value) {
    FindRequest& r = line.request;
    if (name == "gland") return gland(value);
    if (name == "bore" || name == "rod") {
      hardwareName_ = name;
      return text(name, value, r.hardwareDia);
    }
    if (name == "tolerance") return text(name, value, r.hardwareTolerance);
    if (name == "pressure") return text(name, value, r.pressure);
    if (name == "cross_sections") return readCrossSections(value, line.request.constraints.crossSections);
    if (name == "largest_groove_width") return length(name, value, r.constraints.largestGrooveWidth);
    if (name == "largest_radial_space") return length(name, value, r.constraints.largestRadialSpace);
    if (name == "smallest_seal_id") return length(name, value, r.constraints.smallestSealId);
    if (name == "largest_seal_id") return length(name, value, r.constraints.largestSealId);
    if (name == "top") return top(value);
    if (name == "tolerances") {
      if (!value.is_boolean()) return inQuotes(name) + " in \"find\" must be true or false";
      line.tolerances = value.get<bool>();
      return {};
    }
    return target(value);
  }

  std::string gland(const Json& value) {
    if (value == "rod") line.request.glandType = GlandKind::RodGroove;
    else if (value == "housing") line.request.glandType = GlandKind::HousingGroove;
    else return "\"gland\" in \"find\" must be \"rod\", \"housing\" or \"face\"";
    glandGiven_ = true;
    return {};
  }

  // A diameter, tolerance or pressure: a string is the text typed, a number is typed as its
  // shortest decimal.
  static std::string text(const std::string& name, const Json& value, std::string& into) {
    if (value.is_string()) {
      into = value.get<std::string>();
      return {};
    }
    if (!value.is_number()) return inQuotes(name) + " in \"find\" must be a number or a text";
    char digits[32];
    into.assign(digits, std::to_chars(digits, digits + sizeof digits, value.get<double>()).ptr);
    return {};
  }

  static std::string length(const std::string& name, const Json& value, std::optional<double>& into) {
    if (!value.is_number() || !(value.get<double>() > 0 && value.get<double>() < 1000))
      return inQuotes(name) + " in \"find\" must be a number above 0 and below 1000 (inch)";
    into = value.get<double>();
    return {};
  }

  std::string top(const Json& value) {
    if (!value.is_number_integer() || value.get<double>() < 1 || value.get<double>() > 1000)
      return "\"top\" in \"find\" must be a whole number from 1 to 1000";
    line.top = value.get<std::size_t>();
    return {};
  }

  std::string target(const Json& value) {
    if (!value.is_number() || !(value.get<double>() > 0 && value.get<double>() <= 100))
      return "\"target_yield_percent\" in \"find\" must be above 0 and at most 100";
    line.targetYieldPercent = value.get<double>();
    return {};
  }

  std::string readReview(const Json& review) {
    if (review.empty()) return {};
    const ParsedInput parsed = parseInputLine(Json{{"review", review}}.dump());
    if (!parsed.problem.empty()) return asFindProblem(parsed.problem);
    line.request.review = *parsed.input.review;
    return {};
  }

  // The fields that must be given, and the diameter that goes with the gland type.
  std::string finish() const {
    if (!glandGiven_) return "\"find\" needs \"gland\": \"rod\", \"housing\" or \"face\"";
    const std::string_view wanted = line.request.glandType == GlandKind::RodGroove ? "bore" : "rod";
    if (hardwareName_.empty()) return "\"find\" needs \"" + std::string(wanted) + "\"";
    if (hardwareName_ != wanted)
      return "\"find\" for a groove in the " + std::string(wanted == "bore" ? "rod" : "housing") + " takes \"" +
             std::string(wanted) + "\", not \"" + hardwareName_ + "\"";
    if (line.request.pressure.empty()) return "\"find\" needs \"pressure\"";
    return {};
  }

  bool glandGiven_ = false;
  std::string hardwareName_;  // "bore" or "rod", as given
};

}  // namespace

std::string readCrossSections(const nlohmann::ordered_json& value, std::array<bool, kCrossSections.size()>& allowed) {
  const std::string wrong = "\"cross_sections\" in \"find\" must list some of \"0.070\", \"0.103\", \"0.139\", "
                            "\"0.210\", \"0.275\"";
  if (!value.is_array() || value.empty()) return wrong;
  allowed.fill(false);
  for (const Json& item : value) {
    const std::optional<int> index = item.is_string() ? crossSectionIndex(item.get<std::string>()) : std::nullopt;
    if (!index) return wrong;
    allowed[static_cast<std::size_t>(*index)] = true;
  }
  return {};
}

bool isFindLine(std::string_view line) {
  const auto skipBlanks = [&] { line.remove_prefix(std::min(line.size(), line.find_first_not_of(" \t\r\n"))); };
  skipBlanks();
  if (!line.starts_with('{')) return false;
  line.remove_prefix(1);
  skipBlanks();
  return line.starts_with("\"find\"");
}

ParsedFind parseFindLine(std::string_view line) {
  ParsedFind parsed;
  if (const std::size_t nul = line.find('\0'); nul != std::string_view::npos) {
    parsed.problem = "not valid JSON at byte " + std::to_string(nul + 1) + ": a NUL byte";
    return parsed;
  }
  std::string twice;
  std::set<std::string> seen[2];  // the keys of the line's object and of the find object
  const auto noteKey = [&](int depth, nlohmann::json::parse_event_t event, Json& parsedValue) {
    if (event == nlohmann::json::parse_event_t::key && (depth == 1 || depth == 2) && twice.empty() &&
        !seen[depth - 1].insert(parsedValue.get<std::string>()).second)
      twice = parsedValue.get<std::string>();
    return true;
  };
  Json json;
  try {
    json = Json::parse(line, noteKey);
  } catch (const nlohmann::json::parse_error& error) {
    parsed.problem = syntaxProblem(error);
    return parsed;
  } catch (const nlohmann::json::exception&) {
    parsed.problem = "a number in the line is out of range";
    return parsed;
  }
  if (!twice.empty()) {
    parsed.problem = "field " + inQuotes(shortName(twice)) + " given twice";
    return parsed;
  }
  if (!json.is_object() || json.size() != 1 || !json.contains("find")) {
    parsed.problem = "a find line holds one object with \"find\" alone";
    return parsed;
  }
  FindReader reader;
  parsed.problem = reader.read(json["find"]);
  parsed.find = std::move(reader.line);
  return parsed;
}

}  // namespace glandwise

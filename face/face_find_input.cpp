#include <charconv>
#include <nlohmann/json.hpp>
#include <set>

#include "face/face_find.h"
#include "face/face_input.h"
#include "model/find_input.h"
#include "model/numbers.h"

namespace glandwise {
namespace {

using Json = nlohmann::ordered_json;

// The fields a face find object takes besides the review's inputs, and which of them the
// face seal line reads.
constexpr std::array<std::string_view, 5> kFaceLineFields{"pressure_from", "medium", "groove_od", "groove_id",
                                                          "pressure"};

std::string quote(std::string_view name) { return "\"" + std::string(name) + "\""; }

// A face line's problem with its "review" object named as the find object.
std::string asFindProblem(std::string problem) {
  for (std::size_t at = problem.find("\"review\""); at != std::string::npos; at = problem.find("\"review\"", at))
    problem.replace(at, 8, "\"find\"");
  return problem;
}

// The number a text or number field of a face line was read into.
std::optional<float> number(const std::string& text) {
  const ParsedNumber parsed = parseNumber(text);
  return parsed.status == NumberStatus::Number ? std::optional<float>(parsed.value) : std::nullopt;
}

// A number field as the text it would be typed as (its shortest decimal), as the radial find
// line takes them; anything else as it is, for the face line's reader to judge.
Json asText(const Json& value) {
  if (!value.is_number()) return value;
  char digits[32];
  return std::string(digits, std::to_chars(digits, digits + sizeof digits, value.get<double>()).ptr);
}

// Reads the find object, which names the face gland.
std::string readFaceFind(const Json& find, FaceFindLine& into) {
  Json faceLine{{"gland", "face"}, {"cross_section", "0.139"}, {"seal_id", "1"}};
  Json review = Json::object();
  for (const auto& [name, value] : find.items()) {
    if (name == "gland") continue;
    if (std::ranges::find(kFaceLineFields, name) != kFaceLineFields.end()) {
      faceLine[name] = asText(value);
    } else if (name == "largest_groove_width") {
      if (!value.is_number() || !(value.get<double>() > 0 && value.get<double>() < 1000))
        return "\"largest_groove_width\" in \"find\" must be a number above 0 and below 1000 (inch)";
      into.request.largestGrooveWidth = value.get<double>();
    } else if (name == "cross_sections") {
      if (std::string problem = readCrossSections(value, into.request.crossSections); !problem.empty()) return problem;
    } else if (name == "top") {
      if (!value.is_number_integer() || value.get<double>() < 1 || value.get<double>() > 1000)
        return "\"top\" in \"find\" must be a whole number from 1 to 1000";
      into.top = value.get<std::size_t>();
    } else {
      review[name] = value;
    }
  }
  for (const std::string_view needed : {"pressure_from", "medium", "pressure"})
    if (!faceLine.contains(needed)) return "\"find\" for a face gland needs " + quote(needed);
  if (!faceLine.contains("groove_od") && !faceLine.contains("groove_id"))
    return "\"find\" for a face gland needs \"groove_od\" (pressure from inside) or \"groove_id\" (from outside)";
  if (!review.empty()) faceLine["review"] = review;
  const std::optional<ParsedFaceInput> parsed = parseFaceLine(faceLine.dump());
  if (!parsed->problem.empty()) return asFindProblem(parsed->problem);
  const FaceForm& form = parsed->input.form;
  const std::optional<float> datum = number(form.datum.value_or(""));
  if (!datum || !(*datum > 0)) return quote(faceSide(*form.pressureFrom).datumKey) + " in \"find\" must be a number above 0";
  const std::optional<float> pressure = number(form.pressure);
  if (!pressure || !(*pressure > 0)) return "\"pressure\" in \"find\" must be a number above 0";
  FaceFindRequest& r = into.request;
  r.from = *form.pressureFrom;
  r.medium = *form.medium;
  r.datum = *datum;
  r.pressure = *pressure;
  r.review = parsed->input.review.value_or(FaceReviewInputs{});
  return {};
}

}  // namespace

std::string faceFindInputsProblem(const FaceFindRequest& request, const RuleSet& rules) {
  return asFindProblem(faceReviewInputsProblem(request.review, rules, request.pressure));
}

std::optional<ParsedFaceFind> parseFaceFindLine(std::string_view line) {
  if (line.find('\0') != std::string_view::npos) return std::nullopt;
  bool twice = false;
  std::set<std::string> seen[2];  // the keys of the line's object and of the find object
  const auto noteKey = [&](int depth, nlohmann::json::parse_event_t event, Json& parsedValue) {
    if (event == nlohmann::json::parse_event_t::key && (depth == 1 || depth == 2) &&
        !seen[depth - 1].insert(parsedValue.get<std::string>()).second)
      twice = true;
    return true;
  };
  Json json;
  try {
    json = Json::parse(line, noteKey);
  } catch (const nlohmann::json::exception&) {
    return std::nullopt;
  }
  // Anything else, a field given twice included, is for the find reader to report.
  if (twice || !json.is_object() || json.size() != 1 || !json.contains("find") || !json["find"].is_object() ||
      json["find"].value("gland", Json()) != "face")
    return std::nullopt;
  ParsedFaceFind parsed;
  parsed.problem = readFaceFind(json["find"], parsed.find);
  return parsed;
}

}  // namespace glandwise

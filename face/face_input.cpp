#include "face/face_input.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <set>
#include <vector>

#include "model/cross_sections.h"
#include "model/utf8.h"

namespace glandwise {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::array<std::string_view, 2> kMediumNames{"liquid", "gas"};
constexpr std::size_t kMaxQuoted = 60;  // bytes of input quoted in a problem

std::string quote(std::string_view text) {
  const std::string_view kept = utf8Prefix(text, kMaxQuoted);
  return "\"" + std::string(kept) + (kept.size() < text.size() ? "\u2026\"" : "\"");
}

template <std::size_t N>
std::string oneOf(const std::array<std::string_view, N>& names) {
  std::string text;
  for (std::size_t i = 0; i < N; ++i) text += (i == 0 ? "" : i + 1 == N ? " or " : ", ") + quote(names[i]);
  return text;
}

template <std::size_t N>
std::optional<std::size_t> indexOf(const std::array<std::string_view, N>& names, std::string_view name) {
  const auto found = std::ranges::find(names, name);
  return found == names.end() ? std::nullopt : std::optional(std::size_t(found - names.begin()));
}

std::string_view kindOf(const Json& value) { return value.type_name(); }

// Reads the fields of one face seal line in their order, stopping at the first problem.
class FaceReader {
 public:
  std::string read(const Json& line) {
    for (const auto& [name, value] : line.items()) {
      if (std::string problem = field(name, value); !problem.empty()) return problem;
    }
    return finish();
  }
  FaceInput input;

 private:
  std::string field(const std::string& name, const Json& value) {
    if (name == "gland") return {};
    if (name == "edits") return edits(value);
    if (name == "review") return review(value);
    constexpr std::array<std::string_view, 8> kTextFields{"cross_section", "seal_id",   "as568",     "pressure_from",
                                                          "medium",        "groove_od", "groove_id", "pressure"};
    if (!indexOf(kTextFields, name)) return "unknown field " + quote(name);
    if (!value.is_string()) return quote(name) + " must be a string, not " + std::string(kindOf(value));
    const std::string& text = value.get_ref<const std::string&>();
    FaceForm& f = input.form;
    if (name == "cross_section") {
      f.crossSection = crossSectionIndex(text);
      if (f.crossSection) return {};
      std::array<std::string_view, kCrossSections.size()> names;
      std::ranges::transform(kCrossSections, names.begin(), &CrossSection::text);
      return "unknown cross_section " + quote(text) + "; expected " + oneOf(names);
    }
    if (name == "pressure_from") {
      const std::array<std::string_view, 2> keys{kFaceSides[0].key, kFaceSides[1].key};
      const auto side = indexOf(keys, text);
      if (!side) return "unknown pressure_from " + quote(text) + "; expected " + oneOf(keys);
      f.pressureFrom = kFaceSides[*side].from;
    } else if (name == "medium") {
      const auto medium = indexOf(kMediumNames, text);
      if (!medium) return "unknown medium " + quote(text) + "; expected " + oneOf(kMediumNames);
      f.medium = FaceMedium(*medium);
    } else if (name == "seal_id") {
      f.sealId = text;
      sealIdGiven_ = true;
    } else if (name == "as568") {
      f.as568 = text;
    } else if (name == "pressure") {
      f.pressure = text;
    } else {
      if (!datumKey_.empty()) return "give one of \"groove_od\" and \"groove_id\", not both";
      f.datum = text;
      datumKey_ = name;
    }
    return {};
  }

  std::string edits(const Json& value) {
    if (!value.is_object()) return "\"edits\" must be an object, not " + std::string(kindOf(value));
    for (const auto& [name, text] : value.items()) {
      const auto edit = indexOf(kFaceEditNames, name);
      if (!edit)
        return quote(name) + " in \"edits\" is not a box of the face seal's groove; expected " + oneOf(kFaceEditNames);
      if (!text.is_string()) return quote(name) + " in \"edits\" must be a string, not " + std::string(kindOf(text));
      input.form.edits[*edit] = text.get<std::string>();
    }
    return {};
  }

  std::string review(const Json& value) {
    if (!value.is_object()) return "\"review\" must be an object, not " + std::string(kindOf(value));
    FaceReviewInputs& in = input.review.emplace();
    std::optional<double> low, high;
    for (const auto& [name, item] : value.items()) {
      const std::string where = quote(name) + " in \"review\"";
      if (name == "compound" || name == "metal" || name == "rules") {  // ids and the file the review checks
        if (!item.is_string()) return where + " must be a string, not " + std::string(kindOf(item));
        const std::string& text = item.get_ref<const std::string&>();
        if (name == "rules" && !namesRuleFile(text)) return where + " must name a rule file";
        (name == "compound" ? in.compound : name == "metal" ? in.metal : in.rulesFile) = text;
        continue;
      }
      const bool known = name == "hardness" || name == "temp_min_f" || name == "temp_max_f" ||
                         name == "swell_percent" || name == "flange_gap";
      if (!known) return "unknown field " + quote(name) + " in \"review\"";
      if (!item.is_number()) return where + " must be a number, not " + std::string(kindOf(item));
      const double v = item.get<double>();
      if (name == "hardness") {  // one with extrusion limits in the rules, which the review checks
        if (!(v >= 1 && v <= 100 && v == std::floor(v)))
          return where + " must be a whole number from 1 to 100 (Shore A)";
        in.hardness = int(v);
      } else if (name == "temp_min_f" || name == "temp_max_f") {
        if (!(v >= -459.67 && v <= 2000)) return where + " must lie between -459.67 and 2000 (°F)";
        (name == "temp_min_f" ? low : high) = v;
      } else if (name == "swell_percent") {
        if (!(v > -100 && v <= 1000)) return where + " must be above -100 and at most 1000 (%)";
        in.swellPercent = v;
      } else {
        if (!(v >= 0 && v < 1)) return where + " must be at least 0 and below 1 inch";
        in.flangeGap = v;
      }
    }
    if (low.has_value() != high.has_value())
      return "\"review\" needs both \"temp_min_f\" and \"temp_max_f\", or neither";
    if (low && *low > *high) return "\"temp_min_f\" in \"review\" is above \"temp_max_f\"";
    if (low) in.temperaturesF = std::array<double, 2>{*low, *high};
    return {};
  }

  std::string finish() const {
    const FaceForm& f = input.form;
    if (f.as568 && (f.crossSection || sealIdGiven_))
      return "\"as568\" stands in for \"cross_section\" and \"seal_id\": give one or the other";
    if (!datumKey_.empty()) {
      if (!f.pressureFrom) return quote(datumKey_) + " needs \"pressure_from\"";
      const FaceSide& side = faceSide(*f.pressureFrom);
      if (datumKey_ != side.datumKey)
        return quote(datumKey_) + " does not go with \"pressure_from\": " + quote(side.key) + "; give " +
               quote(side.datumKey);
    }
    return {};
  }

  bool sealIdGiven_ = false;
  std::string datumKey_;  // "groove_od" or "groove_id" when one was given
};

// Notes the first key given twice within one object, in reading order.
class TwiceGiven {
 public:
  bool operator()(int, Json::parse_event_t event, Json& parsed) {
    if (event == Json::parse_event_t::object_start) keys_.emplace_back();
    else if (event == Json::parse_event_t::object_end) keys_.pop_back();
    else if (event == Json::parse_event_t::key && !keys_.empty() &&
             !keys_.back().insert(parsed.get<std::string>()).second && first_.empty())
      first_ = keys_.size() == 1 ? "field " + quote(parsed.get<std::string>()) + " given twice"
                                 : quote(parsed.get<std::string>()) + " given twice in an object";
    return true;
  }
  std::string first_;

 private:
  std::vector<std::set<std::string>> keys_;
};

// Reads a line that is not valid JSON as far as it goes: whether its object names "gland"
// "face" before the fault, and what the fault is.
class FaultyLine final : public nlohmann::json_sax<Json> {
 public:
  bool null() override { return value(); }
  bool boolean(bool) override { return value(); }
  bool number_integer(number_integer_t) override { return value(); }
  bool number_unsigned(number_unsigned_t) override { return value(); }
  bool number_float(number_float_t, const string_t&) override { return value(); }
  bool binary(binary_t&) override { return value(); }
  bool string(string_t& text) override {
    face_ = face_ || (glandNext_ && text == "face");
    return value();
  }
  bool start_object(std::size_t) override { return ++depth_, value(); }
  bool end_object() override { return --depth_, true; }
  bool start_array(std::size_t) override { return ++depth_, value(); }
  bool end_array() override { return --depth_, true; }
  bool key(string_t& name) override {
    glandNext_ = depth_ == 1 && name == "gland";
    return true;
  }
  bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& error) override {
    constexpr int kNumberOverflow = 406;
    fault_ = error.id == kNumberOverflow ? "a number out of range at byte " + std::to_string(position)
                                         : "not valid JSON at byte " + std::to_string(position);
    return false;
  }

  bool face() const { return face_; }
  const std::string& fault() const { return fault_; }

 private:
  bool value() {
    glandNext_ = false;
    return true;
  }
  int depth_ = 0;
  bool glandNext_ = false;  // the value that comes next is the object's "gland"
  bool face_ = false;       // "gland" was "face"
  std::string fault_;
};

}  // namespace

std::optional<ParsedFaceInput> parseFaceLine(std::string_view line) {
  // Every face line names "face"; a line without it (and without escapes) is none.
  if (line.find("face") == std::string_view::npos && line.find('\\') == std::string_view::npos) return std::nullopt;
  TwiceGiven twice;
  const Json json = Json::parse(line.begin(), line.end(), std::ref(twice), false);
  if (json.is_discarded()) {
    // A face line whose fault comes after its "gland" is still a face line: say what the fault is.
    FaultyLine faulty;
    Json::sax_parse(line.begin(), line.end(), &faulty);
    if (!faulty.face()) return std::nullopt;
    return ParsedFaceInput{{}, faulty.fault()};
  }
  if (!json.is_object()) return std::nullopt;
  const auto gland = json.find("gland");
  if (gland == json.end() || !gland->is_string() || *gland != "face") return std::nullopt;
  ParsedFaceInput parsed;
  if (!twice.first_.empty()) {
    parsed.problem = twice.first_;
    return parsed;
  }
  FaceReader reader;
  parsed.problem = reader.read(json);
  parsed.input = std::move(reader.input);
  return parsed;
}

std::string faceLine(const FaceInput& input) {
  const FaceForm& f = input.form;
  Json line;
  line["gland"] = "face";
  if (f.crossSection) line["cross_section"] = kCrossSections[std::size_t(*f.crossSection)].text;
  if (f.as568) line["as568"] = *f.as568;
  else line["seal_id"] = f.sealId;
  if (f.pressureFrom) line["pressure_from"] = faceSide(*f.pressureFrom).key;
  if (f.medium) line["medium"] = kMediumNames[std::size_t(*f.medium)];
  if (f.datum && f.pressureFrom) line[std::string(faceSide(*f.pressureFrom).datumKey)] = *f.datum;
  line["pressure"] = f.pressure;
  Json edits = Json::object();
  for (std::size_t e = 0; e < kFaceEditCount; ++e)
    if (f.edits[e]) edits[std::string(kFaceEditNames[e])] = *f.edits[e];
  if (!edits.empty()) line["edits"] = std::move(edits);
  if (const std::optional<FaceReviewInputs>& r = input.review) {
    Json review;
    review["hardness"] = r->hardness;
    review["compound"] = r->compound;
    review["metal"] = r->metal;
    if (r->temperaturesF) review["temp_min_f"] = (*r->temperaturesF)[0], review["temp_max_f"] = (*r->temperaturesF)[1];
    if (r->swellPercent) review["swell_percent"] = *r->swellPercent;
    review["flange_gap"] = r->flangeGap;
    if (!r->rulesFile.empty()) review["rules"] = r->rulesFile;
    line["review"] = std::move(review);
  }
  return line.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace glandwise

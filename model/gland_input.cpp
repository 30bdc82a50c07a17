#include "model/gland_input.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <nlohmann/json.hpp>
#include <unordered_set>
#include <utility>

#include "model/cross_sections.h"
#include "model/number_text.h"
#include "model/utf8.h"

namespace glandwise {
namespace {

using Json = nlohmann::json;

// The fields of an input object. Text fields come first, in the order of kTextFields.
enum class Field { SealId, Rod, Housing, Pressure, CrossSection, Gland, Edits, Answers, As568, Review, Count };

constexpr std::array<std::string_view, static_cast<std::size_t>(Field::Count)> kFieldNames{
    "seal_id", "rod", "housing", "pressure", "cross_section", "gland", "edits", "answers", "as568", "review"};

// The fields of a "review" object.
enum class ReviewField {
  Hardness, SealIdTolerance, TempMin, TempMax, Compound, AlphaSeal, Metal, AlphaMetal, MetalGroove, AlphaGroove,
  MetalMating, AlphaMating, Swell, GrooveRadius, GrooveWidth, SqueezeLimits, Rules, Count
};

constexpr std::array<std::string_view, static_cast<std::size_t>(ReviewField::Count)> kReviewFieldNames{
    "hardness", "seal_id_tolerance", "temp_min_f", "temp_max_f", "compound", "alpha_seal_per_f",
    "metal", "alpha_metal_per_f", "metal_groove", "alpha_groove_per_f", "metal_mating", "alpha_mating_per_f",
    "swell_percent", "groove_radius", "groove_width", "squeeze_limits_percent", "rules"};

// A material id of a rule set: lower-case letters, digits and _.
bool materialId(std::string_view text) {
  return !text.empty() && text.size() <= 40 &&
         text.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_") == std::string_view::npos;
}

// Where each text field's text goes.
const std::array<std::optional<std::string> GlandInput::*, 4> kTextFields{
    &GlandInput::sealInsideDia, &GlandInput::rodDia, &GlandInput::housingDia, &GlandInput::pressure};


constexpr std::array<std::string_view, 2> kGlandNames{"rod", "housing"};
constexpr std::array<GlandKind, 2> kGlandKinds{GlandKind::RodGroove, GlandKind::HousingGroove};

// Input quoted in a problem is cut to this many bytes, so that no message repeats a long line.
constexpr std::size_t kMaxQuoted = 60;

// `text` in quotes, cut (at a character boundary) to kMaxQuoted bytes with "…".
std::string quote(std::string_view text) {
  if (text.size() <= kMaxQuoted) return "\"" + std::string(text) + "\"";
  return "\"" + std::string(utf8Prefix(text, kMaxQuoted)) + "\u2026\"";
}

// "a", "b" or "c": the accepted values, for a problem description.
template <std::size_t N>
std::string oneOf(const std::array<std::string_view, N>& names) {
  std::string text;
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0) text += i + 1 == N ? " or " : ", ";
    text += quote(names[i]);
  }
  return text;
}

// The index of `text` among `names`, or nothing.
template <std::size_t N>
std::optional<int> indexOf(const std::array<std::string_view, N>& names, std::string_view text) {
  for (std::size_t i = 0; i < N; ++i)
    if (names[i] == text) return static_cast<int>(i);
  return std::nullopt;
}

// The parser's words for what it met, and this program's: "found" (a token where another
// was due) or the problem itself.
struct SyntaxWords {
  std::string_view parser;
  std::string_view ours;
};
constexpr SyntaxWords kFound[] = {
    {"unexpected end of input", "the line ends"}, {"unexpected string literal", "a string"},
    {"unexpected number literal", "a number"}, {"unexpected true literal", "true"},
    {"unexpected false literal", "false"}, {"unexpected null literal", "null"}, {"unexpected '['", "'['"},
    {"unexpected '{'", "'{'"}, {"unexpected ']'", "']'"}, {"unexpected '}'", "'}'"}, {"unexpected ':'", "':'"},
    {"unexpected ','", "','"}};
constexpr SyntaxWords kExpected[] = {
    {"string literal", "a field name in double quotes"}, {"':'", "':'"},
    {"'}'", "',' or '}'"}, {"']'", "',' or ']'"}, {"'[', '{', or a literal", "a value"}};
constexpr SyntaxWords kLexerProblems[] = {
    {"invalid string: missing closing quote", "a string without its closing quote"},
    {"invalid string: control character", "a control character in a string, where an escape such as \\n belongs"},
    {"invalid string: ill-formed UTF-8 byte", "a byte that is not UTF-8 text"},
    {"invalid string: ", "an escape in a string that JSON does not allow"},
    {"invalid number", "an unfinished number"},
    {"invalid BOM", "a broken byte-order mark"}};

// Our words for the parser's `text`, from the first entry that it starts with; empty if none.
template <std::size_t N>
std::string_view ourWords(const SyntaxWords (&words)[N], std::string_view text) {
  for (const SyntaxWords& entry : words)
    if (text.starts_with(entry.parser)) return entry.ours;
  return {};
}

// Where in `line` the byte at `position` (from 1; one past the end: the line's end) lies,
// counted in characters from 1 as an editor counts columns.
std::size_t columnOf(std::string_view line, std::size_t position) {
  const std::string_view before = line.substr(0, std::min(position, line.size() + 1) - 1);
  return 1 + static_cast<std::size_t>(std::count_if(before.begin(), before.end(), [](char c) {
           return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
         }));
}

// A syntax error that the parser met at byte `position` of `line`, said as what is wrong
// and where: "not valid JSON at column 16: the line ends where ',' or '}' should come".
// `what` is the parser's own description, which is never shown.
std::string syntaxProblem(std::string_view line, std::size_t position, std::string_view what) {
  const std::string where = "not valid JSON at column " + std::to_string(columnOf(line, position));
  const std::size_t dash = what.find(" - ");
  if (what.find("syntax error while parsing ") == std::string_view::npos || dash == std::string_view::npos)
    return where;
  const std::string_view context = what.substr(0, dash);
  const std::string_view detail = what.substr(dash + 3);
  const std::size_t expectedAt = detail.rfind("; expected ");
  const std::string_view expected =
      expectedAt == std::string_view::npos ? std::string_view() : detail.substr(expectedAt + 11);
  if (expected == "end of input") return where + ": more than blanks after the object";
  if (detail.starts_with("invalid literal"))
    return where + (context.ends_with("object key") ? ": a field name without its double quotes"
                                                     : ": a value that is not JSON (a text needs double quotes)");
  if (const std::string_view problem = ourWords(kLexerProblems, detail); !problem.empty())
    return where + ": " + std::string(problem);
  const std::string_view found = ourWords(kFound, detail), due = ourWords(kExpected, expected);
  if (found.empty() || due.empty()) return where;
  return where + ": " + std::string(found) + " where " + std::string(due) + " should come";
}

// The exception id of a number too large for the parser.
constexpr int kNumberOverflow = 406;

// Reads the "review" object's fields into review inputs, event by event, and checks their
// kinds and ranges. Every problem is a text naming the field; empty when all is well. The
// material ids are checked against a rule set later (reviewInputsProblem).
class ReviewReader {
 public:
  std::string key(const std::string& name) {
    const std::optional<int> index = indexOf(kReviewFieldNames, name);
    if (!index) return "unknown field " + quote(name) + " in \"review\"";
    if (given(static_cast<ReviewField>(*index))) return quote(name) + " given twice in \"review\"";
    seen_ |= 1u << *index;
    field_ = static_cast<ReviewField>(*index);
    return {};
  }

  std::string number(double value) {
    if (inPair_) {
      if (pairCount_ == 2) return fieldQuoted() + " must hold two numbers";
      pair_[pairCount_++] = value;
      return {};
    }
    switch (field_) {
      case ReviewField::Hardness:
        if (!(value >= 1 && value <= 100 && value == std::floor(value)))
          return fieldQuoted() + " must be a whole number from 1 to 100 (Shore A)";
        inputs_.hardness = static_cast<int>(value);
        return {};
      case ReviewField::SealIdTolerance:
        if (!(value >= 0 && value < 1)) return fieldQuoted() + " must be at least 0 and below 1 inch";
        inputs_.sealIdTolerance = static_cast<float>(value);
        return {};
      case ReviewField::TempMin: return temperature(inputs_.tempMinF, value);
      case ReviewField::TempMax: return temperature(inputs_.tempMaxF, value);
      case ReviewField::AlphaSeal: return expansion(inputs_.alphaSealPerF, value);
      case ReviewField::AlphaMetal: return expansion(alphaMetal_, value);
      case ReviewField::AlphaGroove: return expansion(inputs_.alphaGroovePerF, value);
      case ReviewField::AlphaMating: return expansion(inputs_.alphaMatingPerF, value);
      case ReviewField::Swell:
        if (!(value > -100 && value <= 1000)) return fieldQuoted() + " must be above -100 and at most 1000 (%)";
        inputs_.swellPercent = value;
        return {};
      case ReviewField::GrooveRadius:
        if (!(value >= 0 && value < 1)) return fieldQuoted() + " must be at least 0 and below 1 inch";
        inputs_.grooveRadius = value;
        return {};
      default: return wrongKind("number");
    }
  }

  std::string text(const std::string& value) {
    if (inPair_) return fieldQuoted() + " must hold two numbers";
    if (field_ == ReviewField::Rules) return rulesFile(value);
    std::string* into = field_ == ReviewField::Compound      ? &inputs_.compound
                        : field_ == ReviewField::Metal       ? &metal_
                        : field_ == ReviewField::MetalGroove ? &inputs_.metalGroove
                        : field_ == ReviewField::MetalMating ? &inputs_.metalMating
                                                             : nullptr;
    if (!into) return wrongKind("string");
    if (!materialId(value))
      return fieldQuoted() + " " + quote(value) + " is not a material id (lower-case letters, digits and _)";
    *into = value;
    return {};
  }

  // An array starts: only the squeeze limits and the groove width are one.
  std::string startArray() {
    if ((field_ != ReviewField::SqueezeLimits && field_ != ReviewField::GrooveWidth) || inPair_)
      return wrongKind("array");
    inPair_ = true;
    pairCount_ = 0;
    return {};
  }

  std::string endArray() {
    inPair_ = false;
    if (field_ == ReviewField::SqueezeLimits) {
      if (pairCount_ != 2 || !(pair_[0] >= 0 && pair_[0] < pair_[1] && pair_[1] <= 100))
        return fieldQuoted() + " must be two numbers from 0 to 100, the lower below the upper";
      inputs_.squeezeLimits = pair_;
    } else {
      if (pairCount_ != 2 || !(pair_[0] > 0 && pair_[0] <= pair_[1] && pair_[1] < 10))
        return fieldQuoted() + " must be two numbers of inch, the narrowest above 0 and not above the widest";
      inputs_.grooveWidth = pair_;
    }
    return {};
  }

  std::string other(std::string_view kind) { return wrongKind(kind); }
  std::string overflow() const { return fieldQuoted() + " is out of range"; }

  // The inputs read, or the problem of fields that do not go together.
  std::string finish(ReviewInputs& inputs) {
    if (given(ReviewField::TempMin) != given(ReviewField::TempMax))
      return "\"review\" needs both \"temp_min_f\" and \"temp_max_f\", or neither";
    if (inputs_.tempMinF > inputs_.tempMaxF) return "\"temp_min_f\" in \"review\" is above \"temp_max_f\"";
    if (given(ReviewField::Metal) && (given(ReviewField::MetalGroove) || given(ReviewField::MetalMating)))
      return "\"metal\" in \"review\" sets both metals: give it or \"metal_groove\" and \"metal_mating\"";
    if (given(ReviewField::AlphaMetal) && (given(ReviewField::AlphaGroove) || given(ReviewField::AlphaMating)))
      return "\"alpha_metal_per_f\" in \"review\" sets both metals' coefficients: give it or their own";
    if (given(ReviewField::Metal)) inputs_.metalGroove = inputs_.metalMating = metal_;
    if (given(ReviewField::AlphaMetal)) inputs_.alphaGroovePerF = inputs_.alphaMatingPerF = alphaMetal_;
    const bool metal = given(ReviewField::Metal) || given(ReviewField::AlphaMetal);
    for (const auto& [coefficient, custom, choice] :
         {std::tuple{ReviewField::AlphaSeal, inputs_.compound == kCustomMaterial, "compound"},
          {metal ? ReviewField::AlphaMetal : ReviewField::AlphaGroove, inputs_.metalGroove == kCustomMaterial,
           metal ? "metal" : "metal_groove"},
          {metal ? ReviewField::AlphaMetal : ReviewField::AlphaMating, inputs_.metalMating == kCustomMaterial,
           metal ? "metal" : "metal_mating"}})
      if (std::string problem = customCoefficient(coefficient, custom, choice); !problem.empty()) return problem;
    inputs = inputs_;
    return {};
  }

 private:
  bool given(ReviewField field) const { return seen_ & (1u << static_cast<unsigned>(field)); }

  std::string fieldQuoted() const {
    return quote(kReviewFieldNames[static_cast<std::size_t>(field_)]) + " in \"review\"";
  }

  std::string wrongKind(std::string_view kind) const {
    const bool text = field_ == ReviewField::Compound || field_ == ReviewField::Metal ||
                      field_ == ReviewField::MetalGroove || field_ == ReviewField::MetalMating ||
                      field_ == ReviewField::Rules;
    const bool pair = field_ == ReviewField::SqueezeLimits || field_ == ReviewField::GrooveWidth;
    const std::string_view wanted = text ? "a string" : pair ? "an array of two numbers" : "a number";
    return fieldQuoted() + " must be " + std::string(wanted) + ", not " + std::string(kind);
  }

  // The rule file's path: a file's name, not empty and without a NUL.
  std::string rulesFile(const std::string& value) {
    if (!namesRuleFile(value)) return fieldQuoted() + " must name a rule file";
    inputs_.rulesFile = value;
    return {};
  }

  std::string temperature(std::optional<double>& into, double value) const {
    if (!(value >= -459.67 && value <= 2000)) return fieldQuoted() + " must lie between -459.67 and 2000 (°F)";
    into = value;
    return {};
  }

  std::string expansion(double& into, double value) const {
    if (!(value >= 0 && value < 0.01)) return fieldQuoted() + " must be at least 0 and below 0.01 (per °F)";
    into = value;
    return {};
  }

  // A custom coefficient goes with the choice "custom", and only with it.
  std::string customCoefficient(ReviewField coefficient, bool custom, std::string_view choice) const {
    const std::string name = quote(kReviewFieldNames[static_cast<std::size_t>(coefficient)]);
    if (custom && !given(coefficient)) return "\"review\" needs " + name + " with " + std::string(choice) + " \"custom\"";
    if (!custom && given(coefficient)) return name + " in \"review\" needs " + std::string(choice) + " \"custom\"";
    return {};
  }

  ReviewInputs inputs_;                     // what has been read so far
  std::string metal_;                       // "metal", which sets both metals
  double alphaMetal_ = 0;                   // "alpha_metal_per_f", which sets both coefficients
  ReviewField field_ = ReviewField::Count;  // the field whose value comes next
  unsigned seen_ = 0;                       // bit i set: field i has been given
  bool inPair_ = false;                     // inside an array of two numbers
  std::array<double, 2> pair_{};
  std::size_t pairCount_ = 0;
};

// Reads one input object from the parser's events, as they come: checks each field's name
// and JSON kind and stores what it holds. Stops at the first problem. Edits are kept by box
// name until the gland type, which chooses the editor, is known.
class InputReader final : public nlohmann::json_sax<Json> {
 public:
  explicit InputReader(std::string_view line) : line_(line) {}

  bool null() override { return scalar("null"); }
  bool boolean(bool) override { return scalar("boolean"); }
  bool number_integer(number_integer_t value) override { return number(double(value)); }
  bool number_unsigned(number_unsigned_t value) override { return number(double(value)); }
  bool number_float(number_float_t value, const string_t&) override { return number(value); }
  bool binary(binary_t&) override { return scalar("binary"); }

  bool string(string_t& text) override {
    if (inReview()) return check(review_.text(text));
    if (depth_ == 2) return field_ == Field::Edits ? editText(text) : answer(text);
    if (depth_ != 1) return notAnObject("string");
    if (field_ == Field::CrossSection) return crossSection(text);
    if (field_ == Field::Gland) return gland(text);
    if (field_ == Field::As568) {
      input_.as568 = std::move(text);
      return true;
    }
    if (field_ < Field::CrossSection) {
      input_.*kTextFields[static_cast<std::size_t>(field_)] = std::move(text);
      return true;
    }
    return wrongKind("string");
  }

  bool start_object(std::size_t) override {
    if (depth_ == 0) return enter();
    if (depth_ == 1 && (field_ == Field::Edits || field_ == Field::Review)) return enter();
    if (inReview()) return check(review_.other("object"));
    return scalar("object");
  }

  bool start_array(std::size_t) override {
    if (depth_ == 1 && field_ == Field::Answers) return enter();
    if (inReview()) return check(review_.startArray()) && enter();
    return scalar("array");
  }

  bool end_object() override {
    if (depth_ == 2 && field_ == Field::Review) {
      input_.review.emplace();
      if (!check(review_.finish(*input_.review))) return false;
    }
    return leave();
  }

  bool end_array() override {
    if (depth_ == 3) return check(review_.endArray()) && leave();
    return leave();
  }

  bool key(string_t& name) override {
    if (depth_ == 1) return fieldName(name);
    if (inReview()) return check(review_.key(name));
    return editName(std::move(name));
  }

  bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& error) override {
    // A number beyond the double range is still a number: report it as any other.
    if (error.id == kNumberOverflow) return inReview() ? check(review_.overflow()) : scalar("number");
    return fail(syntaxProblem(line_, position, error.what()));
  }

  // The input read, or the first problem met; call once the parser has finished.
  ParsedInput finish(bool parsed) {
    if (parsed && problem_.empty() && input_.as568 && (input_.crossSection || input_.sealInsideDia))
      fail("\"as568\" stands in for \"cross_section\" and \"seal_id\": give one or the other");
    if (parsed && problem_.empty()) resolveEdits();
    return {std::move(input_), std::move(problem_)};
  }

 private:
  bool enter() {
    ++depth_;
    return true;
  }

  bool leave() {
    --depth_;
    return true;
  }

  bool fail(std::string problem) {
    problem_ = std::move(problem);
    return false;
  }

  // Inside the "review" object (or its squeeze limits), where the review reader reads.
  bool inReview() const { return depth_ >= 2 && field_ == Field::Review; }

  // A problem from the review reader, if any.
  bool check(std::string problem) { return problem.empty() || fail(std::move(problem)); }

  bool number(double value) {
    if (inReview()) return check(review_.number(value));
    return scalar("number");
  }

  bool notAnObject(std::string_view kind) { return fail("not a JSON object but " + std::string(kind)); }

  std::string fieldQuoted() const { return quote(kFieldNames[static_cast<std::size_t>(field_)]); }

  bool wrongKind(std::string_view kind) {
    const std::string_view wanted = field_ == Field::Edits || field_ == Field::Review ? "an object"
                                    : field_ == Field::Answers                      ? "an array"
                                                                                    : "a string";
    return fail(fieldQuoted() + " must be " + std::string(wanted) + ", not " + std::string(kind));
  }

  // A value other than a string where the input object, an edit's text or an answer stands,
  // or an object or array where a field's value stands.
  bool scalar(std::string_view kind) {
    if (depth_ == 0) return notAnObject(kind);
    if (depth_ == 1) return wrongKind(kind);
    if (inReview()) return check(review_.other(kind));
    if (field_ == Field::Edits) return fail(quote(pendingBox_) + " in \"edits\" must be a string, not " + std::string(kind));
    return answer({});
  }

  bool fieldName(const std::string& name) {
    const std::optional<int> index = indexOf(kFieldNames, name);
    if (!index) return fail("unknown field " + quote(name));
    const unsigned bit = 1u << *index;
    if (seenFields_ & bit) return fail("field " + quote(name) + " given twice");
    seenFields_ |= bit;
    field_ = static_cast<Field>(*index);
    return true;
  }

  bool editName(std::string name) {
    if (!editNames_.insert(name).second) return fail(quote(name) + " given twice in \"edits\"");
    pendingBox_ = std::move(name);
    return true;
  }

  bool editText(std::string& text) {
    edits_.emplace_back(std::move(pendingBox_), std::move(text));
    return true;
  }

  bool answer(std::string_view text) {
    if (text != "yes" && text != "no")
      return fail("answer " + std::to_string(input_.answers.size() + 1) + " must be \"yes\" or \"no\"");
    input_.answers.push_back(text == "yes");
    return true;
  }

  bool crossSection(const std::string& text) {
    input_.crossSection = crossSectionIndex(text);
    if (input_.crossSection) return true;
    std::array<std::string_view, kCrossSections.size()> names;
    for (std::size_t i = 0; i < names.size(); ++i) names[i] = kCrossSections[i].text;
    return fail("unknown cross_section " + quote(text) + "; expected " + oneOf(names));
  }

  bool gland(const std::string& text) {
    const std::optional<int> index = indexOf(kGlandNames, text);
    if (!index) return fail("unknown gland " + quote(text) + "; expected " + oneOf(kGlandNames));
    input_.glandType = kGlandKinds[static_cast<std::size_t>(*index)];
    return true;
  }

  // Turns the edits' box names into boxes of the chosen gland type's editor. Without a
  // gland type the selection screen refuses its OK, so the edits are never typed.
  void resolveEdits() {
    if (edits_.empty() || !input_.glandType) return;
    const GlandSide& side = glandSide(*input_.glandType);
    std::array<std::string_view, kEditorBoxCount> boxNames;
    for (std::size_t i = 0; i < kEditorBoxCount; ++i) boxNames[i] = editorBoxName(side, static_cast<EditorBox>(i));
    for (auto& [name, text] : edits_) {
      const std::optional<int> box = indexOf(boxNames, name);
      if (!box) {
        const std::string_view editor = side.kind == GlandKind::RodGroove ? "rod-groove" : "housing-groove";
        fail(quote(name) + " in \"edits\" is not a box of the " + std::string(editor) + " editor; expected " +
             oneOf(boxNames));
        return;
      }
      input_.edits.push_back({static_cast<EditorBox>(*box), std::move(text)});
    }
  }

  std::string_view line_;                                   // the line read, for the place of a syntax error
  GlandInput input_;                                        // what has been read so far
  std::string problem_;                                     // the first problem met
  int depth_ = 0;  // 1 inside the input object, 2 inside edits, answers or review, 3 in the squeeze limits
  Field field_ = Field::Count;                              // the field whose value comes next
  unsigned seenFields_ = 0;                                 // bit i set: field i has been given
  std::string pendingBox_;                                  // the edit whose text comes next
  std::unordered_set<std::string> editNames_;               // the box names of edits_
  std::vector<std::pair<std::string, std::string>> edits_;  // box name and text, in input order
  ReviewReader review_;                                     // reads the "review" object
};

// What became of a line's tokens in PlainTokens.
enum class Tokens {
  Taken,    // all of them, and the reader took each
  Refused,  // the reader stopped at one, having found a problem
  Other,    // the line holds more than plain tokens: the general parser must read it
};

// Hands the tokens of a plain line to an input reader as the general parser would, several
// times faster: objects, arrays and strings of printable ASCII without escapes, between
// blanks, nested at most kMaxDepth deep, which is what most lines are. Anything else (a
// number, an escape, a byte beyond ASCII, a syntax error) is left to the general parser,
// which then reads the line anew with a reader of its own.
class PlainTokens {
 public:
  PlainTokens(std::string_view line, InputReader& reader) : line_(line), reader_(reader) {}

  Tokens read() {
    skipBlanks();
    const Tokens tokens = value(0);
    skipBlanks();
    return tokens == Tokens::Taken && at_ < line_.size() ? Tokens::Other : tokens;
  }

 private:
  static constexpr int kMaxDepth = 4;  // the squeeze limits' array lies at depth 3

  Tokens value(int depth) {
    if (depth > kMaxDepth || at_ == line_.size()) return Tokens::Other;
    if (line_[at_] == '{') return container(depth, '}');
    if (line_[at_] == '[') return container(depth, ']');
    std::string text;
    if (!string(text)) return Tokens::Other;
    return taken(reader_.string(text));
  }

  // An object or an array, from its opening bracket to `close`.
  Tokens container(int depth, char close) {
    const bool object = close == '}';
    ++at_;
    if (!(object ? reader_.start_object(std::size_t(-1)) : reader_.start_array(std::size_t(-1))))
      return Tokens::Refused;
    skipBlanks();
    if (!next(close)) {
      do {
        skipBlanks();
        if (object) {
          std::string name;
          if (!string(name) || (skipBlanks(), !next(':'))) return Tokens::Other;
          skipBlanks();
          if (!reader_.key(name)) return Tokens::Refused;
        }
        if (const Tokens tokens = value(depth + 1); tokens != Tokens::Taken) return tokens;
        skipBlanks();
      } while (next(','));
      if (!next(close)) return Tokens::Other;
    }
    return taken(object ? reader_.end_object() : reader_.end_array());
  }

  // A string without escapes or bytes beyond printable ASCII, into `text`.
  bool string(std::string& text) {
    if (!next('"')) return false;
    const std::size_t start = at_;
    while (at_ < line_.size() && line_[at_] >= 0x20 && line_[at_] < 0x7F && line_[at_] != '"' && line_[at_] != '\\')
      ++at_;
    if (!next('"')) return false;
    text.assign(line_.substr(start, at_ - 1 - start));
    return true;
  }

  // Steps over `c` when it comes next.
  bool next(char c) {
    if (at_ == line_.size() || line_[at_] != c) return false;
    ++at_;
    return true;
  }

  void skipBlanks() {
    while (at_ < line_.size() && (line_[at_] == ' ' || line_[at_] == '\t' || line_[at_] == '\n' || line_[at_] == '\r'))
      ++at_;
  }

  static Tokens taken(bool byReader) { return byReader ? Tokens::Taken : Tokens::Refused; }

  std::string_view line_;
  InputReader& reader_;
  std::size_t at_ = 0;  // the next byte to read
};

}  // namespace

ParsedInput parseInputLine(std::string_view line) {
  // The parser would take a NUL byte for the end of the line and ignore what follows.
  if (const std::size_t nul = line.find('\0'); nul != std::string_view::npos)
    return {{}, "not valid JSON at column " + std::to_string(columnOf(line, nul + 1)) + ": a NUL byte"};
  InputReader plain(line);
  const Tokens tokens = PlainTokens(line, plain).read();
  if (tokens != Tokens::Other) return plain.finish(tokens == Tokens::Taken);
  InputReader reader(line);
  const bool parsed = Json::sax_parse(line, &reader);
  return reader.finish(parsed);
}

namespace {

// Writes the input's fields one after the other, each named and separated from the last.
class LineWriter {
 public:
  std::string& field(std::string_view name) {
    line_ += line_.size() == 1 ? "" : ", ";
    line_ += quoted(name);
    line_ += ": ";
    return line_;
  }

  void text(std::string_view name, std::string_view value) { field(name) += quoted(value); }

  template <class Number>
  void number(std::string_view name, Number value) {
    append(field(name), value);
  }

  // Two numbers as an array.
  void pair(std::string_view name, double first, double second) {
    std::string& line = field(name) += '[';
    append(line, first);
    append(line += ", ", second);
    line += ']';
  }

  // The finished line; the writer is spent.
  std::string finish() { return std::move(line_ += '}'); }

 private:
  // A JSON string; a byte that is not UTF-8 becomes U+FFFD.
  static std::string quoted(std::string_view text) {
    return Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
  }

  // A figure typed into a box, which reads it as a 32-bit float: the shortest text that
  // reads back to that float ("0.01", not the digits of its widening to a double).
  static void append(std::string& line, double value) {
    char digits[kMaxNumberLength];
    line.append(digits, writeFloat(digits, static_cast<float>(value)));
  }

  static void append(std::string& line, int value) {
    char digits[kMaxNumberLength];
    line.append(digits, writeInteger(digits, value));
  }

  std::string line_ = "{";
};

std::string reviewObject(const ReviewInputs& review) {
  LineWriter out;
  const auto name = [](ReviewField field) { return kReviewFieldNames[static_cast<std::size_t>(field)]; };
  out.number(name(ReviewField::Hardness), review.hardness);
  if (review.sealIdTolerance) out.number(name(ReviewField::SealIdTolerance), *review.sealIdTolerance);
  if (review.tempMinF && review.tempMaxF) {
    out.number(name(ReviewField::TempMin), *review.tempMinF);
    out.number(name(ReviewField::TempMax), *review.tempMaxF);
  }
  out.text(name(ReviewField::Compound), review.compound);
  if (review.compound == kCustomMaterial) out.number(name(ReviewField::AlphaSeal), review.alphaSealPerF);
  const bool custom = review.metalGroove == kCustomMaterial;
  if (review.metalGroove == review.metalMating && (!custom || review.alphaGroovePerF == review.alphaMatingPerF)) {
    out.text(name(ReviewField::Metal), review.metalGroove);
    if (custom) out.number(name(ReviewField::AlphaMetal), review.alphaGroovePerF);
  } else {
    out.text(name(ReviewField::MetalGroove), review.metalGroove);
    if (custom) out.number(name(ReviewField::AlphaGroove), review.alphaGroovePerF);
    out.text(name(ReviewField::MetalMating), review.metalMating);
    if (review.metalMating == kCustomMaterial) out.number(name(ReviewField::AlphaMating), review.alphaMatingPerF);
  }
  if (review.swellPercent) out.number(name(ReviewField::Swell), *review.swellPercent);
  out.number(name(ReviewField::GrooveRadius), review.grooveRadius);
  if (review.grooveWidth) out.pair(name(ReviewField::GrooveWidth), (*review.grooveWidth)[0], (*review.grooveWidth)[1]);
  if (review.squeezeLimits)
    out.pair(name(ReviewField::SqueezeLimits), (*review.squeezeLimits)[0], (*review.squeezeLimits)[1]);
  if (!review.rulesFile.empty()) out.text(name(ReviewField::Rules), review.rulesFile);
  return out.finish();
}

}  // namespace

std::string inputLine(const GlandInput& input) {
  LineWriter out;
  const auto name = [](Field field) { return kFieldNames[static_cast<std::size_t>(field)]; };
  if (input.crossSection) out.text(name(Field::CrossSection), kCrossSections[static_cast<std::size_t>(*input.crossSection)].text);
  if (input.glandType)
    out.text(name(Field::Gland), input.glandType == GlandKind::RodGroove ? kGlandNames[0] : kGlandNames[1]);
  if (input.as568) out.text(name(Field::As568), *input.as568);
  for (std::size_t i = 0; i < kTextFields.size(); ++i)
    if (const auto& text = input.*kTextFields[i]) out.text(kFieldNames[i], *text);
  if (!input.edits.empty()) {
    const GlandSide& side = glandSide(input.glandType.value_or(GlandKind::RodGroove));
    LineWriter edits;
    for (const EditorEdit& edit : input.edits) edits.text(editorBoxName(side, edit.box), edit.text);
    out.field(name(Field::Edits)) += edits.finish();
  }
  if (!input.answers.empty()) {
    std::string& answers = out.field(name(Field::Answers));
    answers += '[';
    for (std::size_t i = 0; i < input.answers.size(); ++i) {
      if (i > 0) answers += ", ";
      answers += input.answers[i] ? "\"yes\"" : "\"no\"";
    }
    answers += ']';
  }
  if (input.review) out.field(name(Field::Review)) += reviewObject(*input.review);
  return out.finish();
}

bool isBlankLine(std::string_view line) { return line.find_first_not_of(" \t\r") == std::string_view::npos; }

}  // namespace glandwise

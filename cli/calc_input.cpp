#include "cli/calc_input.h"

#include <array>
#include <nlohmann/json.hpp>
#include <utility>

#include "model/cross_sections.h"

namespace glandwise::calc {
namespace {

using Json = nlohmann::json;

// The fields of an input object. Text fields come first, in the order of kTextFields.
enum class Field { SealId, Rod, Housing, Pressure, CrossSection, Gland, Edits, Answers, Count };

constexpr std::array<std::string_view, static_cast<std::size_t>(Field::Count)> kFieldNames{
    "seal_id", "rod", "housing", "pressure", "cross_section", "gland", "edits", "answers"};

// Where each text field's text goes.
const std::array<std::optional<std::string> GlandInput::*, 4> kTextFields{
    &GlandInput::sealInsideDia, &GlandInput::rodDia, &GlandInput::housingDia, &GlandInput::pressure};


constexpr std::array<std::string_view, 2> kGlandNames{"rod", "housing"};
constexpr std::array<GlandKind, 2> kGlandKinds{GlandKind::RodGroove, GlandKind::HousingGroove};

std::string quote(std::string_view text) { return "\"" + std::string(text) + "\""; }

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

// The parser's own description of a syntax error, without its error code prefix and its
// echo of the input (which may hold bytes that are not text).
std::string syntaxProblem(std::size_t position, const nlohmann::detail::exception& error) {
  std::string_view what = error.what();
  const std::size_t column = what.find("column ");
  const std::size_t start = column == std::string_view::npos ? column : what.find(": ", column);
  if (start != std::string_view::npos) what.remove_prefix(start + 2);
  what = what.substr(0, what.find("; last read"));
  return "not valid JSON at byte " + std::to_string(position) + ": " + std::string(what);
}

// Reads one input object from the parser's events, as they come: checks each field's name
// and JSON kind and stores what it holds. Stops at the first problem. Edits are kept by box
// name until the gland type, which chooses the editor, is known.
class InputReader final : public nlohmann::json_sax<Json> {
 public:
  bool null() override { return scalar("null"); }
  bool boolean(bool) override { return scalar("boolean"); }
  bool number_integer(number_integer_t) override { return scalar("number"); }
  bool number_unsigned(number_unsigned_t) override { return scalar("number"); }
  bool number_float(number_float_t, const string_t&) override { return scalar("number"); }
  bool binary(binary_t&) override { return scalar("binary"); }

  bool string(string_t& text) override {
    if (depth_ == 2) return field_ == Field::Edits ? editText(text) : answer(text);
    if (depth_ != 1) return notAnObject("string");
    if (field_ == Field::CrossSection) return crossSection(text);
    if (field_ == Field::Gland) return gland(text);
    if (field_ < Field::CrossSection) {
      input_.*kTextFields[static_cast<std::size_t>(field_)] = std::move(text);
      return true;
    }
    return wrongKind("string");
  }

  bool start_object(std::size_t) override {
    if (depth_ == 0) return enter();
    if (depth_ == 1 && field_ == Field::Edits) return enter();
    return scalar("object");
  }

  bool start_array(std::size_t) override {
    if (depth_ == 1 && field_ == Field::Answers) return enter();
    return scalar("array");
  }

  bool end_object() override { return leave(); }
  bool end_array() override { return leave(); }

  bool key(string_t& name) override { return depth_ == 1 ? fieldName(name) : editName(std::move(name)); }

  bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& error) override {
    return fail(syntaxProblem(position, error));
  }

  // The input read, or the first problem met; call once the parser has finished.
  ParsedInput finish(bool parsed) {
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

  bool notAnObject(std::string_view kind) { return fail("not a JSON object but " + std::string(kind)); }

  std::string fieldQuoted() const { return quote(kFieldNames[static_cast<std::size_t>(field_)]); }

  bool wrongKind(std::string_view kind) {
    const std::string_view wanted = field_ == Field::Edits ? "an object" : field_ == Field::Answers ? "an array" : "a string";
    return fail(fieldQuoted() + " must be " + std::string(wanted) + ", not " + std::string(kind));
  }

  // A value other than a string where the input object, an edit's text or an answer stands,
  // or an object or array where a field's value stands.
  bool scalar(std::string_view kind) {
    if (depth_ == 0) return notAnObject(kind);
    if (depth_ == 1) return wrongKind(kind);
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
    for (const auto& [box, text] : edits_)
      if (box == name) return fail(quote(name) + " given twice in \"edits\"");
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

  // Turns the edits' box names into boxes of the chosen gland type's editor.
  void resolveEdits() {
    if (edits_.empty()) return;
    if (!input_.glandType) {
      fail("\"edits\" needs \"gland\" to choose the editor");
      return;
    }
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

  GlandInput input_;                                        // what has been read so far
  std::string problem_;                                     // the first problem met
  int depth_ = 0;                                           // 1 inside the input object, 2 inside edits or answers
  Field field_ = Field::Count;                              // the field whose value comes next
  unsigned seenFields_ = 0;                                 // bit i set: field i has been given
  std::string pendingBox_;                                  // the edit whose text comes next
  std::vector<std::pair<std::string, std::string>> edits_;  // box name and text, in input order
};

}  // namespace

ParsedInput parseInputLine(std::string_view line) {
  InputReader reader;
  const bool parsed = Json::sax_parse(line, &reader);
  return reader.finish(parsed);
}

bool isBlankLine(std::string_view line) { return line.find_first_not_of(" \t\r") == std::string_view::npos; }

}  // namespace glandwise::calc

// Input lines worked through the screens into their output objects, one by one and in bulk.

#include <gtest/gtest.h>

#include <bit>
#include <limits>
#include <nlohmann/json.hpp>
#include <random>

#include "calc_output_lines.h"
#include "cli/calc_batch.h"
#include "model/as568.h"
#include "model/numbers.h"
#include "model/record.h"
#include "model/review_rules.h"

using namespace glandwise;
using Json = nlohmann::ordered_json;  // keeps the keys in the order written

namespace {

std::unique_ptr<calc::LineWriter> jsonLines() {
  return calc::makeLineWriter(calc::OutputFormat::JsonLines, calc::FieldSelection::all(true, true));
}

Json outputOf(const std::string& line, const calc::SessionOptions& options = {}) {
  const auto json = jsonLines();
  EXPECT_TRUE(calc::calculateLine(line, 1, *json, nullptr, options)) << line;
  return Json::parse(json->text());
}

std::vector<std::string> keys(const Json& object) {
  std::vector<std::string> names;
  for (const auto& [name, value] : object.items()) names.push_back(name);
  return names;
}

const std::string kRodGroove =
    R"({"cross_section": "0.139", "gland": "rod", "seal_id": "1.75", "housing": "2", "pressure": "1000")";

// Catches a session that skips a step of the screens (no standard gland, no analysis, no
// rounding for the sheet) or types into the box that the gland type disables, a record
// variable missing, misnamed or out of order, and captions that are not the sheet's.
TEST(Session, RodGrooveRunGivesTheRecordAndSheetOfTheScreens) {
  Json out = outputOf(kRodGroove + R"(, "rod": "5"})");
  EXPECT_EQ(keys(out), (std::vector<std::string>{"outcome", "line", "screen", "messages", "record", "sheet"}));
  std::vector<std::string> names;
  for (const FloatField& field : floatFields()) names.emplace_back(field.name);
  names.insert(names.end(), {"Answer", "GW", "GlandType", "ErrorText", "SelectedFile"});
  EXPECT_EQ(keys(out["record"]), names);
  const std::pair<const char*, float> figures[] = {{"PDM", 1.9955f}, {"GDM", 1.776f}, {"PCM", 18.31f}, {"PDF", 0.0f}};
  for (const auto& [name, value] : figures) EXPECT_EQ(out["record"][name].get<float>(), value) << name;
  EXPECT_EQ(out["record"]["GW"], "0.187 to 0.192");
  EXPECT_EQ(out["sheet"].size(), 34u);  // the value labels, without the date
  const std::pair<const char*, const char*> captions[] = {
      {"lblWV", "0.139 Inch   Tolerance =  +/-  0.004"}, {"lblEWMV", "0.1371 Inch"}, {"lblGCV", "Groove in Rod."},
      {"lblPDMV", "1.9955 Inch   Tolerance =  +/-  0.0005"}, {"lblPSMV", "1.49 %"}, {"lblF70MV", "32.5 Lbs"},
      {"lblEGMMinE", "0"}};
  for (const auto& [name, caption] : captions) EXPECT_EQ(out["sheet"][name], caption) << name;
}

// Catches an ending reported with the wrong outcome or screen, a message of the wrong kind,
// with a lost beep or text, answers not taken in turn, and a sheet where none opened.
TEST(Session, EndsWhereTheScreensStopWithEveryMessageInOrder) {
  // A line; its outcome and screen; its messages' kinds, r(efusal), q(uestion), n(otice), and
  // beeps; the last answer.
  const std::tuple<std::string, const char*, const char*, std::string, std::string, int> endings[] = {
      {R"({"cross_section": "0.070", "gland": "rod", "seal_id": "1.45", "housing": "1.5"})", "refused", "selection",
       "r", "0", 0},  // the seal does not fit: refused without a beep
      {kRodGroove + R"(, "edits": {"txtECC": "abc"}})", "refused", "editor", "r", "1", 0},
      {R"({"cross_section": "0.139", "gland": "rod", "seal_id": "1", "housing": "1.25", "edits": {"txtPDM": "1.24",)"
       R"( "txtGDM": "1.1"}, "answers": ["no", "yes"]})", "stayed", "editor", "qq", "11", kAnswerYes},
      {kRodGroove + R"(, "edits": {"txtPDM": "2.01"}})", "results", "results", "qnnn", "1000", kAnswerNo},
      {R"({"cross_section": "0.139", "edits": {"txtPDM": "1"}})", "refused", "selection", "r", "1", 0}};
  for (const auto& [line, outcome, screen, kinds, beeps, answer] : endings) {
    SCOPED_TRACE(line);
    Json out = outputOf(line);
    std::string shownKinds, shownBeeps;
    for (Json& message : out["messages"]) {
      shownKinds += message["kind"].get<std::string>()[0];
      shownBeeps += message["beep"].get<bool>() ? '1' : '0';
      EXPECT_NE(message["text"], "");
    }
    EXPECT_EQ(std::tie(out["outcome"], out["screen"], shownKinds, shownBeeps, out["record"]["Answer"]),
              std::tie(outcome, screen, kinds, beeps, answer));
    EXPECT_EQ(out["record"]["ErrorText"], kinds == "r" ? out["messages"][0]["text"] : Json(""));
    EXPECT_EQ(out.contains("sheet"), out["outcome"] == "results");
  }
}

// Catches an editor box that the session reads back, without its text, to another float
// (or status) than its text does: at the edges of the float range and the seven digits'
// rounding, and for a spread of floats of every magnitude.
TEST(Session, UntouchedEditorBoxesReadBackAsTheirTexts) {
  std::vector<float> values{0.0f, -0.0f, 1e-45f, 1e-38f, 9.9999995e-5f, 0.00099999994f, 0.1f, 9999999.5f, 1e7f,
                            3.4028235e38f, 3.4028225e38f, std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN()};
  std::minstd_rand random(3);
  for (int i = 0; i < 200000; ++i) values.push_back(std::bit_cast<float>(static_cast<std::uint32_t>(random() * 2u)));
  for (const float value : values) {
    const ParsedNumber typed = parseNumber(NumberText(value)), untouched = parseNumberText(value);
    EXPECT_EQ(untouched.status, typed.status) << value;
    EXPECT_EQ(std::bit_cast<std::uint32_t>(untouched.value), std::bit_cast<std::uint32_t>(typed.value)) << value;
  }
}

// Catches an AS568 size that does not choose its option and type its seal, one off the five
// cross-sections not refused, an unknown size cut inside a character (the output line is no
// longer UTF-8), the review missing where asked for (by the line or for every line) or
// present where not, without the rules it used, with figures of a check not evaluated, or
// made of inputs the rules do not know.
TEST(Session, As568SizesAndTheReview) {
  const As568Load table = As568Table::load(GLANDWISE_AS568_TABLE);
  const RuleLoad rules = RuleSet::load(GLANDWISE_REVIEW_RULES);
  ASSERT_TRUE(table.table && rules.rules) << table.error << rules.error;
  calc::SessionOptions options;
  options.as568 = &*table.table;
  options.rules = &*rules.rules;
  const std::string line = R"({"as568": "2-214", "gland": "rod", "housing": "1.25", "pressure": "600")";
  Json out = outputOf(line + R"(, "review": {"hardness": 90}})", options);
  EXPECT_EQ(out["record"]["W"].get<float>(), 0.139f);
  EXPECT_EQ(out["record"]["ID"].get<float>(), 0.984f);
  EXPECT_EQ(keys(out["review"]), (std::vector<std::string>{"overall", "headline", "rules", "as568", "fill", "squeeze",
                                                            "extrusion", "stretch", "temperature", "swell",
                                                            "statistics"}));
  EXPECT_EQ(out["review"]["rules"]["file"], GLANDWISE_REVIEW_RULES);
  EXPECT_TRUE(out["review"]["temperature"]["cold_squeeze_percent"].is_null());  // not evaluated
  const auto errors = jsonLines();
  EXPECT_FALSE(calc::calculateLine(line + R"(, "review": {"compound": "unobtainium"}})", 1, *errors, nullptr, options));
  EXPECT_EQ(Json::parse(errors->text())["message"],
            R"(line 1: "compound" in "review" "unobtainium" is not a compound of the rule set Glandwise defaults)"
            " (public tables)");
  EXPECT_EQ(out["review"]["as568"], "-214");
  EXPECT_EQ(out["review"]["extrusion"]["limit"], 0.024);  // 90 Shore A, 500 to 1000 psi
  EXPECT_EQ(out["review"]["statistics"]["monte_carlo"]["histogram"].size(), 40u);
  EXPECT_FALSE(outputOf(line + "}", options).contains("review"));
  options.review = true;
  EXPECT_EQ(outputOf(line + "}", options)["review"]["extrusion"]["limit"], 0.01);  // 70 Shore A
  out = outputOf(R"({"as568": "-001", "gland": "rod", "housing": "1"})", options);
  EXPECT_EQ(out["outcome"], "refused");
  EXPECT_EQ(out["messages"][0]["text"],
            "AS568 size -001 has a cross-section of 0.04 inch, not one of the five standard cross-sections.");
  // A long size that is not in the table is shown cut between characters: the line stays UTF-8.
  out = outputOf(R"({"as568": "aééééééééééé", "gland": "rod"})", options);
  EXPECT_EQ(out["messages"][0]["text"], "\"aééééééééé\" is not an AS568 size of the table.");
}

// Catches output out of input order, line numbers that skip blank lines or restart at the
// next block of lines, errors not counted, and threads that lose, repeat or mix up lines.
TEST(Batch, GivesTheObjectOfEachLineInInputOrderOnTwoThreads) {
  const std::string lines[] = {kRodGroove + "}",
                               R"({"cross_section": "0.070", "gland": "housing", "seal_id": "0.5", "rod": "0.5"})",
                               "{}", "{not json", " \t\r", ""};  // the last two are blank
  std::minstd_rand random(11);
  std::string input;
  const auto expected = jsonLines();  // each line's object, worked alone
  std::size_t errors = 0, processed = 0;
  for (std::size_t line = 1; line <= 2400; ++line) {  // mostly blank, to span more than one block
    const std::size_t kind = random() % 8 ? 4 + line % 2 : random() % 6;
    input += lines[kind] + "\n";
    if (kind < 4) ++(calc::calculateLine(lines[kind], line, *expected) ? processed : errors);
  }
  for (const unsigned threads : {1u, 2u}) {
    std::istringstream in(input);
    std::ostringstream out;
    calc::BatchOptions options;
    options.threads = threads;
    const calc::BatchSummary summary = calc_test::runBatchOrStop(in, out, options);
    EXPECT_EQ(out.str(), expected->text()) << threads << " threads";
    EXPECT_EQ(std::tie(summary.processedLines, summary.errorLines), std::tie(processed, errors));
  }
}

}  // namespace

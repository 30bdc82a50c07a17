// Reading one input line: the problems of unusable lines, and what a usable line asks for.

#include <gtest/gtest.h>

#include "model/gland_input.h"

using namespace glandwise;

// Catches a problem that goes unnoticed (the line would run with a guessed meaning; a stray
// or missing comma or trailing text taken for plain JSON), a problem reported under the
// wrong name, a later problem reported before the first, the parser's own words or a whole
// hostile line repeated in a message, a syntax error's column counted in bytes rather than
// characters, and what follows a NUL byte ignored.
TEST(InputLine, NamesTheFirstProblemOfAnUnusableLine) {
  using namespace std::literals;
  const std::pair<std::string_view, const char*> cases[] = {
      {R"({"gland": "rod")", "not valid JSON at column 16: the line ends where ',' or '}' should come"},
      {"[1, 2]", "not a JSON object but array"},
      {R"({"answers": ["yes",]})", "not valid JSON at column 20: ']' where a value should come"},
      {R"({"seal_id": "é",})", "not valid JSON at column 17: '}' where a field name in double quotes should come"},
      {R"({"answers": ["yes" "no"]})", "not valid JSON at column 23: a string where ',' or ']' should come"},
      {R"({"gland": "rod"} x)", "not valid JSON at column 18: more than blanks after the object"},
      {R"({gland: "rod"})", "not valid JSON at column 2: a field name without its double quotes"},
      {R"({"gland": "rod)", "not valid JSON at column 15: a string without its closing quote"},
      {R"({"sealid": "1", "gland": 5})", R"(unknown field "sealid")"},
      {R"({"gland": "rod", "gland": "housing"})", R"(field "gland" given twice)"},
      {R"({"seal_id": 1.75, "sealid": "1"})", R"("seal_id" must be a string, not number)"},
      {R"({"cross_section": "0.07"})", R"(unknown cross_section "0.07"; expected "0.070", "0.103", )"},
      {R"({"gland": "rod", "edits": {"txtBDF": "1"}})", R"("txtBDF" in "edits" is not a box of the rod-groove)"},
      {R"({"answers": ["no", "maybe", 1]})", R"(answer 2 must be "yes" or "no")"},
      {R"({"seal_id": 1e999})", R"("seal_id" must be a string, not number)"},
      {"{\"cross_section\":\"0.139\"}\0,\"unknownfield\":5}"sv, "not valid JSON at column 26: a NUL byte"},
      {R"({"as568": "214", "seal_id": "1"})", R"("as568" stands in for "cross_section" and "seal_id")"},
      {R"({"review": {"hardness": 75.5}})", R"("hardness" in "review" must be a whole number)"},
      {R"({"review": {"compound": "custom", "metal": "Lead!"}})", R"("metal" in "review" "Lead!" is not a material)"},
      {R"({"review": {"metal": "brass", "metal_mating": "brass"}})", R"("metal" in "review" sets both metals)"},
      {R"({"review": {"metal_groove": "custom"}})", R"("review" needs "alpha_groove_per_f" with metal_groove)"},
      {R"({"review": {"temp_min_f": -20}})", R"("review" needs both "temp_min_f" and "temp_max_f")"},
      {R"({"review": {"groove_width": [0.2, 0.1]}})", R"("groove_width" in "review" must be two numbers)"},
      {R"({"review": {"compound": "custom"}})", R"("review" needs "alpha_seal_per_f" with compound "custom")"},
      {R"({"review": {"squeeze_limits_percent": [30, 10]}})", R"("squeeze_limits_percent" in "review" must be)"},
      {R"({"review": {"swell_percent": 1e999}})", R"("swell_percent" in "review" is out of range)"}};
  for (const auto& [line, problem] : cases) {
    const std::string found = parseInputLine(line).problem;
    EXPECT_TRUE(found.starts_with(problem)) << line << " gives " << found;
    for (const char* parserWords : {"json.exception", "syntax error", "literal", "unexpected"})
      EXPECT_EQ(found.find(parserWords), std::string::npos) << found;
  }
  const std::string longName(100000, 'k');
  EXPECT_LT(parseInputLine(R"({")" + longName + R"(": 1})").problem.size(), 100u);
  // Many edits: a duplicate is found after them all, and an unknown box is still named.
  std::string edits;
  for (int i = 0; i < 20000; ++i) edits += R"("box)" + std::to_string(i) + R"(": "1", )";
  EXPECT_EQ(parseInputLine(R"({"edits": {)" + edits + R"("box7": "1"}})").problem, R"("box7" given twice in "edits")");
  EXPECT_TRUE(parseInputLine(R"({"gland": "rod", "edits": {)" + edits + R"("txtID": "1"}})")
                  .problem.starts_with(R"("box0" in "edits" is not a box)"));
}

// Catches a field stored in the wrong place, texts trimmed or converted, edits mapped to the
// other editor's boxes or reordered, answers lost or inverted, and empty edits refused.
TEST(InputLine, ReadsEveryFieldOfAUsableLine) {
  const ParsedInput parsed = parseInputLine(
      R"({"cross_section": "0.210", "gland": "housing", "seal_id": " 1.75 ", "rod": "abc", "housing": "",)"
      R"( "pressure": "1e3", "edits": {"txtGDF": "0.61", "txtID": "0.49"}, "answers": ["no", "yes"]})");
  ASSERT_EQ(parsed.problem, "");
  const GlandInput& input = parsed.input;
  EXPECT_EQ(input.crossSection, 3);
  EXPECT_EQ(input.glandType, GlandKind::HousingGroove);
  EXPECT_EQ(std::tie(input.sealInsideDia, input.rodDia, input.housingDia, input.pressure),
            std::make_tuple(" 1.75 ", "abc", "", "1e3"));
  ASSERT_EQ(input.edits.size(), 2u);
  EXPECT_EQ(std::tie(input.edits[0].box, input.edits[0].text), std::make_tuple(EditorBox::GD, "0.61"));
  EXPECT_EQ(std::tie(input.edits[1].box, input.edits[1].text), std::make_tuple(EditorBox::ID, "0.49"));
  EXPECT_EQ(input.answers, (std::vector<bool>{false, true}));
  EXPECT_EQ(parseInputLine(R"({"edits": {}, "answers": []})").problem, "");
  // Edits without a gland type are left to the selection screen, which refuses its OK.
  EXPECT_EQ(parseInputLine(R"({"edits": {"txtID": "1"}})").problem, "");
  const ParsedInput review = parseInputLine(
      R"({"as568": "-214", "review": {"hardness": 90, "seal_id_tolerance": 0.01, "temp_min_f": -20, "temp_max_f": 200,)"
      R"( "compound": "fkm", "metal": "custom", "alpha_metal_per_f": 1e-5, "swell_percent": 12,)"
      R"( "groove_radius": 0.02, "groove_width": [0.19, 0.2], "squeeze_limits_percent": [12, 28]}})");
  ASSERT_EQ(review.problem, "");
  ASSERT_TRUE(review.input.review);
  const ReviewInputs& r = *review.input.review;
  EXPECT_EQ(review.input.as568, "-214");
  EXPECT_EQ(std::tie(r.hardness, r.sealIdTolerance, r.tempMinF, r.tempMaxF, r.compound),
            std::make_tuple(90, std::optional<float>(0.01f), -20.0, 200.0, "fkm"));
  EXPECT_EQ(std::tie(r.metalGroove, r.metalMating, r.alphaGroovePerF, r.alphaMatingPerF),
            std::make_tuple("custom", "custom", 1e-5, 1e-5));  // "metal" sets both parts'
  EXPECT_EQ(std::tie(r.swellPercent, r.grooveRadius, r.grooveWidth, r.squeezeLimits),
            std::make_tuple(12.0, 0.02, std::array<double, 2>{0.19, 0.2}, std::array<double, 2>{12, 28}));
}

// Catches a saved gland that reads back as another one: a field left out or misnamed, a
// text not escaped, edits named after the other editor's boxes, a review figure or a custom
// coefficient lost, a float tolerance spelled so that it reads back to another float, and a
// figure read from a box spelled with the digits of its widening to a double.
TEST(InputLine, WritesALineThatReadsBackToTheSameInput) {
  GlandInput input;
  input.crossSection = 2;
  input.glandType = GlandKind::HousingGroove;
  input.sealInsideDia = "1.5 \"x\" \\ \u00f8";
  input.rodDia = "";
  input.pressure = "1500";
  input.edits = {{EditorBox::GD, "0.61"}, {EditorBox::ECC, ".002"}};
  input.answers = {true, false};
  ReviewInputs review;
  review.sealIdTolerance = 0.013f;
  review.compound = "custom";
  review.alphaSealPerF = 8.5e-5;
  review.metalMating = "aluminium";
  review.squeezeLimits = {12.5, 30};
  review.grooveRadius = 0.01f;  // as the review form reads its box
  review.rulesFile = "/rules/acme \"2\".csv";
  input.review = review;
  const std::string line = inputLine(input);
  EXPECT_EQ(line,
            R"({"cross_section": "0.139", "gland": "housing", "seal_id": "1.5 \"x\" \\ )"
            "\u00f8"
            R"(", "rod": "", "pressure": "1500", "edits": {"txtGDF": "0.61", "txtECC": ".002"},)"
            R"( "answers": ["yes", "no"], "review": {"hardness": 70, "seal_id_tolerance": 0.013,)"
            R"( "compound": "custom", "alpha_seal_per_f": 8.5e-05, "metal_groove": "carbon_steel",)"
            R"( "metal_mating": "aluminium", "groove_radius": 0.01, "squeeze_limits_percent": [12.5, 30],)"
            R"( "rules": "/rules/acme \"2\".csv"}})");
  const ParsedInput read = parseInputLine(line);
  ASSERT_EQ(read.problem, "");
  EXPECT_EQ(inputLine(read.input), line);
  EXPECT_EQ(read.input.review->sealIdTolerance, 0.013f);
  GlandInput size;
  size.as568 = "-214";
  EXPECT_EQ(inputLine(size), R"({"as568": "-214"})");
}

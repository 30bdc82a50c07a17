// Reading one input line: the problems of unusable lines, and what a usable line asks for.

#include <gtest/gtest.h>

#include "cli/calc_input.h"

using namespace glandwise;

// Catches a problem that goes unnoticed (the line would run with a guessed meaning), a
// problem reported under the wrong name, and a later problem reported before the first.
TEST(InputLine, NamesTheFirstProblemOfAnUnusableLine) {
  const std::pair<const char*, const char*> cases[] = {
      {R"({"gland": "rod")", "not valid JSON at byte 16: "}, {"[1, 2]", "not a JSON object but array"},
      {R"({"sealid": "1", "gland": 5})", R"(unknown field "sealid")"},
      {R"({"gland": "rod", "gland": "housing"})", R"(field "gland" given twice)"},
      {R"({"seal_id": 1.75, "sealid": "1"})", R"("seal_id" must be a string, not number)"},
      {R"({"cross_section": "0.07"})", R"(unknown cross_section "0.07"; expected "0.070", "0.103", )"},
      {R"({"gland": "rod", "edits": {"txtBDF": "1"}})", R"("txtBDF" in "edits" is not a box of the rod-groove)"},
      {R"({"edits": {"txtID": "1"}})", R"("edits" needs "gland" to choose the editor)"},
      {R"({"answers": ["no", "maybe", 1]})", R"(answer 2 must be "yes" or "no")"}};
  for (const auto& [line, problem] : cases) {
    const std::string found = calc::parseInputLine(line).problem;
    EXPECT_TRUE(found.starts_with(problem)) << line << " gives " << found;
  }
}

// Catches a field stored in the wrong place, texts trimmed or converted, edits mapped to the
// other editor's boxes or reordered, answers lost or inverted, and empty edits refused.
TEST(InputLine, ReadsEveryFieldOfAUsableLine) {
  const calc::ParsedInput parsed = calc::parseInputLine(
      R"({"cross_section": "0.210", "gland": "housing", "seal_id": " 1.75 ", "rod": "abc", "housing": "",)"
      R"( "pressure": "1e3", "edits": {"txtGDF": "0.61", "txtID": "0.49"}, "answers": ["no", "yes"]})");
  ASSERT_EQ(parsed.problem, "");
  const calc::GlandInput& input = parsed.input;
  EXPECT_EQ(input.crossSection, 3);
  EXPECT_EQ(input.glandType, GlandKind::HousingGroove);
  EXPECT_EQ(std::tie(input.sealInsideDia, input.rodDia, input.housingDia, input.pressure),
            std::make_tuple(" 1.75 ", "abc", "", "1e3"));
  ASSERT_EQ(input.edits.size(), 2u);
  EXPECT_EQ(std::tie(input.edits[0].box, input.edits[0].text), std::make_tuple(EditorBox::GD, "0.61"));
  EXPECT_EQ(std::tie(input.edits[1].box, input.edits[1].text), std::make_tuple(EditorBox::ID, "0.49"));
  EXPECT_EQ(input.answers, (std::vector<bool>{false, true}));
  EXPECT_EQ(calc::parseInputLine(R"({"edits": {}, "answers": []})").problem, "");
}

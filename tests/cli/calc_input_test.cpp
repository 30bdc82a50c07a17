#include <gtest/gtest.h>

#include "cli/calc_input.h"

using namespace glandwise;
using namespace glandwise::calc;

namespace {

struct ProblemCase {
  const char* line;
  const char* problem;
};

class UnusableLines : public testing::TestWithParam<ProblemCase> {};

TEST_P(UnusableLines, NameTheirProblem) {
  EXPECT_EQ(parseInputLine(GetParam().line).problem, GetParam().problem) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(NotAnObject, UnusableLines,
                         testing::Values(ProblemCase{"[1, 2]", "not a JSON object but array"},
                                         ProblemCase{"42", "not a JSON object but number"},
                                         ProblemCase{R"("rod")", "not a JSON object but string"},
                                         ProblemCase{"null", "not a JSON object but null"},
                                         ProblemCase{"true", "not a JSON object but boolean"}));

INSTANTIATE_TEST_SUITE_P(
    Fields, UnusableLines,
    testing::Values(ProblemCase{R"({"sealid": "1"})", R"(unknown field "sealid")"},
                    ProblemCase{R"({"gland": "rod", "gland": "housing"})", R"(field "gland" given twice)"},
                    ProblemCase{R"({"seal_id": 1.75})", R"("seal_id" must be a string, not number)"},
                    ProblemCase{R"({"rod": null})", R"("rod" must be a string, not null)"},
                    ProblemCase{R"({"housing": ["2"]})", R"("housing" must be a string, not array)"},
                    ProblemCase{R"({"pressure": {}})", R"("pressure" must be a string, not object)"},
                    ProblemCase{R"({"gland": true})", R"("gland" must be a string, not boolean)"},
                    ProblemCase{R"({"cross_section": 0.139})", R"("cross_section" must be a string, not number)"},
                    ProblemCase{R"({"edits": ["txtID"]})", R"("edits" must be an object, not array)"},
                    ProblemCase{R"({"answers": "yes"})", R"("answers" must be an array, not string)"}));

INSTANTIATE_TEST_SUITE_P(
    Values, UnusableLines,
    testing::Values(
        ProblemCase{R"({"cross_section": "0.07"})",
                    R"(unknown cross_section "0.07"; expected "0.070", "0.103", "0.139", "0.210" or "0.275")"},
        ProblemCase{R"({"gland": "PLUG"})", R"(unknown gland "PLUG"; expected "rod" or "housing")"},
        ProblemCase{R"({"answers": ["no", "maybe"]})", R"(answer 2 must be "yes" or "no")"},
        ProblemCase{R"({"answers": ["no", true]})", R"(answer 2 must be "yes" or "no")"},
        ProblemCase{R"({"answers": [["yes"]]})", R"(answer 1 must be "yes" or "no")"},
        ProblemCase{R"({"edits": {"txtID": "1"}})", R"("edits" needs "gland" to choose the editor)"},
        ProblemCase{R"({"gland": "rod", "edits": {"txtGDM": 1.1}})", R"("txtGDM" in "edits" must be a string, not number)"},
        ProblemCase{R"({"gland": "rod", "edits": {"txtGDM": "1", "txtGDM": "2"}})", R"("txtGDM" given twice in "edits")"},
        ProblemCase{R"({"gland": "rod", "edits": {"txtBDF": "1"}})",
                    R"("txtBDF" in "edits" is not a box of the rod-groove editor; expected "txtID", "txtPDM", )"
                    R"("txtPDTM", "txtBDM", "txtBDTM", "txtGDM", "txtGDTM", "txtPR" or "txtECC")"},
        ProblemCase{R"({"edits": {"txtGDM": "1"}, "gland": "housing"})",
                    R"("txtGDM" in "edits" is not a box of the housing-groove editor; expected "txtID", "txtPDF", )"
                    R"("txtPDTF", "txtBDF", "txtBDTF", "txtGDF", "txtGDTF", "txtPR" or "txtECC")"}));

struct SyntaxCase {
  std::string line;
  const char* where;  // the start of the problem, which goes on with the parser's own words
};

class SyntaxErrors : public testing::TestWithParam<SyntaxCase> {};

TEST_P(SyntaxErrors, SayWhereTheTextStopsBeingJson) {
  EXPECT_TRUE(parseInputLine(GetParam().line).problem.starts_with(GetParam().where))
      << parseInputLine(GetParam().line).problem;
}

INSTANTIATE_TEST_SUITE_P(Examples, SyntaxErrors,
                         testing::Values(SyntaxCase{"", "not valid JSON at byte 1: "},
                                         SyntaxCase{R"({"gland": "rod")", "not valid JSON at byte 16: "},
                                         SyntaxCase{R"({"gland": "rod"} {})", "not valid JSON at byte 18: "},
                                         SyntaxCase{R"({'gland': 'rod'})", "not valid JSON at byte 2: "},
                                         SyntaxCase{"{\"gland\": \"r\xff" "d\"}", "not valid JSON at byte 13: "}));

TEST(SyntaxErrors, DoNotEchoTheBrokenText) {
  EXPECT_EQ(parseInputLine("{\"gland\": \"r\xff" "d\"}").problem.find('\xff'), std::string::npos);
}

struct CrossSectionCase {
  const char* name;
  int index;  // into kCrossSections
};

class CrossSectionNames : public testing::TestWithParam<CrossSectionCase> {};

TEST_P(CrossSectionNames, ChooseTheirOption) {
  const ParsedInput parsed =
      parseInputLine(std::string(R"({"cross_section": ")") + GetParam().name + R"("})");
  ASSERT_EQ(parsed.problem, "");
  EXPECT_EQ(parsed.input.crossSection, GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(AllFive, CrossSectionNames,
                         testing::Values(CrossSectionCase{"0.070", 0}, CrossSectionCase{"0.103", 1},
                                         CrossSectionCase{"0.139", 2}, CrossSectionCase{"0.210", 3},
                                         CrossSectionCase{"0.275", 4}));

TEST(InputLine, EmptyObjectLeavesTheScreenUntouched) {
  const ParsedInput parsed = parseInputLine("{}");
  ASSERT_EQ(parsed.problem, "");
  EXPECT_FALSE(parsed.input.crossSection);
  EXPECT_FALSE(parsed.input.glandType);
  EXPECT_FALSE(parsed.input.sealInsideDia);
  EXPECT_FALSE(parsed.input.rodDia);
  EXPECT_FALSE(parsed.input.housingDia);
  EXPECT_FALSE(parsed.input.pressure);
  EXPECT_TRUE(parsed.input.edits.empty());
  EXPECT_TRUE(parsed.input.answers.empty());
}

TEST(InputLine, KeepsTypedTextsAsTheyAre) {
  const ParsedInput parsed =
      parseInputLine(R"({"seal_id": " 1.75 ", "rod": "abc", "housing": "", "pressure": "1e3", "gland": "housing"})");
  ASSERT_EQ(parsed.problem, "");
  EXPECT_EQ(parsed.input.glandType, GlandKind::HousingGroove);
  EXPECT_EQ(parsed.input.sealInsideDia, " 1.75 ");
  EXPECT_EQ(parsed.input.rodDia, "abc");
  EXPECT_EQ(parsed.input.housingDia, "");
  EXPECT_EQ(parsed.input.pressure, "1e3");
}

TEST(InputLine, MapsEditsToTheChosenEditorsBoxes) {
  const ParsedInput parsed =
      parseInputLine(R"({"edits": {"txtGDF": "0.61", "txtECC": "0", "txtID": "0.49"}, "gland": "housing"})");
  ASSERT_EQ(parsed.problem, "");
  ASSERT_EQ(parsed.input.edits.size(), 3u);
  EXPECT_EQ(parsed.input.edits[0].box, EditorBox::GD);
  EXPECT_EQ(parsed.input.edits[0].text, "0.61");
  EXPECT_EQ(parsed.input.edits[1].box, EditorBox::ECC);
  EXPECT_EQ(parsed.input.edits[2].box, EditorBox::ID);
}

TEST(InputLine, KeepsTheAnswersInOrder) {
  const ParsedInput parsed = parseInputLine(R"({"answers": ["no", "yes", "no"]})");
  ASSERT_EQ(parsed.problem, "");
  EXPECT_EQ(parsed.input.answers, (std::vector<bool>{false, true, false}));
}

TEST(InputLine, AcceptsAnEmptyEditsObjectWithoutAGlandType) {
  EXPECT_EQ(parseInputLine(R"({"edits": {}, "answers": []})").problem, "");
}

struct BlankCase {
  const char* line;
  bool blank;
};

class BlankLines : public testing::TestWithParam<BlankCase> {};

TEST_P(BlankLines, AreThoseOfBlanksTabsAndCarriageReturns) {
  EXPECT_EQ(isBlankLine(GetParam().line), GetParam().blank) << '"' << GetParam().line << '"';
}

INSTANTIATE_TEST_SUITE_P(Examples, BlankLines,
                         testing::Values(BlankCase{"", true}, BlankCase{"   ", true}, BlankCase{"\t \r", true},
                                         BlankCase{"{}", false}, BlankCase{" x ", false}, BlankCase{"\f", false}));

}  // namespace

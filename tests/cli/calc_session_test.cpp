#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "cli/calc_input.h"
#include "cli/calc_session.h"
#include "model/record.h"

using namespace glandwise;
using namespace glandwise::calc;

namespace {

// Works one input line through the screens; the line must be usable.
SessionResult session(const std::string& line) {
  const ParsedInput parsed = parseInputLine(line);
  EXPECT_EQ(parsed.problem, "") << line;
  return runSession(parsed.input);
}

std::string caption(const SessionResult& result, const std::string& objectName) {
  const auto found = std::find_if(result.sheet.begin(), result.sheet.end(),
                                  [&](const SheetLabel& label) { return label.objectName == objectName; });
  return found == result.sheet.end() ? "<no " + objectName + ">" : found->caption;
}

// A question box as shown: statement, two line feeds, question.
std::string question(const std::string& statement, const std::string& ask) { return statement + "\n\n" + ask; }

constexpr const char* kRodGrooveExample =
    R"({"cross_section": "0.139", "gland": "rod", "seal_id": "1.75", "housing": "2", "pressure": "1000")";
constexpr const char* kHousingGrooveExample =
    R"({"cross_section": "0.070", "gland": "housing", "seal_id": "0.5", "rod": "0.5")";

// A rod-groove gland that stretches its seal by 10 % and squeezes it by 42.6 %.
constexpr const char* kStretchedRodGroove =
    R"({"cross_section": "0.139", "gland": "rod", "seal_id": "1.0", "housing": "1.25",)"
    R"( "edits": {"txtPDM": "1.24", "txtGDM": "1.1"})";

const std::string kStretchQuestion =
    question("      Caution ! Stretch  is  10 %   >  5 %.", "          Do you want to edit dimensions ?");
const std::string kSqueezeQuestion =
    question("      Percent  compression  is  42.6 %  >  30 %", "           Do you want to edit dimensions ?");

struct RefusalCase {
  std::string line;
  SessionMessage refusal;
  Screen screen;
};

class Refusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, EndTheSessionWithTheirMessage) {
  SCOPED_TRACE(GetParam().line);
  const SessionResult result = session(GetParam().line);
  EXPECT_EQ(result.outcome, SessionOutcome::Refused);
  EXPECT_EQ(result.screen, GetParam().screen);
  ASSERT_EQ(result.messages.size(), 1u);
  EXPECT_EQ(result.messages[0].kind, MessageKind::Refusal);
  EXPECT_EQ(result.messages[0].text, GetParam().refusal.text);
  EXPECT_EQ(result.messages[0].beep, GetParam().refusal.beep);
  EXPECT_EQ(result.record.ErrorText, GetParam().refusal.text);
  EXPECT_TRUE(result.sheet.empty());
}

SessionMessage refusal(const char* text, bool beep = true) { return {MessageKind::Refusal, text, beep}; }

// The texts themselves are the core's and are tested there; here each kind of refusal
// must end the session on its screen with its message and beep.
INSTANTIATE_TEST_SUITE_P(
    SelectionScreen, Refusals,
    testing::Values(
        RefusalCase{"{}", refusal("Select cross-section diameter."), Screen::Selection},
        RefusalCase{R"({"cross_section": "0.139", "gland": "rod", "seal_id": "1", "housing": "2", "pressure": "1,5"})",
                    refusal("Enter numeric values only."), Screen::Selection},
        // 1.45 + 0.07 = 1.52 exceeds the generated rod diameter 1.5 - 0.0035, shown to 3 decimals.
        RefusalCase{R"({"cross_section": "0.070", "gland": "rod", "seal_id": "1.45", "housing": "1.5"})",
                    refusal("Calculation shows seal nominal diameter  1.52  > 1.497  rod  diameter.", false),
                    Screen::Selection}));

INSTANTIATE_TEST_SUITE_P(
    Editors, Refusals,
    testing::Values(
        RefusalCase{std::string(kRodGrooveExample) + R"(, "edits": {"txtECC": "abc"}})",
                    refusal("Enter numeric values only."), Screen::Editor},
        RefusalCase{std::string(kHousingGrooveExample) + R"(, "edits": {"txtID": "0.51", "txtPR": "0"}})",
                    refusal("   Calculation shows seal inside diameter  0.51  > 0.5  rod  diameter ", false),
                    Screen::Editor},
        RefusalCase{std::string(kHousingGrooveExample) + R"(, "edits": {"txtGDF": "0.5035"}})",
                    refusal("Groove diameter should be > Bore diameter."), Screen::Editor}));

TEST(Session, RodGrooveExampleGeneratesTheStandardGland) {
  const SessionResult result = session(std::string(kRodGrooveExample) + "}");
  EXPECT_EQ(result.outcome, SessionOutcome::Results);
  EXPECT_EQ(result.screen, Screen::Results);
  EXPECT_TRUE(result.messages.empty());
  EXPECT_EQ(result.record.PDM, 1.9955f);
  EXPECT_EQ(result.record.GDM, 1.776f);
  EXPECT_EQ(result.record.BDTM, 0.001f);
  EXPECT_EQ(result.record.PDTM, 0.0005f);
  EXPECT_EQ(result.record.WT, 0.004f);
  EXPECT_EQ(result.record.ECC, 0.003f);
  EXPECT_EQ(result.record.GW, "0.187 to 0.192");
  EXPECT_EQ(result.record.GlandType, "PLUG");
}

TEST(Session, HousingGrooveExampleGeneratesTheStandardGland) {
  const SessionResult result = session(std::string(kHousingGrooveExample) + "}");
  EXPECT_EQ(result.outcome, SessionOutcome::Results);
  EXPECT_EQ(result.record.BDF, 0.5035f);
  EXPECT_EQ(result.record.GDF, 0.602f);
  EXPECT_EQ(result.record.PDTF, 0.001f);
  EXPECT_EQ(result.record.BDTF, 0.0005f);
  EXPECT_EQ(result.record.GW, "0.093 to  0.098");
  EXPECT_EQ(result.record.GlandType, "THROAT");
}

// Stretch 1.49 %, effective cross-section 0.1371 after rounding, gland height 0.112, squeeze
// 18.31 %, friction from fh(1000) = 37.2 over the annulus between 2 and 1.776.
TEST(Session, RodGrooveSheetShowsTheAnalysis) {
  const SessionResult result = session(std::string(kRodGrooveExample) + "}");
  EXPECT_EQ(result.sheet.size(), 34u);
  EXPECT_EQ(caption(result, "lblWV"), "0.139 Inch   Tolerance =  +/-  0.004");
  EXPECT_EQ(caption(result, "lblEWMV"), "0.1371 Inch");
  EXPECT_EQ(caption(result, "lblGCV"), "Groove in Rod.");
  EXPECT_EQ(caption(result, "lblIDV"), "1.75 Inch");
  EXPECT_EQ(caption(result, "lblPDMV"), "1.9955 Inch   Tolerance =  +/-  0.0005");
  EXPECT_EQ(caption(result, "lblBDMV"), "2 Inch   Tolerance =  +/-  0.001");
  EXPECT_EQ(caption(result, "lblGDMV"), "1.776 Inch   Tolerance = +/-  0.001");
  EXPECT_EQ(caption(result, "lblGWV"), "0.187 to 0.192 Inch  (With No Back up Rings)");
  EXPECT_EQ(caption(result, "lblPRV"), "1000 PSI");
  EXPECT_EQ(caption(result, "lblPSMV"), "1.49 %");
  EXPECT_EQ(caption(result, "lblF70MV"), "32.5 Lbs");
  EXPECT_EQ(caption(result, "lblGHM"), "0.112");
  EXPECT_EQ(caption(result, "lblCM"), "0.0251");
  EXPECT_EQ(caption(result, "lblPCM"), "18.31");
  EXPECT_EQ(caption(result, "lblEGM"), "0.00225");
  EXPECT_EQ(caption(result, "lblEGMMinE"), "0");
  EXPECT_EQ(caption(result, "lblDate"), "<no lblDate>");
}

// Zero stretch takes the stretched path on a housing groove: 0.07 less 0.01 % is 0.06999
// after rounding; gland height (0.602 - 0.5) / 2.
TEST(Session, HousingGrooveSheetShowsTheAnalysis) {
  const SessionResult result = session(std::string(kHousingGrooveExample) + "}");
  EXPECT_EQ(caption(result, "lblGCV"), "Groove in Housing.");
  EXPECT_EQ(caption(result, "lblEWFV"), "0.06999 Inch");
  EXPECT_EQ(caption(result, "lblPSFV"), "0 %");
  EXPECT_EQ(caption(result, "lblBDFV"), "0.5035 Inch   Tolerance =  +/-  0.0005");
  EXPECT_EQ(caption(result, "lblGDFV"), "0.602 Inch   Tolerance = +/-  0.001");
  EXPECT_EQ(caption(result, "lblGWV"), "0.093 to  0.098 Inch  (With No Back up Rings)");
  EXPECT_EQ(caption(result, "lblPRV"), "1 PSI");
  EXPECT_EQ(caption(result, "lblGHF"), "0.051");
  EXPECT_EQ(caption(result, "lblCF"), "0.01899");
  EXPECT_EQ(caption(result, "lblPCF"), "27.14");
  EXPECT_EQ(caption(result, "lblEGF"), "0.00175");
}

TEST(Session, IgnoresTextForTheBoxThatTheGlandTypeDisables) {
  const SessionResult rod = session(R"({"cross_section": "0.139", "gland": "rod", "seal_id": "1.75", "housing": "2",)"
                                    R"( "rod": "5"})");
  EXPECT_EQ(rod.outcome, SessionOutcome::Results);
  EXPECT_EQ(rod.record.PDF, 0.0f);
  const SessionResult housing = session(R"({"cross_section": "0.070", "gland": "housing", "seal_id": "0.5",)"
                                        R"( "rod": "0.5", "housing": "9"})");
  EXPECT_EQ(housing.outcome, SessionOutcome::Results);
  EXPECT_EQ(housing.record.BDM, 0.0f);
}

struct AnswersCase {
  const char* answers;  // JSON array
  SessionOutcome outcome;
  std::size_t questions;
  std::int16_t lastAnswer;
};

class ScriptedAnswers : public testing::TestWithParam<AnswersCase> {};

TEST_P(ScriptedAnswers, AnswerTheQuestionsInTurn) {
  SCOPED_TRACE(GetParam().answers);
  const SessionResult result = session(std::string(kStretchedRodGroove) + R"(, "answers": )" + GetParam().answers + "}");
  EXPECT_EQ(result.outcome, GetParam().outcome);
  EXPECT_EQ(result.record.Answer, GetParam().lastAnswer);
  const std::vector<SessionMessage> expected{{MessageKind::Question, kStretchQuestion, true},
                                             {MessageKind::Question, kSqueezeQuestion, true}};
  ASSERT_EQ(result.messages.size(), GetParam().questions);
  for (std::size_t i = 0; i < GetParam().questions; ++i) {
    EXPECT_EQ(result.messages[i].kind, expected[i].kind);
    EXPECT_EQ(result.messages[i].text, expected[i].text);
    EXPECT_EQ(result.messages[i].beep, expected[i].beep);
  }
}

INSTANTIATE_TEST_SUITE_P(
    StretchThenSqueeze, ScriptedAnswers,
    testing::Values(AnswersCase{"[]", SessionOutcome::Results, 2, kAnswerNo},
                    AnswersCase{R"(["no"])", SessionOutcome::Results, 2, kAnswerNo},
                    AnswersCase{R"(["no", "no", "yes"])", SessionOutcome::Results, 2, kAnswerNo},
                    AnswersCase{R"(["yes"])", SessionOutcome::Stayed, 1, kAnswerYes},
                    AnswersCase{R"(["no", "yes"])", SessionOutcome::Stayed, 2, kAnswerYes}));

TEST(Session, StayingLeavesTheSessionOnTheEditorWithoutASheet) {
  const SessionResult result = session(std::string(kStretchedRodGroove) + R"(, "answers": ["no", "yes"]})");
  EXPECT_EQ(result.screen, Screen::Editor);
  EXPECT_TRUE(result.sheet.empty());
  EXPECT_EQ(result.record.PCM, 42.6f);  // rounded by the 30 % question
}

// Stretch 30 %: the 5 % question, then the 26 % notice, then the cross-section reduced by
// (1 - 10 / sqrt(130)) * 100 + 2 = 14.2942 %.
TEST(Session, StretchBeyond26PercentShowsTheNoticeAfterTheQuestion) {
  const SessionResult result = session(
      R"({"cross_section": "0.139", "gland": "rod", "seal_id": "1", "housing": "1.5",)"
      R"( "edits": {"txtPDM": "1.49", "txtGDM": "1.3"}})");
  EXPECT_EQ(result.outcome, SessionOutcome::Results);
  ASSERT_EQ(result.messages.size(), 2u);
  EXPECT_EQ(result.messages[0].text,
            question("      Caution ! Stretch  is  30 %   >  5 %.", "          Do you want to edit dimensions ?"));
  EXPECT_EQ(result.messages[1].kind, MessageKind::Notice);
  EXPECT_EQ(result.messages[1].text,
            "Caution ! As percent stretch is  30 %  >  26 %. Calculations will be based on extrapolated test "
            "information.");
  EXPECT_TRUE(result.messages[1].beep);
  EXPECT_NEAR(result.record.RWM, 14.2942, 5e-5);
  EXPECT_EQ(caption(result, "lblEWMV"), "0.12162 Inch");
  EXPECT_EQ(caption(result, "lblPCM"), "17.77");
}

// A rod of 2.01 in a bore of 2: the interference question, then after No the analysis's
// three notices in order, without beeps.
TEST(Session, InterferenceAsksFirstAndTheAnalysisWarnsThreeTimes) {
  const SessionResult result = session(std::string(kRodGrooveExample) + R"(, "edits": {"txtPDM": "2.01"}})");
  EXPECT_EQ(result.outcome, SessionOutcome::Results);
  const std::vector<SessionMessage> expected{
      {MessageKind::Question,
       question("     Caution ! Interference in rod and bore dimensions. Check values.",
                "                           Do you want to edit dimensions ?"),
       true},
      {MessageKind::Notice, "Caution ! Interference in rod and housing dimensions at MMC Concentric conditions.", false},
      {MessageKind::Notice, "Caution ! Interference in rod and housing dimensions at LMC Concentric conditions.", false},
      {MessageKind::Notice, "Caution ! Interference in rod and housing dimensions at LMC Eccentric conditions.", false}};
  ASSERT_EQ(result.messages.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(result.messages[i].kind, expected[i].kind) << i;
    EXPECT_EQ(result.messages[i].text, expected[i].text) << i;
    EXPECT_EQ(result.messages[i].beep, expected[i].beep) << i;
  }
}

TEST(Session, EachSessionStartsFromAFreshRecord) {
  const SessionResult first = session(std::string(kRodGrooveExample) + "}");
  session(std::string(kStretchedRodGroove) + R"(, "answers": ["yes"]})");
  session(std::string(kHousingGrooveExample) + "}");
  const SessionResult again = session(std::string(kRodGrooveExample) + "}");
  for (const FloatField& field : floatFields())
    EXPECT_EQ(again.record.*field.member, first.record.*field.member) << field.name;
  EXPECT_EQ(again.record.F70F, 0.0f);  // the housing-groove session left nothing behind
}

}  // namespace

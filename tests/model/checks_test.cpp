// The stretch and squeeze checks of both editors: figures, limits and question texts.

#include <gtest/gtest.h>

#include <cmath>

#include "model/calculations.h"
#include "model/numbers.h"
#include "tests/model/scripted_prompts.h"

using namespace glandwise;
using testing_support::ScriptedPrompts;

namespace {

// The rod-groove gland of the worked examples: W 0.139, ID 1, rod 1.24, bore 1.25.
GlandRecord rodGland(float groove, float bore = 1.25f, float rod = 1.24f) {
  GlandRecord r;
  r.W = 0.139f;
  r.ID = 1.0f;
  r.GDM = groove;
  r.BDM = bore;
  r.PDM = rod;
  return r;
}

// A housing-groove gland with the seal stretched onto the rod `rod`.
GlandRecord housingGland(float rod, float groove, float bore) {
  GlandRecord r;
  r.W = 0.139f;
  r.ID = 1.0f;
  r.PDF = rod;
  r.GDF = groove;
  r.BDF = bore;
  return r;
}

std::string rodQ4(const char* figure) {
  return std::string("      Caution ! Stretch  is  ") + figure + " %   >  5 %.\n\n          Do you want to edit dimensions ?";
}

}  // namespace

TEST(StretchAndSqueeze, SmallStretchAsksNothing) {
  GlandRecord r = rodGland(1.02f);
  ScriptedPrompts prompts;
  EXPECT_EQ(CheckStretchAndSqueeze(r, kRodGroove, prompts), CheckOutcome::GoOn);
  EXPECT_TRUE(prompts.shown.empty());
  EXPECT_EQ(r.PSM, 2.0f);
  EXPECT_EQ(NumberText(r.EWM), "0.1365953");
  EXPECT_EQ(NumberText(r.GHM), "0.115");
  EXPECT_EQ(NumberText(r.CM), "0.02159528");
  EXPECT_EQ(NumberText(r.PCM), "15.80968");
  EXPECT_NEAR(r.EGM, 0.005, 1e-7);
}

TEST(StretchAndSqueeze, TenPercentAsksStretchThenRoundedCompression) {
  GlandRecord r = rodGland(1.1f);
  ScriptedPrompts prompts;
  EXPECT_EQ(CheckStretchAndSqueeze(r, kRodGroove, prompts), CheckOutcome::GoOn);
  EXPECT_EQ(r.PSM, 10.0f);
  EXPECT_EQ(NumberText(r.EWM), "0.13066");
  EXPECT_NEAR(r.GHM, 0.075, 1e-7);
  EXPECT_EQ(r.PCM, 42.6f);
  ASSERT_EQ(prompts.shown.size(), 2u);
  EXPECT_EQ(prompts.shown[0].text, rodQ4("10"));
  EXPECT_EQ(prompts.shown[1].text,
            "      Percent  compression  is  42.6 %  >  30 %\n\n           Do you want to edit dimensions ?");
  EXPECT_TRUE(prompts.shown[0].beep && prompts.shown[1].beep);
  EXPECT_EQ(r.Answer, kAnswerNo);
}

TEST(StretchAndSqueeze, AboveTwentySixPercentNoticesAndExtrapolates) {
  GlandRecord r = rodGland(1.3f, 1.5f, 1.49f);
  ScriptedPrompts prompts;
  EXPECT_EQ(CheckStretchAndSqueeze(r, kRodGroove, prompts), CheckOutcome::GoOn);
  EXPECT_EQ(r.PSM, 30.0f);
  ASSERT_EQ(prompts.shown.size(), 2u);
  EXPECT_EQ(prompts.shown[0].text, rodQ4("30"));
  EXPECT_FALSE(prompts.shown[1].question);
  EXPECT_TRUE(prompts.shown[1].beep);
  EXPECT_EQ(prompts.shown[1].text,
            "Caution ! As percent stretch is  30 %  >  26 %. Calculations will be based on extrapolated test "
            "information.");
  EXPECT_NEAR(r.RWM, 14.2942, 5e-5);
  EXPECT_EQ(NumberText(r.EWM), "0.121616");
  EXPECT_NEAR(r.GHM, 0.1, 1e-7);
  EXPECT_EQ(NumberText(r.PCM), "17.77394");
}

TEST(StretchAndSqueeze, ZeroStretchPathsDifferBetweenTheEditors) {
  GlandRecord rod = rodGland(1.0f);
  ScriptedPrompts rodPrompts;
  EXPECT_EQ(CheckStretchAndSqueeze(rod, kRodGroove, rodPrompts), CheckOutcome::GoOn);
  ASSERT_EQ(rodPrompts.shown.size(), 1u);
  EXPECT_EQ(rodPrompts.shown[0].text,
            "             Caution !  Stretch  is  0 %  <  0 %.\n\n              Do you want to edit dimensions ?");
  EXPECT_EQ(rod.EWM, rod.W);

  GlandRecord housing = housingGland(1.0f, 1.224f, 1.0045f);
  ScriptedPrompts housingPrompts;
  EXPECT_EQ(CheckStretchAndSqueeze(housing, kHousingGroove, housingPrompts), CheckOutcome::GoOn);
  EXPECT_TRUE(housingPrompts.shown.empty());
  EXPECT_EQ(housing.EWF, static_cast<float>(0.139f - (0.01 / 100) * 0.139f));
}

TEST(StretchAndSqueeze, TinyStretchRoundsToZeroBeforeAnyTest) {
  GlandRecord r = rodGland(1.00004f);
  ScriptedPrompts prompts;
  CheckStretchAndSqueeze(r, kRodGroove, prompts);
  EXPECT_EQ(r.PSM, 0.0f);
  EXPECT_EQ(r.EWM, r.W);
  ASSERT_EQ(prompts.shown.size(), 1u);
}

TEST(StretchAndSqueeze, NegativeStretchAndHighCompressionOnTheUnstretchedPath) {
  GlandRecord r = rodGland(0.95f, 1.1f, 1.09f);
  ScriptedPrompts prompts;
  EXPECT_EQ(CheckStretchAndSqueeze(r, kRodGroove, prompts), CheckOutcome::GoOn);
  EXPECT_EQ(r.PSM, -5.0f);
  ASSERT_EQ(prompts.shown.size(), 2u);
  EXPECT_EQ(prompts.shown[0].text,
            "             Caution !  Stretch  is  -5 %  <  0 %.\n\n              Do you want to edit dimensions ?");
  EXPECT_EQ(prompts.shown[1].text,
            "percent  compression  is  " + NumberText(r.PCM) + " %  >  25 %\n\nDo you want to edit dimensions ?");
  EXPECT_NE(r.PCM, RoundDecimals(r.PCM, 2));  // shown unrounded
}

TEST(StretchAndSqueeze, InterferenceIsAskedFirst) {
  GlandRecord r = rodGland(1.02f, 1.24f, 1.25f);
  ScriptedPrompts prompts;
  EXPECT_EQ(CheckStretchAndSqueeze(r, kRodGroove, prompts), CheckOutcome::GoOn);
  ASSERT_GE(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].text,
            "     Caution ! Interference in rod and bore dimensions. Check values.\n\n"
            "                           Do you want to edit dimensions ?");
  EXPECT_EQ(r.PSM, 2.0f);
}

// Yes to any question stays on the editor; the answer is kept as 6.
TEST(StretchAndSqueeze, YesToAnyQuestionStays) {
  struct Case { GlandRecord record; const GlandSide* side; std::size_t questionsBefore; };
  const Case cases[] = {
      {rodGland(1.02f, 1.24f, 1.25f), &kRodGroove, 0},   // interference
      {rodGland(1.0f), &kRodGroove, 0},                  // stretch below zero
      {rodGland(0.95f, 1.1f, 1.09f), &kRodGroove, 1},    // compression above 25 %
      {rodGland(1.1f), &kRodGroove, 0},                  // stretch above 5 %
      {rodGland(1.1f), &kRodGroove, 1},                  // compression above 30 %
      {housingGland(1.1f, 1.2f, 1.1045f), &kHousingGroove, 0},
  };
  for (const Case& c : cases) {
    GlandRecord r = c.record;
    std::deque<bool> answers(c.questionsBefore, false);
    answers.push_back(true);
    ScriptedPrompts prompts(answers);
    EXPECT_EQ(CheckStretchAndSqueeze(r, *c.side, prompts), CheckOutcome::Stay);
    EXPECT_EQ(prompts.shown.size(), c.questionsBefore + 1);
    EXPECT_EQ(r.Answer, kAnswerYes);
  }
}

// Every limit is strict: a figure exactly at 5, 26, 25 or 30 asks nothing; exactly 3 % uses
// the formula for small stretches and exactly 26 % the one for moderate stretches.
TEST(StretchAndSqueeze, LimitsAreStrict) {
  GlandRecord five = rodGland(1.05f, 1.4f, 1.39f);
  ScriptedPrompts fivePrompts;
  CheckStretchAndSqueeze(five, kRodGroove, fivePrompts);
  ASSERT_EQ(five.PSM, 5.0f);
  EXPECT_TRUE(fivePrompts.shown.empty());

  GlandRecord three = rodGland(1.03f, 1.4f, 1.39f);
  SilentPrompts silent;
  CheckStretchAndSqueeze(three, kRodGroove, silent);
  ASSERT_EQ(three.PSM, 3.0f);
  EXPECT_EQ(three.EWM, static_cast<float>(0.139f - (((3 * 1.06 + 0.01) - 9 * 0.1) / 100) * 0.139f));

  GlandRecord twentySix = rodGland(1.26f, 1.6f, 1.59f);
  ScriptedPrompts twentySixPrompts;
  CheckStretchAndSqueeze(twentySix, kRodGroove, twentySixPrompts);
  ASSERT_EQ(twentySix.PSM, 26.0f);
  ASSERT_EQ(twentySixPrompts.shown.size(), 1u);
  EXPECT_EQ(twentySixPrompts.shown[0].text, rodQ4("26"));
  EXPECT_EQ(twentySix.EWM, static_cast<float>(0.139f - (12.7904 / 100) * 0.139f));

  // Inputs found to give a squeeze percent of exactly 25 on the unstretched path, and
  // exactly 30 on the stretched path; one step smaller bore passes the limit.
  GlandRecord at25;
  at25.W = 0.139f; at25.ID = 0.246571064f; at25.GDM = 0.246571064f; at25.BDM = 0.455071062f; at25.PDM = 0.45f;
  GlandRecord above25 = at25;
  above25.BDM = std::nextafter(at25.BDM, 0.0f);
  GlandRecord at30 = rodGland(1.00619996f, 1.19957638f, 1.19f);
  GlandRecord above30 = at30;
  above30.BDM = std::nextafter(at30.BDM, 0.0f);
  struct Limit { GlandRecord record; float limit; std::size_t boxes; };
  for (const Limit& l : {Limit{at25, 25.0f, 1}, Limit{above25, 25.0f, 2}, Limit{at30, 30.0f, 0},
                         Limit{above30, 30.0f, 1}}) {
    GlandRecord r = l.record;
    ScriptedPrompts prompts;
    CheckStretchAndSqueeze(r, kRodGroove, prompts);
    EXPECT_EQ(prompts.shown.size(), l.boxes) << l.limit;
  }
  GlandRecord exact25 = at25;
  CheckStretchAndSqueeze(exact25, kRodGroove, silent);
  EXPECT_EQ(exact25.PCM, 25.0f);
  GlandRecord exact30 = at30;
  CheckStretchAndSqueeze(exact30, kRodGroove, silent);
  EXPECT_EQ(exact30.PCM, 30.0f);
}

TEST(StretchAndSqueeze, HousingTextsKeepTheirOwnSpacing) {
  GlandRecord r = housingGland(1.3f, 1.5f, 1.31f);
  ScriptedPrompts prompts;
  CheckStretchAndSqueeze(r, kHousingGroove, prompts);
  ASSERT_GE(prompts.shown.size(), 2u);
  EXPECT_EQ(prompts.shown[0].text,
            "        Caution ! Stretch is  30 %   >  5 %.\n\n          Do  you  want  to  edit  dimensions ?");
  EXPECT_EQ(prompts.shown[1].text,
            "Warning ! As percent stretch is  30 %  >  26 %. Calculations will be based on extrapolated test "
            "information.");
}

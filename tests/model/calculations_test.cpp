// The core's rules: numbers, the standard gland, the gland analysis and the stretch and squeeze checks.

#include <gtest/gtest.h>
#include <bit>
#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale>
#include <tuple>
#include "model/calculations.h"
#include "model/number_text.h"
#include "model/numbers.h"
#include "model/selection.h"
#include "tests/model/scripted_prompts.h"

using namespace glandwise;
using testing_support::ScriptedPrompts;

TEST(RoundDecimals, HalfToEvenOnTheStoredValue) {
  struct Case { float value; int decimals; float expected; };
  // 0.145f is stored a little below 0.145 and 0.135f a little above: only exact ties go to even.
  for (const Case& c : {Case{12.25f, 1, 12.2f}, Case{12.75f, 1, 12.8f}, Case{18.125f, 2, 18.12f}, Case{2.5f, 0, 2},
                        Case{0.1373449f, 5, 0.13734f}, Case{1.23456f, 3, 1.235f}, Case{-12.25f, 1, -12.2f},
                        Case{3.5f, 0, 4}, Case{0.145f, 2, 0.14f}, Case{0.135f, 2, 0.14f}, Case{42.59912f, 2, 42.6f}})
    EXPECT_EQ(RoundDecimals(c.value, c.decimals), c.expected) << c.value << " to " << c.decimals;
}

TEST(NumberText, SevenSignificantDigitsPlainOrExponentForm) {
  struct Case { float value; const char* text; };
  for (const Case& c : {Case{0.07f, "0.07"}, Case{1500, "1500"}, Case{1.2345678f, "1.234568"}, Case{0.00004f, "4E-05"},
                        Case{-0.0012f, "-0.0012"}, Case{12345678, "1.234568E+07"}, Case{0, "0"}, Case{-0.0f, "0"},
                        Case{1.05f, "1.05"}, Case{0.0001f, "0.0001"}, Case{1234567, "1234567"}, Case{100, "100"},
                        Case{9999999.5f, "1E+07"}, Case{FLT_MAX, "3.402823E+38"}, Case{1e-45f, "1.401298E-45"},
                        // Exact halves go to the even digit; both ends of the integer way and beyond.
                        Case{1234567.5f, "1234568"}, Case{1234568.5f, "1234568"}, Case{999999.94f, "999999.9"},
                        Case{9.094947e-13f, "9.094947E-13"}, Case{4.5474735e-13f, "4.547474E-13"},
                        Case{1.1529215e18f, "1.152922E+18"}, Case{2.305843e18f, "2.305843E+18"},
                        Case{1e-40f, "9.999946E-41"}})
    EXPECT_EQ(NumberText(c.value), c.text) << c.value;
}

// Catches a saved or output number that is not the shortest text reading back to its float,
// a form that is not the shorter one (plain on a tie), a whole number with the shortest
// digits padded by zeros (123456790 reads back, but 123456792 is the float), a lost sign of
// -0, and a two-digit exponent written with one. The texts are worked by hand; the sweep
// holds writeFloat to std::to_chars's spelling, which it promises, across every binade.
TEST(WriteFloat, ShortestTextInTheShorterForm) {
  const auto written = [](float value) {
    char text[kMaxNumberLength];
    return std::string(text, writeFloat(text, value));
  };
  const std::pair<float, const char*> cases[] = {
      {0.139f, "0.139"},      {1500, "1500"},         {5e-4f, "5e-04"},        {0.001f, "0.001"},
      {0.0001f, "1e-04"},     {0.00015f, "0.00015"},  {1.5e-5f, "1.5e-05"},    {0.0f, "0"},
      {-0.0f, "-0"},          {-2.5f, "-2.5"},        {12345.678f, "12345.678"}, {33871888, "33871888"},
      {123456789, "123456792"}, {1.2e7f, "1.2e+07"},  {1e8f, "1e+08"},         {1e16f, "1e+16"},
      {1e-7f, "1e-07"},       {FLT_MAX, "3.4028235e+38"}, {1e-45f, "1e-45"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(written(value), text);
  for (std::uint64_t bits = 1; bits < 0x7F800000; bits += 65521)  // every 65521st positive finite float
    for (const float value : {std::bit_cast<float>(std::uint32_t(bits)), -std::bit_cast<float>(std::uint32_t(bits))}) {
      char text[kMaxNumberLength];
      const std::string expected(text, std::to_chars(text, text + sizeof text, value).ptr);
      ASSERT_EQ(written(value), expected) << std::bit_cast<std::uint32_t>(value);
    }
}

TEST(ParseNumber, PlainDecimalNotationOnly) {
  enum { N = int(NumberStatus::Number), X = int(NumberStatus::NotNumber), L = int(NumberStatus::TooLarge) };
  struct Case { const char* text; int status; float value; };
  for (const Case& c : {Case{"1.375", N, 1.375f}, Case{"  2 ", N, 2}, Case{"-0.5", N, -0.5f}, Case{"+3", N, 3},
                        Case{".5", N, 0.5f}, Case{"5.", N, 5}, Case{"1.5E-2", N, 0.015f}, Case{"\t7\t", N, 7},
                        Case{"1e-60", N, 0}, Case{"3.4e38", N, 3.4e38f}, Case{"1e60", L, 0}, Case{"-1e39", L, 0},
                        Case{"1.0000000596046448", N, 0x1.000002p+0f},  // nearest in one rounding, not via double
                        Case{"", X, 0}, Case{"abc", X, 0}, Case{"1,5", X, 0}, Case{"$5", X, 0}, Case{"0x10", X, 0},
                        Case{"inf", X, 0}, Case{"nan", X, 0}, Case{".", X, 0}, Case{"1e", X, 0}, Case{"1.2.3", X, 0}}) {
    EXPECT_EQ(static_cast<int>(parseNumber(c.text).status), c.status) << '"' << c.text << '"';
    EXPECT_EQ(parseNumber(c.text).value, c.value) << '"' << c.text << '"';
  }
}

// Catches a parser or a display built on the regional settings (strtod, stof, streams): the whole
// process (C and C++ locales) runs German, whose decimal mark is a comma, and is restored after.
TEST(Numbers, PointIsTheDecimalMarkUnderAGermanLocale) {
  struct GermanLocale {
    const std::string savedC = std::setlocale(LC_ALL, nullptr);
    const std::locale savedCpp;
    const bool active = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    GermanLocale() { if (active) std::locale::global(std::locale("de_DE.UTF-8")); }
    ~GermanLocale() { std::locale::global(savedCpp); std::setlocale(LC_ALL, savedC.c_str()); }
  } const german;
  if (!german.active && std::getenv("CI")) FAIL() << "de_DE.UTF-8 locale missing: run scripts/setup.sh";
  if (!german.active) GTEST_SKIP() << "de_DE.UTF-8 locale missing: run scripts/setup.sh";
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(parseNumber("1.5").value, 1.5f);
  EXPECT_EQ(parseNumber("2.5e999").status, NumberStatus::TooLarge);
  EXPECT_EQ(parseNumber("1,5").status, NumberStatus::NotNumber);
  EXPECT_EQ(NumberText(1.5f), "1.5");
}

// Catches a changed value in any standard row: each option's W and the whole row that a typed
// diameter of 2 gives, as the standard-dimension table has them.
TEST(StandardGland, EveryCrossSectionGivesItsTableRow) {
  const char* const names = "W WT ECC GDTM GDTF BDTM PDTM PDTF BDTF PDM GDM BDF GDF";
  const float rows[5][13] = {
      {0.07f, 0.003f, 0.002f, 0.001f, 0.001f, 0.001f, 0.0005f, 0.001f, 0.0005f, 1.9965f, 1.898f, 2.0035f, 2.102f},
      {0.103f, 0.003f, 0.002f, 0.001f, 0.001f, 0.001f, 0.0005f, 0.001f, 0.0005f, 1.9965f, 1.836f, 2.0035f, 2.164f},
      {0.139f, 0.004f, 0.003f, 0.001f, 0.001f, 0.001f, 0.0005f, 0.001f, 0.0005f, 1.9955f, 1.776f, 2.0045f, 2.224f},
      {0.21f, 0.005f, 0.004f, 0.002f, 0.002f, 0.001f, 0.0005f, 0.001f, 0.0005f, 1.9955f, 1.657f, 2.0045f, 2.343f},
      {0.275f, 0.006f, 0.005f, 0.002f, 0.002f, 0.001f, 0.0005f, 0.001f, 0.0005f, 1.9945f, 1.545f, 2.0055f, 2.455f}};
  const char* const grooveWidths[] = {"0.093 to  0.098", "0.140 to 0.145", "0.187 to 0.192", "0.281 to 0.286",
                                      "0.375 to 0.380"};
  for (int i = 0; i < 5; ++i) {
    GlandRecord r;
    SelectionEntries e;
    selectCrossSection(r, e, i);
    r.BDM = r.PDF = 2.0f;
    CalcStandardDims(r);
    EXPECT_EQ(r.GW, grooveWidths[i]);
    const float got[] = {r.W, r.WT, r.ECC, r.GDTM, r.GDTF, r.BDTM, r.PDTM, r.PDTF, r.BDTF, r.PDM, r.GDM, r.BDF, r.GDF};
    for (int k = 0; k < 13; ++k) EXPECT_EQ(got[k], rows[i][k]) << "row " << i << ", value " << k << " of " << names;
  }
}

// A reference gland of each kind with its known figures, each to the digits known (the tolerance is
// half a unit of the last one; the housing groove differs in the friction only), then the interference
// notices: only a gap strictly below 0 warns, in the order MMC concentric, LMC concentric, LMC eccentric.
TEST(GlandAnalysis, ReferenceGlandsAndInterferenceNotices) {
  using G = GlandSide;
  const std::tuple<float GlandRecord::* G::*, std::string, std::string> figures[] = {
      {&G::AP, "0.1520", "0.1684"}, {&G::FH, "5.656", "6.264"}, {&G::F70, "11.45", "12.06"},
      {&G::F80, "16.06", "16.67"}, {&G::F90, "19.30", "19.91"}, {&G::CMax, "0.0230", ""}, {&G::PCMax, "31.51", ""},
      {&G::EGMin, "0.0010", ""}, {&G::GHMin, "0.0500", ""}, {&G::CMin, "0.0150", ""}, {&G::PCMin, "22.39", ""},
      {&G::EGMax, "0.0025", ""}, {&G::GHMax, "0.0520", ""}, {&G::CMaxE, "0.0255", ""}, {&G::PCMaxE, "34.93", ""},
      {&G::GHMinE, "0.0475", ""}, {&G::CMinE, "0.0115", ""}, {&G::PCMinE, "17.16", ""}, {&G::EGMaxE, "0.0050", ""},
      {&G::GHMaxE, "0.0555", ""}};
  const std::string conditions[] = {"MMC Concentric", "LMC Concentric", "LMC Eccentric"};
  for (const GlandSide* side : {&kRodGroove, &kHousingGroove}) {
    const bool rod = side == &kRodGroove;
    GlandRecord r;
    r.WT = 0.003f, r.ECC = 0.002f, r.PR = 1000.0f, r.*side->EW = 0.07f, r.*side->PC = 27.142857f;
    r.*side->bore.nominal = rod ? 1.0f : 1.0035f, r.*side->bore.tolerance = rod ? 0.001f : 0.0005f;
    r.*side->rod.nominal = rod ? 0.9965f : 1.0f, r.*side->rod.tolerance = rod ? 0.0005f : 0.001f;
    r.*side->groove.nominal = rod ? 0.898f : 1.102f, r.*side->groove.tolerance = 0.001f;
    CalcLimits(r);
    ScriptedPrompts prompts;
    CalcGland(r, *side, prompts);
    EXPECT_TRUE(prompts.shown.empty());
    for (const auto& [role, rodText, housingText] : figures) {
      const std::string& t = rod || housingText.empty() ? rodText : housingText;
      const double tolerance = 0.5 * std::pow(10.0, -static_cast<int>(t.size() - t.find('.') - 1));
      EXPECT_NEAR(r.*(side->*role), std::stod(t), tolerance) << side->code << " " << t;
    }
    // Bore 1 +/- 0.0625 and rod tolerance 0.0625 are exact in binary: a rod of 0.875 gives an MMC gap of exactly 0.
    r.*side->bore.nominal = 1.0f, r.*side->bore.tolerance = r.*side->rod.tolerance = 0.0625f;
    for (const auto& [rodDia, notices] : {std::pair{0.875f, 0u}, {0.9f, 1u}, {1.2f, 3u}}) {
      r.*side->rod.nominal = rodDia;
      CalcLimits(r);
      ScriptedPrompts warnings;
      CalcGland(r, *side, warnings);
      std::vector<std::string> expected;
      for (std::size_t i = 0; i < notices; ++i)
        expected.push_back("Caution ! Interference in rod and housing dimensions at " + conditions[i] + " conditions.");
      EXPECT_EQ(warnings.texts(), expected) << side->code << " " << rodDia;
      for (const auto& box : warnings.shown) EXPECT_FALSE(box.question || box.beep);
    }
  }
}

namespace {

using S = std::string;
S rodAsk(int blanks) { return "\n\n" + S(blanks, ' ') + "Do you want to edit dimensions ?"; }
const S kQ1 = "     Caution ! Interference in rod and bore dimensions. Check values." + rodAsk(27);  // both editors
const S kN5End = " %  >  26 %. Calculations will be based on extrapolated test information.";
const S kAsk = "\n\n          Do  you  want  to  edit  dimensions ?";  // the housing-groove editor's question
S rodQ2(S x) { return "             Caution !  Stretch  is  " + x + " %  <  0 %." + rodAsk(14); }
S rodQ3(S x) { return "percent  compression  is  " + x + " %  >  25 %" + rodAsk(0); }
S rodQ4(S x) { return "      Caution ! Stretch  is  " + x + " %   >  5 %." + rodAsk(10); }
S rodN5(S x) { return "Caution ! As percent stretch is  " + x + kN5End; }
S rodQ6(S x) { return "      Percent  compression  is  " + x + " %  >  30 %" + rodAsk(11); }
S housingQ2(S x) { return "        Caution ! Stretch  is  " + x + " %  <  0 %." + kAsk; }
S housingQ3(S x) { return "        Percent  compression  is  " + x + " %  >  25 %" + kAsk; }
S housingQ4(S x) { return "        Caution ! Stretch is  " + x + " %   >  5 %." + kAsk; }
S housingN5(S x) { return "Warning ! As percent stretch is  " + x + kN5End; }
S housingQ6(S x) { return "        Percent  compression  is  " + x + " %  >  30 %" + kAsk; }

using R = GlandRecord;
const GlandSide *const kRod = &kRodGroove, *const kHousing = &kHousingGroove;

struct CheckCase {
  const char* name;
  const GlandSide* side;
  float id, bore, rod, groove;  // W is 0.139 throughout
  std::vector<S> boxes;         // every box when each question is answered No; a notice has no "\n\n"
  std::vector<std::pair<float R::*, float>> figures;  // exact, worked out independently from the written formulas
};

// Each limit has a case with a figure stored exactly on it.
const CheckCase kChecks[] = {
    {"SmallStretch", kRod, 1, 1.25f, 1.24f, 1.02f, {},
     {{&R::PSM, 2}, {&R::EWM, 0.1365953f}, {&R::GHM, 0.11500001f}, {&R::CM, 0.021595284f}, {&R::PCM, 15.809684f}}},
    {"TenPercent", kRod, 1, 1.25f, 1.24f, 1.1f, {rodQ4("10"), rodQ6("42.6")},
     {{&R::PSM, 10}, {&R::EWM, 0.13066f}, {&R::PCM, 42.6f}}},
    {"ThirtyPercent", kRod, 1, 1.5f, 1.49f, 1.3f, {rodQ4("30"), rodN5("30")},
     {{&R::RWM, 14.294198f}, {&R::EWM, 0.12161597f}, {&R::GHM, 0.100000024f}, {&R::PCM, 17.773937f}}},
    {"TinyStretchRoundsToZero", kRod, 1, 1.25f, 1.24f, 1.00004f, {rodQ2("0")}, {{&R::PSM, 0}, {&R::EWM, 0.139f}}},
    {"NegativeStretchShowsUnroundedSqueeze", kRod, 1, 1.1f, 1.09f, 0.95f, {rodQ2("-5"), rodQ3("46.04315")}, {}},
    {"BoreEqualToRodIsNoInterference", kRod, 1, 1.24f, 1.24f, 1.02f, {}, {{&R::EGM, 0}}},
    {"BoreJustBelowRodAsksFirstThenGoesOn", kRod, 1, 1.23999989f, 1.24f, 1.02f, {kQ1}, {{&R::PSM, 2}}},
    {"StretchThreeUsesTheSmallStretchFormula", kRod, 1, 1.4f, 1.39f, 1.03f, {}, {{&R::EWM, 0.1358169f}}},
    {"StretchFive", kRod, 1, 1.4f, 1.39f, 1.05f, {}, {{&R::PSM, 5}}},
    {"StretchTwentySixNoNotice", kRod, 1, 1.6f, 1.59f, 1.26f, {rodQ4("26")}, {{&R::EWM, 0.12122134f}}},
    {"SqueezeTwentyFive", kRod, 0.246571064f, 0.455071062f, 0.45f, 0.246571064f, {rodQ2("0")}, {{&R::PCM, 25}}},
    {"SqueezeThirty", kRod, 1, 1.19957638f, 1.19f, 1.00619996f, {}, {{&R::PCM, 30}}},
    {"SqueezeAboveThirtyRounded", kRod, 1, 1.19957626f, 1.19f, 1.00619996f, {rodQ6("30")}, {{&R::PCM, 30}}},
    {"HousingZeroStretchIsStretched", kHousing, 1, 1.0045f, 1.0f, 1.224f, {}, {{&R::EWF, 0.1389861f}}},
    {"HousingNegativeStretch", kHousing, 1, 0.96f, 0.95f, 1.05f, {housingQ2("-5"), housingQ3("64.02879")}, {}},
    {"HousingThirtyPercent", kHousing, 1, 1.31f, 1.3f, 1.45f, {housingQ4("30"), housingN5("30"), housingQ6("38.33")},
     {{&R::RWF, 14.294198f}, {&R::PCF, 38.33f}}},
};

}  // namespace

// Answering No shows every box, in order, and goes on; Yes to any question stays at once. Catches a changed
// text, a limit made inclusive, an interference question for a bore equal to the rod, a Yes that goes on.
TEST(StretchAndSqueeze, BoxesFiguresAndAnswers) {
  for (const CheckCase& c : kChecks) {
    SCOPED_TRACE(c.name);
    GlandRecord start;
    start.W = 0.139f, start.ID = c.id;
    start.*c.side->bore.nominal = c.bore, start.*c.side->rod.nominal = c.rod, start.*c.side->groove.nominal = c.groove;
    GlandRecord r = start;
    ScriptedPrompts no;
    EXPECT_EQ(CheckStretchAndSqueeze(r, *c.side, no), CheckOutcome::GoOn);
    for (const auto& box : no.shown) EXPECT_TRUE(box.beep && box.question == (box.text.find("\n\n") != S::npos));
    EXPECT_EQ(no.texts(), c.boxes);
    EXPECT_EQ(r.Answer, no.questions ? kAnswerNo : 0);
    for (const auto& [member, value] : c.figures) EXPECT_EQ(r.*member, value);
    for (int q = 0; q < no.questions; ++q) {
      GlandRecord yes = start;
      ScriptedPrompts yesAt(q);
      EXPECT_EQ(CheckStretchAndSqueeze(yes, *c.side, yesAt), CheckOutcome::Stay) << q;
      EXPECT_TRUE(yesAt.questions == q + 1 && yesAt.shown.back().question && yes.Answer == kAnswerYes) << q;
    }
  }
}

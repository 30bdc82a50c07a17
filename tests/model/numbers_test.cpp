#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>

#include "model/numbers.h"

using namespace glandwise;

struct RoundCase { float value; int decimals; float expected; };

class RoundDecimalsTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundDecimalsTest, RoundsHalfToEvenOnTheStoredValue) {
  const RoundCase& c = GetParam();
  EXPECT_EQ(RoundDecimals(c.value, c.decimals), c.expected) << c.value << " to " << c.decimals;
}

INSTANTIATE_TEST_SUITE_P(Examples, RoundDecimalsTest,
                         testing::Values(RoundCase{12.25f, 1, 12.2f}, RoundCase{12.75f, 1, 12.8f},
                                         RoundCase{18.125f, 2, 18.12f}, RoundCase{0.1373449f, 5, 0.13734f},
                                         RoundCase{1.23456f, 3, 1.235f}, RoundCase{0.98765f, 3, 0.988f},
                                         RoundCase{42.59912f, 2, 42.6f}, RoundCase{-12.25f, 1, -12.2f},
                                         RoundCase{2.5f, 0, 2.0f}, RoundCase{3.5f, 0, 4.0f},
                                         RoundCase{-0.000001f, 5, -0.0f}, RoundCase{0.0f, 2, 0.0f}));

struct TextCase { float value; const char* expected; };

class NumberTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(NumberTextTest, ShowsAtMostSevenSignificantDigits) {
  EXPECT_EQ(NumberText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, NumberTextTest,
    testing::Values(TextCase{0.07f, "0.07"}, TextCase{1500.0f, "1500"}, TextCase{1.2345678f, "1.234568"},
                    TextCase{0.00004f, "4E-05"}, TextCase{-0.0012f, "-0.0012"},
                    TextCase{12345678.0f, "1.234568E+07"}, TextCase{0.0f, "0"}, TextCase{-0.0f, "0"},
                    TextCase{1.0f, "1"}, TextCase{1.05f, "1.05"}, TextCase{0.0001f, "0.0001"},
                    TextCase{1234567.0f, "1234567"}, TextCase{9999999.5f, "1E+07"},
                    TextCase{0.1365953f, "0.1365953"}, TextCase{1.9955f, "1.9955"},
                    TextCase{FLT_MAX, "3.402823E+38"}, TextCase{2.5e-5f, "2.5E-05"},
                    TextCase{-12.2f, "-12.2"}, TextCase{100.0f, "100"}, TextCase{0.5035f, "0.5035"}));

TEST(NumberText, IgnoresTheRegionalDecimalMark) {
  const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  EXPECT_EQ(NumberText(1.5f), "1.5");
  EXPECT_EQ(parseNumber("1.5").value, 1.5f);
  if (previous) std::setlocale(LC_NUMERIC, "C");
}

struct ParseCase { const char* text; NumberStatus status; float value; };

class ParseNumberTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, AcceptsPlainDecimalNotationOnly) {
  const ParseCase& c = GetParam();
  const ParsedNumber n = parseNumber(c.text);
  EXPECT_EQ(n.status, c.status) << '"' << c.text << '"';
  if (c.status == NumberStatus::Number) {
    EXPECT_EQ(n.value, c.value) << '"' << c.text << '"';
  }
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, ParseNumberTest,
    testing::Values(ParseCase{"1.375", NumberStatus::Number, 1.375f}, ParseCase{"  2 ", NumberStatus::Number, 2.0f},
                    ParseCase{"-0.5", NumberStatus::Number, -0.5f}, ParseCase{"+3", NumberStatus::Number, 3.0f},
                    ParseCase{".5", NumberStatus::Number, 0.5f}, ParseCase{"5.", NumberStatus::Number, 5.0f},
                    ParseCase{"1e3", NumberStatus::Number, 1000.0f}, ParseCase{"1.5E-2", NumberStatus::Number, 0.015f},
                    ParseCase{"\t7\t", NumberStatus::Number, 7.0f}, ParseCase{"1e-60", NumberStatus::Number, 0.0f},
                    ParseCase{"3.4e38", NumberStatus::Number, 3.4e38f},
                    ParseCase{"1e60", NumberStatus::TooLarge, 0}, ParseCase{"-1e39", NumberStatus::TooLarge, 0},
                    ParseCase{"1e99999", NumberStatus::TooLarge, 0},
                    ParseCase{"1e-400", NumberStatus::Number, 0.0f}, ParseCase{"-2.5e-9999", NumberStatus::Number, -0.0f},
                    ParseCase{"", NumberStatus::NotNumber, 0}, ParseCase{"   ", NumberStatus::NotNumber, 0},
                    ParseCase{"abc", NumberStatus::NotNumber, 0}, ParseCase{"1,5", NumberStatus::NotNumber, 0},
                    ParseCase{"1,000", NumberStatus::NotNumber, 0}, ParseCase{"$5", NumberStatus::NotNumber, 0},
                    ParseCase{"0x10", NumberStatus::NotNumber, 0}, ParseCase{"inf", NumberStatus::NotNumber, 0},
                    ParseCase{"nan", NumberStatus::NotNumber, 0}, ParseCase{".", NumberStatus::NotNumber, 0},
                    ParseCase{"-", NumberStatus::NotNumber, 0}, ParseCase{"1e", NumberStatus::NotNumber, 0},
                    ParseCase{"1e+", NumberStatus::NotNumber, 0}, ParseCase{"1 2", NumberStatus::NotNumber, 0},
                    ParseCase{"--1", NumberStatus::NotNumber, 0}, ParseCase{"1.2.3", NumberStatus::NotNumber, 0}));

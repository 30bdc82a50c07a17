#include "model/numbers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace glandwise {
namespace {

constexpr std::array<double, 10> kPowersOfTen{1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

// 10^n for 0 <= n <= 19, exactly.
constexpr std::array<std::uint64_t, 20> kIntegerPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{1};
  for (std::size_t n = 1; n < powers.size(); ++n) powers[n] = powers[n - 1] * 10;
  return powers;
}();

double powerOfTen(int n) {
  return n >= 0 && n < static_cast<int>(kPowersOfTen.size()) ? kPowersOfTen[n] : std::pow(10.0, n);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// True when `text` (already trimmed) follows the number grammar.
bool followsNumberGrammar(std::string_view text) {
  std::size_t i = 0;
  const auto digitsFrom = [&](std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos])) ++pos;
    return pos - start;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t mantissaDigits = digitsFrom(i);
  if (i < text.size() && text[i] == '.') {
    ++i;
    mantissaDigits += digitsFrom(i);
  }
  if (mantissaDigits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (digitsFrom(i) == 0) return false;
  }
  return i == text.size();
}

// strtod in the C locale, so that the decimal mark is always a point.
double toDouble(const std::string& text) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  return strtod_l(text.c_str(), nullptr, cLocale);
}

__extension__ typedef unsigned __int128 Wide;  // a GCC and Clang type, wide enough for exact quotients

// A positive value's exact value rounded (half to even) to seven significant digits:
// significand × 10^(exponent - 6), with 10^6 <= significand < 10^7.
struct SevenDigits {
  std::uint32_t significand;
  int exponent;  // the decimal exponent of the first digit
};

// The general way, for any positive finite float: through the standard library's exact
// scientific text.
SevenDigits sevenDigitsThroughText(float magnitude) {
  char scientific[32];
  const char* end = std::to_chars(scientific, scientific + sizeof scientific, static_cast<double>(magnitude),
                                  std::chars_format::scientific, 6)
                        .ptr;
  std::uint32_t significand = 0;
  const char* c = scientific;
  for (; *c != 'e'; ++c)
    if (*c != '.') significand = significand * 10 + static_cast<std::uint32_t>(*c - '0');
  if (*++c == '+') ++c;
  int exponent = 0;
  std::from_chars(c, end, exponent);
  return {significand, exponent};
}

// The fast way, with 128-bit integers, for the magnitudes of engineering figures (about
// 1e-12 to 1e18); nothing outside them. A float is mantissa × 2^binaryExponent exactly, so
// its value divided by 10^(decimal exponent - 6) is a fraction of two integers whose
// quotient, rounded half to even, is the seven digits.
std::optional<SevenDigits> sevenDigitsExactly(float magnitude) {
  const auto bits = std::bit_cast<std::uint32_t>(magnitude);
  const int biased = static_cast<int>(bits >> 23);
  const std::uint32_t mantissa = biased == 0 ? bits & 0x7FFFFF : (bits & 0x7FFFFF) | 0x800000;
  const int binaryExponent = (biased == 0 ? 1 : biased) - 150;
  const int topBit = binaryExponent + std::bit_width(mantissa) - 1;  // 2^topBit <= magnitude < 2^(topBit + 1)
  if (topBit < -40 || topBit > 60) return std::nullopt;  // keeps every factor below 2^64
  // floor(topBit × log10 2) is the decimal exponent or one less.
  int exponent = (topBit * 78913) >> 18;
  for (;;) {
    const int scale = exponent - 6;  // the last digit's place
    Wide numerator = mantissa, denominator = 1;
    if (binaryExponent >= 0) numerator <<= binaryExponent;
    else denominator <<= -binaryExponent;
    if (scale >= 0) denominator *= kIntegerPowersOfTen[static_cast<std::size_t>(scale)];
    else numerator *= kIntegerPowersOfTen[static_cast<std::size_t>(-scale)];
    // Below 10^6 the denominator is a power of two: a shift is the division.
    const Wide quotient =
        scale < 0 && binaryExponent < 0 ? numerator >> -binaryExponent : numerator / denominator;
    if (quotient >= 10'000'000) {
      ++exponent;
      continue;
    }
    const Wide remainder = numerator - quotient * denominator;
    const Wide rest = denominator - remainder;  // what rounding up adds
    auto significand = static_cast<std::uint32_t>(quotient);
    if (remainder > rest || (remainder == rest && significand % 2 == 1)) ++significand;
    if (significand == 10'000'000) return SevenDigits{1'000'000, exponent + 1};
    return SevenDigits{significand, exponent};
  }
}

}  // namespace

float RoundDecimals(float value, int decimals) {
  const double scale = powerOfTen(decimals);
  // nearbyint rounds in the default mode: to nearest, an exact half to even.
  return static_cast<float>(std::nearbyint(static_cast<double>(value) * scale) / scale);
}

char* writeNumberText(char* cursor, float value) {
  const auto copy = [cursor](std::string_view text) { return std::copy(text.begin(), text.end(), cursor); };
  if (value == 0.0f) return copy("0");
  if (std::isnan(value)) return copy("NaN");
  if (std::isinf(value)) return copy(value > 0 ? "Inf" : "-Inf");

  const float magnitude = std::fabs(value);
  const std::optional<SevenDigits> exactly = sevenDigitsExactly(magnitude);
  const SevenDigits rounded = exactly ? *exactly : sevenDigitsThroughText(magnitude);
  const int exponent = rounded.exponent;
  char digits[7];
  for (std::uint32_t rest = rounded.significand, i = 7; i-- > 0; rest /= 10)
    digits[i] = static_cast<char>('0' + rest % 10);
  int digitCount = 7;
  while (digitCount > 1 && digits[digitCount - 1] == '0') --digitCount;

  const auto put = [&cursor](char c) { *cursor++ = c; };
  if (std::signbit(value)) put('-');
  if (exponent < -4 || exponent > 6) {
    put(digits[0]);
    if (digitCount > 1) put('.');
    for (int i = 1; i < digitCount; ++i) put(digits[i]);
    put('E');
    put(exponent < 0 ? '-' : '+');
    const int exponentMagnitude = std::abs(exponent);
    if (exponentMagnitude < 10) put('0');
    return std::to_chars(cursor, cursor + 3, exponentMagnitude).ptr;
  }
  if (exponent >= 0) {
    for (int i = 0; i <= exponent; ++i) put(i < digitCount ? digits[i] : '0');
    if (digitCount > exponent + 1) put('.');
    for (int i = exponent + 1; i < digitCount; ++i) put(digits[i]);
    return cursor;
  }
  put('0');
  put('.');
  for (int i = 1; i < -exponent; ++i) put('0');
  for (int i = 0; i < digitCount; ++i) put(digits[i]);
  return cursor;
}

std::string NumberText(float value) {
  char text[kMaxNumberTextLength];
  return std::string(text, writeNumberText(text, value));
}

ParsedNumber parseNumber(std::string_view text) {
  std::string_view trimmed = trimBlanks(text);
  if (!followsNumberGrammar(trimmed)) return {NumberStatus::NotNumber, 0.0f};
  const bool negative = trimmed.front() == '-';
  if (trimmed.front() == '+' || negative) trimmed.remove_prefix(1);
  // The nearest float to the decimal value, in one rounding (never through a double).
  float magnitude = 0.0f;
  const auto result = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), magnitude);
  if (result.ec == std::errc::result_out_of_range) {
    // Beyond the float range one way or the other: strtod tells overflow from underflow.
    if (std::fabs(toDouble(std::string(trimmed))) > 1) return {NumberStatus::TooLarge, 0.0f};
    magnitude = 0.0f;
  }
  return {NumberStatus::Number, negative ? -magnitude : magnitude};
}

}  // namespace glandwise

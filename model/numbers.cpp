#include "model/numbers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace glandwise {
namespace {

constexpr std::array<double, 10> kPowersOfTen{1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

// 10^n for 0 <= n <= 10, each a float exactly.
constexpr std::array<float, 11> kFloatPowersOfTen{1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                                  1e6f, 1e7f, 1e8f, 1e9f, 1e10f};

// 10^n for 0 <= n <= 19, exactly.
constexpr std::array<std::uint64_t, 20> kIntegerPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{1};
  for (std::size_t n = 1; n < powers.size(); ++n) powers[n] = powers[n - 1] * 10;
  return powers;
}();

double powerOfTen(int n) {
  return n >= 0 && n < static_cast<int>(kPowersOfTen.size()) ? kPowersOfTen[n] : std::pow(10.0, n);
}

// What std::nearbyint gives in the default rounding mode (to nearest, an exact half to
// even), without its saving and restoring of the floating-point environment, which costs
// more than the rounding: below 2^52, adding 2^52 leaves a double no bits for a fraction,
// so the addition rounds away the fraction and the subtraction is exact.
double roundToWhole(double value) {
  constexpr double kTwoToThe52 = 4503599627370496.0;
  const double magnitude = std::fabs(value);
  if (!(magnitude < kTwoToThe52)) return value;  // already whole, infinite or NaN
  return std::copysign((magnitude + kTwoToThe52) - kTwoToThe52, value);
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
// quotient, rounded half to even, is the seven digits. With 64-bit integers, quicker still,
// for the commonest magnitudes, about 1e-6 to 1e6: nothing when the fraction needs more.
template <class Integer>
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
    // 64 bits hold a denominator that is a power of two and a numerator of the mantissa
    // (below 2^24) times at most 10^12.
    if (sizeof(Integer) == 8 && !(binaryExponent < 0 && binaryExponent > -64 && scale < 0 && scale >= -12))
      return std::nullopt;
    Integer numerator = mantissa, denominator = 1;
    if (binaryExponent >= 0) numerator <<= binaryExponent;
    else denominator <<= -binaryExponent;
    if (scale >= 0) denominator *= kIntegerPowersOfTen[static_cast<std::size_t>(scale)];
    else numerator *= kIntegerPowersOfTen[static_cast<std::size_t>(-scale)];
    // Below 10^6 the denominator is a power of two: a shift is the division.
    const Integer quotient =
        scale < 0 && binaryExponent < 0 ? numerator >> -binaryExponent : numerator / denominator;
    if (quotient >= 10'000'000) {
      ++exponent;
      continue;
    }
    const Integer remainder = numerator - quotient * denominator;
    const Integer rest = denominator - remainder;  // what rounding up adds
    auto significand = static_cast<std::uint32_t>(quotient);
    if (remainder > rest || (remainder == rest && significand % 2 == 1)) ++significand;
    if (significand == 10'000'000) return SevenDigits{1'000'000, exponent + 1};
    return SevenDigits{significand, exponent};
  }
}

// Whichever way is quickest for a positive finite float.
SevenDigits sevenDigits(float magnitude) {
  std::optional<SevenDigits> exactly = sevenDigitsExactly<std::uint64_t>(magnitude);
  if (!exactly) exactly = sevenDigitsExactly<Wide>(magnitude);
  return exactly ? *exactly : sevenDigitsThroughText(magnitude);
}

// The decimal digits of n < 10^8 as the values of eight bytes, the first digit in the
// lowest byte (the first in memory), worked out in parallel in the lanes of one word:
// halves of four digits, then pairs, then single digits.
std::uint64_t eightDigits(std::uint32_t n) {
  static_assert(std::endian::native == std::endian::little);
  const std::uint64_t halves = n / 10000 | std::uint64_t{n % 10000} << 32;
  const std::uint64_t hundreds = (halves * 10486) >> 20 & 0x0000007F0000007F;  // each half / 100
  const std::uint64_t pairs = hundreds | (halves - hundreds * 100) << 16;
  const std::uint64_t tens = (pairs * 103) >> 10 & 0x000F000F000F000F;  // each pair / 10
  return tens | (pairs - tens * 10) << 8;
}

}  // namespace

float RoundDecimals(float value, int decimals) {
  const double scale = powerOfTen(decimals);
  return static_cast<float>(roundToWhole(static_cast<double>(value) * scale) / scale);
}

char* writeNumberText(char* cursor, float value) {
  const auto copy = [cursor](std::string_view text) { return std::copy(text.begin(), text.end(), cursor); };
  if (value == 0.0f) return copy("0");
  if (std::isnan(value)) return copy("NaN");
  if (std::isinf(value)) return copy(value > 0 ? "Inf" : "-Inf");

  const float magnitude = std::fabs(value);
  const SevenDigits rounded = sevenDigits(magnitude);
  const int exponent = rounded.exponent;
  // The seven digits and a zero; the digits that count end before the trailing zeros.
  const std::uint64_t digitValues = eightDigits(rounded.significand * 10);
  const int digitCount = 8 - std::countl_zero(digitValues) / 8;
  const std::uint64_t digits = digitValues + 0x3030303030303030;  // as characters

  if (std::signbit(value)) *cursor++ = '-';
  // The digits are stored eight at a time, past the text's end: what follows overwrites
  // them, within the room of the longest text.
  if (exponent < -4 || exponent > 6) {
    const std::uint64_t afterFirst = digits >> 8;
    cursor[0] = static_cast<char>(digits);
    cursor[1] = '.';
    std::memcpy(cursor + 2, &afterFirst, 8);
    cursor += digitCount > 1 ? digitCount + 1 : 1;
    const int exponentMagnitude = std::abs(exponent);
    const char exponentText[4] = {'E', exponent < 0 ? '-' : '+', static_cast<char>('0' + exponentMagnitude / 10),
                                  static_cast<char>('0' + exponentMagnitude % 10)};
    return std::copy_n(exponentText, 4, cursor);
  }
  if (exponent >= 0) {
    std::memcpy(cursor, &digits, 8);  // the whole part: the first exponent + 1 digits, zeros included
    cursor += exponent + 1;
    if (digitCount <= exponent + 1) return cursor;
    const std::uint64_t fraction = digits >> (8 * (exponent + 1));
    *cursor++ = '.';
    std::memcpy(cursor, &fraction, 8);
    return cursor + digitCount - (exponent + 1);
  }
  std::memcpy(cursor, "0.0000", 6);  // "0." and the zeros after the point
  cursor += 1 - exponent;
  std::memcpy(cursor, &digits, 8);
  return cursor + digitCount;
}

std::string NumberText(float value) {
  char text[kMaxNumberTextLength];
  return std::string(text, writeNumberText(text, value));
}

std::string FigureText(double value, int decimals) {
  return NumberText(RoundDecimals(static_cast<float>(value), decimals));
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

ParsedNumber parseNumberText(float value) {
  if (value == 0.0f) return {NumberStatus::Number, 0.0f};  // "0"
  if (!std::isfinite(value)) return parseNumber(NumberText(value));
  const SevenDigits rounded = sevenDigits(std::fabs(value));
  // significand × 10^scale, the number the text spells: the significand (below 2^24) and a
  // power of ten up to 10^10 are floats exactly, so one float multiplication or division
  // rounds it once, to the nearest float, as parseNumber does.
  const int scale = rounded.exponent - 6;
  if (scale < -10 || scale > 10) return parseNumber(NumberText(value));
  const auto significand = static_cast<float>(rounded.significand);
  const float power = kFloatPowersOfTen[static_cast<std::size_t>(std::abs(scale))];
  const float magnitude = scale >= 0 ? significand * power : significand / power;
  return {NumberStatus::Number, std::signbit(value) ? -magnitude : magnitude};
}

}  // namespace glandwise

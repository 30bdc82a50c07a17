#include "model/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace glandwise {
namespace {

constexpr std::array<double, 10> kPowersOfTen{1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

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

}  // namespace

float RoundDecimals(float value, int decimals) {
  const double scale = powerOfTen(decimals);
  // nearbyint rounds in the default mode: to nearest, an exact half to even.
  return static_cast<float>(std::nearbyint(static_cast<double>(value) * scale) / scale);
}

std::string NumberText(float value) {
  if (value == 0.0f) return "0";
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Inf" : "-Inf";

  // [-]d.dddddde±x: the exact value rounded to 7 significant digits.
  char scientific[32];
  const char* end = std::to_chars(scientific, scientific + sizeof scientific, static_cast<double>(value),
                                  std::chars_format::scientific, 6)
                        .ptr;
  const bool negative = scientific[0] == '-';
  const char* mantissa = scientific + (negative ? 1 : 0);
  const char* ePos = std::find(mantissa, end, 'e');
  char digits[8];
  int digitCount = 0;
  for (const char* c = mantissa; c < ePos; ++c)
    if (*c != '.') digits[digitCount++] = *c;
  while (digitCount > 1 && digits[digitCount - 1] == '0') --digitCount;
  int exponent = 0;
  const char* exponentText = ePos + 1;
  if (*exponentText == '+') ++exponentText;
  std::from_chars(exponentText, end, exponent);

  char text[32];
  int length = 0;
  const auto put = [&](char c) { text[length++] = c; };
  if (negative) put('-');
  if (exponent < -4 || exponent > 6) {
    put(digits[0]);
    if (digitCount > 1) put('.');
    for (int i = 1; i < digitCount; ++i) put(digits[i]);
    put('E');
    put(exponent < 0 ? '-' : '+');
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) put('0');
    length = static_cast<int>(std::to_chars(text + length, text + sizeof text, magnitude).ptr - text);
  } else if (exponent >= 0) {
    for (int i = 0; i <= exponent; ++i) put(i < digitCount ? digits[i] : '0');
    if (digitCount > exponent + 1) put('.');
    for (int i = exponent + 1; i < digitCount; ++i) put(digits[i]);
  } else {
    put('0');
    put('.');
    for (int i = 1; i < -exponent; ++i) put('0');
    for (int i = 0; i < digitCount; ++i) put(digits[i]);
  }
  return std::string(text, static_cast<std::size_t>(length));
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

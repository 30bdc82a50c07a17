#include "numbers.h"

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

  // d.dddddde±x: the exact value rounded to 7 significant digits.
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                    static_cast<double>(value), std::chars_format::scientific, 6);
  const std::string_view scientific(buffer.data(), result.ptr - buffer.data());
  const bool negative = scientific.front() == '-';
  const std::size_t mantissaStart = negative ? 1 : 0;
  const std::size_t ePos = scientific.find('e');
  std::string digits;
  for (std::size_t i = mantissaStart; i < ePos; ++i)
    if (scientific[i] != '.') digits.push_back(scientific[i]);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int exponent = std::atoi(std::string(scientific.substr(ePos + 1)).c_str());

  std::string text = negative ? "-" : "";
  if (exponent < -4 || exponent > 6) {
    text += digits.front();
    if (digits.size() > 1) text += "." + digits.substr(1);
    text += exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
  } else if (exponent >= 0) {
    const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
      text += digits + std::string(integerDigits - digits.size(), '0');
    } else {
      text += digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
    }
  } else {
    text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  return text;
}

ParsedNumber parseNumber(std::string_view text) {
  const std::string_view trimmed = trimBlanks(text);
  if (!followsNumberGrammar(trimmed)) return {NumberStatus::NotNumber, 0.0f};
  const float value = static_cast<float>(toDouble(std::string(trimmed)));
  if (std::isinf(value)) return {NumberStatus::TooLarge, 0.0f};
  return {NumberStatus::Number, value};
}

}  // namespace glandwise

#include "model/number_text.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <fmt/format.h>

namespace glandwise {
namespace {

// Writes the decimal digits of `number`, `count` of them (its digit count), and returns their
// end; {fmt}'s writer, two digits at a time.
char* writeDigits(char* cursor, std::uint32_t number, int count) {
  return fmt::detail::format_decimal(cursor, number, count).end;
}

int digitCount(std::uint32_t number) { return fmt::detail::count_digits(number); }

// d.ddde-XX: the digits of `significand` with the point after the first, and `exponent`
// with at least two digits.
char* writeExponentForm(char* cursor, std::uint32_t significand, int digits, int exponent) {
  char* end = writeDigits(cursor + 1, significand, digits);  // one place to the right, then
  cursor[0] = cursor[1];                                     // the first digit moved back
  if (digits > 1) cursor[1] = '.';
  else end = cursor + 1;
  *end++ = 'e';
  *end++ = exponent < 0 ? '-' : '+';
  const int magnitude = std::abs(exponent);  // below 100 for any float
  *end++ = static_cast<char>('0' + magnitude / 10);
  *end++ = static_cast<char>('0' + magnitude % 10);
  return end;
}

// The plain form of significand × 10^exponent for exponent < 0: "0.0035", "12.5".
char* writeFraction(char* cursor, std::uint32_t significand, int digits, int exponent) {
  const int point = digits + exponent;  // digits before the point
  if (point > 0) return fmt::detail::write_significand(cursor, significand, digits, point, '.');
  // "0." and the zeros after the point: at most three, since with more the exponent form
  // would be shorter.
  std::memcpy(cursor, "0.000", 5);
  return writeDigits(cursor + 2 - point, significand, digits);
}

}  // namespace

// The digits come from the Dragonbox algorithm in {fmt}, about twice as fast as the
// standard library's; the form is std::to_chars's: plain, or with an exponent when that is
// strictly shorter.
char* writeFloatDigits(char* cursor, float value) {
  if (std::signbit(value)) *cursor++ = '-';
  const auto decimal = fmt::detail::dragonbox::to_decimal(std::fabs(value));  // significand × 10^exponent
  const int digits = digitCount(decimal.significand);
  const int point = digits + decimal.exponent;  // digits before the decimal point in plain form
  const int exponent = point - 1;               // of the first digit, in exponent form
  const int plainLength = decimal.exponent >= 0 ? point : point > 0 ? digits + 1 : 2 - decimal.exponent;
  const int exponentLength = digits + (digits > 1) + 4;  // "e", the sign and two digits
  if (exponentLength < plainLength) return writeExponentForm(cursor, decimal.significand, digits, exponent);
  // A whole number, short enough for 64 bits: its exact digits, as long as the shortest
  // ones with zeros appended but nearer (for 33871888, not 33871890).
  if (decimal.exponent >= 0)
    return std::to_chars(cursor, cursor + kMaxNumberLength, static_cast<std::uint64_t>(std::fabs(value))).ptr;
  return writeFraction(cursor, decimal.significand, digits, decimal.exponent);
}

char* writeFigure(char* cursor, double value) {
  return std::to_chars(cursor, cursor + kMaxNumberLength, value, std::chars_format::general, 6).ptr;
}

char* writeInteger(char* cursor, std::int64_t value) {
  return std::to_chars(cursor, cursor + kMaxNumberLength, value).ptr;
}

}  // namespace glandwise

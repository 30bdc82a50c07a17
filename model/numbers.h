#pragma once
// Number display and parsing rules shared by every screen and the batch calculator.

#include <cstddef>
#include <string>
#include <string_view>

namespace glandwise {

// Rounds half to even at the n-th decimal place (n >= 0): the value is widened to a
// 64-bit float, scaled by 10^n, rounded (an exact half goes to the even neighbour),
// scaled back and narrowed to a 32-bit float.
float RoundDecimals(float value, int decimals);

// The display text of a 32-bit float: its exact value rounded to 7 significant digits,
// in plain decimal form (no trailing zeros, "0" for zero) or, when the decimal exponent
// is below -4 or above 6, in E form such as "4E-05" or "1.234568E+07". Always written
// with a decimal point, whatever the regional settings.
std::string NumberText(float value);

// A computed figure as the design review shows it: rounded to `decimals` places as a 32-bit
// float, then its NumberText.
std::string FigureText(double value, int decimals);

// The longest display text: "-1.234568E+38", "-0.0001234567".
inline constexpr std::size_t kMaxNumberTextLength = 16;

// Writes NumberText(value) at `cursor`, which has room for kMaxNumberTextLength bytes, and
// returns its end: for texts made of several parts without a string for each. The bytes
// of that room after the end may be overwritten.
char* writeNumberText(char* cursor, float value);

// What a typed text turns out to be.
enum class NumberStatus {
  Number,     // reads as a number within the 32-bit float range; `value` holds it
  NotNumber,  // empty, or not a number by the rule below
  TooLarge,   // reads as a number but lies outside the 32-bit float range
};

struct ParsedNumber {
  NumberStatus status = NumberStatus::NotNumber;
  float value = 0.0f;  // the nearest 32-bit float, when status is Number
};

// The one number parser: optional blanks around, an optional sign, digits with an
// optional decimal point (at least one digit), an optional exponent (e or E, optional
// sign, digits). No thousands separators, currency signs, hex, "inf" or "nan".
// Independent of the regional settings. The value is the float nearest to the decimal
// value, rounded once; magnitudes too small for a float read as 0.
ParsedNumber parseNumber(std::string_view text);

// parseNumber(NumberText(value)), what a box that shows a value reads back to, without
// the text: quicker, for the editor's boxes that nobody retypes.
ParsedNumber parseNumberText(float value);

}  // namespace glandwise

#pragma once
// How saved and computed numbers are spelled for programs to read back: the batch
// calculator's output in every format, and saved gland files.

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace glandwise {

// Longest text of a number: a float's or a double's shortest form, or a 64-bit integer.
inline constexpr std::size_t kMaxNumberLength = 24;

// Each writes a finite number's text at `cursor` (room for kMaxNumberLength bytes) and
// returns its end.

// writeFloat() for any value but +0.
char* writeFloatDigits(char* cursor, float value);
// A record variable: the shortest decimal that reads back to the same 32-bit float, spelled
// as std::to_chars spells it ("0.139", "1500", "5e-04", "-0"). Zero, the commonest value in
// a record, is written without a call.
inline char* writeFloat(char* cursor, float value) {
  if (value == 0.0f && !std::signbit(value)) {
    *cursor = '0';
    return cursor + 1;
  }
  return writeFloatDigits(cursor, value);
}
// A computed figure to 6 significant digits (plenty for any engineering figure, and free
// of the noise of float-to-double widening): "67.4185", "0.00600004", "1e-07".
char* writeFigure(char* cursor, double value);
char* writeInteger(char* cursor, std::int64_t value);

}  // namespace glandwise

#include "cli/json_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace glandwise::calc {
namespace {

// Longest text of a number: a float's or a double's shortest form, or a 64-bit integer.
constexpr std::size_t kMaxNumberLength = 24;
// Longest escape of one byte: \u00XX.
constexpr std::size_t kMaxEscapeLength = 6;
// The least by which the buffer grows, in bytes.
constexpr std::size_t kMinimumGrowth = 64 * 1024;

// For each byte, whether it must be escaped inside a JSON string.
constexpr std::array<bool, 256> kNeedsEscape = [] {
  std::array<bool, 256> table{};
  for (int c = 0; c < 0x20; ++c) table[c] = true;
  table['"'] = true;
  table['\\'] = true;
  return table;
}();

char shortEscape(char c) {
  switch (c) {
    case '"': return '"';
    case '\\': return '\\';
    case '\n': return 'n';
    case '\r': return 'r';
    case '\t': return 't';
    case '\b': return 'b';
    case '\f': return 'f';
    default: return 0;
  }
}

char* writeEscaped(char* cursor, char c) {
  *cursor++ = '\\';
  if (const char escape = shortEscape(c)) {
    *cursor++ = escape;
    return cursor;
  }
  constexpr std::string_view kHex = "0123456789abcdef";
  const auto code = static_cast<unsigned char>(c);
  for (char digit : {'u', '0', '0', kHex[code >> 4], kHex[code & 0xF]}) *cursor++ = digit;
  return cursor;
}

char* writeQuoted(char* cursor, std::string_view text) {
  *cursor++ = '"';
  for (char c : text) {
    if (kNeedsEscape[static_cast<unsigned char>(c)]) {
      cursor = writeEscaped(cursor, c);
    } else {
      *cursor++ = c;
    }
  }
  *cursor++ = '"';
  return cursor;
}

std::size_t maxQuotedLength(std::string_view text) { return text.size() * kMaxEscapeLength + 2; }

}  // namespace

void JsonWriter::grow(std::size_t size) { buffer_.resize(std::max(size, 2 * buffer_.size() + kMinimumGrowth)); }

char* JsonWriter::openRoom(std::size_t bytes) {
  const std::size_t needed = used_ + bytes + 1;
  if (buffer_.size() < needed) grow(needed);
  char* cursor = buffer_.data() + used_;
  if (needComma_) *cursor++ = ',';
  return cursor;
}

void JsonWriter::closeRoom(const char* end, bool completesValue) {
  used_ = static_cast<std::size_t>(end - buffer_.data());
  needComma_ = completesValue;
}

void JsonWriter::open(char bracket) {
  char* cursor = openRoom(1);
  *cursor++ = bracket;
  closeRoom(cursor, false);
}

void JsonWriter::close(char bracket) {
  needComma_ = false;
  char* cursor = openRoom(1);
  *cursor++ = bracket;
  closeRoom(cursor, true);
}

void JsonWriter::beginObject() { open('{'); }
void JsonWriter::endObject() { close('}'); }
void JsonWriter::beginArray() { open('['); }
void JsonWriter::endArray() { close(']'); }

void JsonWriter::key(std::string_view name) {
  char* cursor = writeQuoted(openRoom(maxQuotedLength(name) + 1), name);
  *cursor++ = ':';
  closeRoom(cursor, false);
}

void JsonWriter::string(std::string_view text) { closeRoom(writeQuoted(openRoom(maxQuotedLength(text)), text), true); }

void JsonWriter::number(float value) {
  char* cursor = openRoom(kMaxNumberLength);
  if (value == 0.0f && !std::signbit(value)) {
    *cursor++ = '0';  // the commonest value in a record: spare it the general conversion
  } else if (std::isfinite(value)) {
    cursor = std::to_chars(cursor, cursor + kMaxNumberLength, value).ptr;
  } else {
    cursor = std::copy_n("null", 4, cursor);
  }
  closeRoom(cursor, true);
}

void JsonWriter::figure(double value) {
  char* cursor = openRoom(kMaxNumberLength);
  cursor = std::isfinite(value)
               ? std::to_chars(cursor, cursor + kMaxNumberLength, value, std::chars_format::general, 6).ptr
               : std::copy_n("null", 4, cursor);
  closeRoom(cursor, true);
}

void JsonWriter::integer(std::int64_t value) {
  char* cursor = openRoom(kMaxNumberLength);
  closeRoom(std::to_chars(cursor, cursor + kMaxNumberLength, value).ptr, true);
}

void JsonWriter::endLine() {
  needComma_ = false;
  char* cursor = openRoom(1);
  *cursor++ = '\n';
  closeRoom(cursor, false);
}

void JsonWriter::clear() {
  used_ = 0;
  needComma_ = false;
}

void JsonWriter::boolean(bool value) {
  const std::string_view text = value ? "true" : "false";
  closeRoom(std::copy(text.begin(), text.end(), openRoom(text.size())), true);
}

void JsonWriter::null() {
  constexpr std::string_view text = "null";
  closeRoom(std::copy(text.begin(), text.end(), openRoom(text.size())), true);
}

}  // namespace glandwise::calc

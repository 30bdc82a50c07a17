#include "cli/json_writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "model/number_text.h"

namespace glandwise::calc {
namespace {

// Longest escape of one byte: \u00XX.
constexpr std::size_t kMaxEscapeLength = 6;

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

// Whether any of the eight bytes of `word` must be escaped: the test for a byte below n
// (a zero byte's, generalised) for control characters, and for quotes and backslashes
// once those are made zero.
bool anyNeedsEscape(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0101010101010101, kHighBits = 0x8080808080808080;
  const auto anyBelow = [](std::uint64_t bytes, std::uint64_t n) { return (bytes - kOnes * n) & ~bytes & kHighBits; };
  return anyBelow(word, 0x20) | anyBelow(word ^ (kOnes * '"'), 1) | anyBelow(word ^ (kOnes * '\\'), 1);
}

// Copies eight bytes at a time up to the first word with a byte to escape, then byte by
// byte: escapes are rare.
char* writeQuoted(char* cursor, std::string_view text) {
  *cursor++ = '"';
  std::size_t i = 0;
  for (std::uint64_t word; i + 8 <= text.size(); i += 8, cursor += 8) {
    std::memcpy(&word, text.data() + i, 8);
    if (anyNeedsEscape(word)) break;
    std::memcpy(cursor, &word, 8);
  }
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (kNeedsEscape[static_cast<unsigned char>(c)]) cursor = writeEscaped(cursor, c);
    else *cursor++ = c;
  }
  *cursor++ = '"';
  return cursor;
}

std::size_t maxQuotedLength(std::string_view text) { return text.size() * kMaxEscapeLength + 2; }

}  // namespace

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

std::string JsonWriter::quotedKey(std::string_view name) {
  std::string quoted(maxQuotedLength(name) + 1, '\0');
  char* end = writeQuoted(quoted.data(), name);
  *end++ = ':';
  quoted.resize(static_cast<std::size_t>(end - quoted.data()));
  return quoted;
}

void JsonWriter::figure(double value) { finiteOrNull(value, writeFigure); }

void JsonWriter::integer(std::int64_t value) {
  char* cursor = openRoom(kMaxNumberLength);
  closeRoom(writeInteger(cursor, value), true);
}

void JsonWriter::endLine() {
  needComma_ = false;
  char* cursor = openRoom(1);
  *cursor++ = '\n';
  closeRoom(cursor, false);
}

void JsonWriter::clear() {
  text_.clear();
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

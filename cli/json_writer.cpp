#include "cli/json_writer.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "cli/number_text.h"

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

char* JsonWriter::openRoom(std::size_t bytes) {
  char* cursor = text_.room(bytes + 1);
  if (needComma_) *cursor++ = ',';
  return cursor;
}

void JsonWriter::closeRoom(const char* end, bool completesValue) {
  text_.commit(end);
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

void JsonWriter::preparedKey(std::string_view quoted) {
  char* cursor = openRoom(quoted.size());
  closeRoom(std::copy(quoted.begin(), quoted.end(), cursor), false);
}

std::string JsonWriter::quotedKey(std::string_view name) {
  std::string quoted(maxQuotedLength(name) + 1, '\0');
  char* end = writeQuoted(quoted.data(), name);
  *end++ = ':';
  quoted.resize(static_cast<std::size_t>(end - quoted.data()));
  return quoted;
}

template <class Number, class Write>
void JsonWriter::finiteOrNull(Number value, Write write) {
  char* cursor = openRoom(kMaxNumberLength);
  closeRoom(std::isfinite(value) ? write(cursor, value) : std::copy_n("null", 4, cursor), true);
}

void JsonWriter::number(float value) { finiteOrNull(value, writeFloat); }
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

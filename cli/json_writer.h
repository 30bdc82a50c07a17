#pragma once
// A minimal streaming JSON writer for the batch calculator's output.

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/number_text.h"
#include "cli/text_buffer.h"

namespace glandwise::calc {

// Writes JSON Lines into its own buffer: compact JSON (no blanks) one value per line, one
// call per token. The caller opens and closes objects and arrays and writes keys and values
// in order; the writer puts the commas and colons and escapes strings. Strings are copied
// byte for byte (UTF-8 stays as it is) with quotes, backslashes and control characters
// escaped. It checks no nesting: the caller's sequence of calls is the document.
class JsonWriter {
 public:
  void beginObject();
  void endObject();
  void beginArray();
  void endArray();
  void key(std::string_view name);
  // A key as quotedKey() spelled it, for keys written again and again.
  void preparedKey(std::string_view quoted) { closeRoom(copyText(openRoom(quoted.size()), quoted), false); }
  // `name` quoted and escaped, with the colon that follows a key.
  static std::string quotedKey(std::string_view name);

  void string(std::string_view text);
  // A string that needs no escaping, copied as it is.
  void plainString(std::string_view text) {
    char* cursor = openRoom(text.size() + 2);
    *cursor++ = '"';
    cursor = copyText(cursor, text);
    *cursor++ = '"';
    closeRoom(cursor, true);
  }
  // The numbers as model/number_text.h spells them; null when not finite, since JSON has no
  // infinities.
  void number(float value) {
    finiteOrNull(value, [](char* cursor, float finite) { return writeFloat(cursor, finite); });
  }
  // preparedKey(quotedKey) and number(value) in one room: the bulk of a line.
  void numberMember(std::string_view quotedKey, float value) {
    char* cursor = copyText(openRoom(quotedKey.size() + kMaxNumberLength), quotedKey);
    closeRoom(std::isfinite(value) ? writeFloat(cursor, value) : copyText(cursor, "null"), true);
  }
  void figure(double value);
  void integer(std::int64_t value);
  void boolean(bool value);
  void null();

  // Ends the line of the value just written; the next value starts a new line.
  void endLine();

  // Everything written since construction or the last clear().
  std::string_view text() const { return text_.text(); }
  // Empties the text, keeping the buffer's storage for reuse.
  void clear();

 private:
  // Makes room after the text for a token of at most `bytes` characters, writes the comma
  // that separates it from a preceding sibling, and returns where the token goes.
  char* openRoom(std::size_t bytes) {
    char* cursor = text_.room(bytes + 1);
    *cursor = ',';
    return cursor + needComma_;
  }
  // Ends the text at `end`, the end of the token just written; `completesValue` tells
  // whether that token ended a value (so that a comma must precede the next sibling).
  void closeRoom(const char* end, bool completesValue) {
    text_.commit(end);
    needComma_ = completesValue;
  }
  void open(char bracket);
  void close(char bracket);
  // Writes a number that `write` spells when it is finite, null otherwise.
  template <class Number, class Write>
  void finiteOrNull(Number value, Write write) {
    char* cursor = openRoom(kMaxNumberLength);
    closeRoom(std::isfinite(value) ? write(cursor, value) : copyText(cursor, "null"), true);
  }

  TextBuffer text_;         // the JSON written
  bool needComma_ = false;  // a value or a closed container precedes at this level
};

}  // namespace glandwise::calc

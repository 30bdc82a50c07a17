#pragma once
// UTF-8 text as the program's messages and output need it: checked, and shortened only
// between characters.

#include <cstddef>
#include <string_view>

namespace glandwise {

// Whether `text` is well-formed UTF-8 (no stray continuation byte, no overlong form, no
// code point beyond U+10FFFF, nothing cut short).
bool isValidUtf8(std::string_view text);

// The longest start of `text` of at most `maxBytes` bytes that does not end inside a
// character: a text cut there stays UTF-8.
std::string_view utf8Prefix(std::string_view text, std::size_t maxBytes);

}  // namespace glandwise

#pragma once
// Checks of text that comes from outside: files and arguments that must be shown or written.

#include <string_view>

namespace glandwise {

// Whether `text` is UTF-8: each lead byte (C2 to F4 beyond ASCII) followed by its continuation bytes.
bool validUtf8(std::string_view text);

}  // namespace glandwise

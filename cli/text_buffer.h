#pragma once
// The growing buffer that the batch calculator's output writers put their text into.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace glandwise::calc {

// Text written straight into spare room at its end, since the output is large and speed
// matters: room() hands out at least the bytes asked for, the writer fills some of them
// and commit()s where it stopped. clear() keeps the storage for the next use.
class TextBuffer {
 public:
  char* room(std::size_t bytes) {
    if (buffer_.size() < used_ + bytes) grow(used_ + bytes);
    return buffer_.data() + used_;
  }
  // The text now ends at `end`, within the room last handed out.
  void commit(const char* end) { used_ = static_cast<std::size_t>(end - buffer_.data()); }
  void append(std::string_view text) { commit(std::copy(text.begin(), text.end(), room(text.size()))); }

  std::string_view text() const { return {buffer_.data(), used_}; }
  void clear() { used_ = 0; }

 private:
  // Enlarges the storage to at least `size` bytes, geometrically.
  void grow(std::size_t size);

  std::string buffer_;    // storage: the text, then spare room
  std::size_t used_ = 0;  // length of the text at the start of buffer_
};

}  // namespace glandwise::calc

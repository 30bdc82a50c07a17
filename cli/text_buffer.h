#pragma once
// The growing buffer that the batch calculator's output writers put their text into.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace glandwise::calc {

// Copies `text` to `to` and returns the end, as std::copy does, but copies a text of 4 to
// 16 bytes (most keys and values) in two overlapping words rather than by a library call.
inline char* copyText(char* to, std::string_view text) {
  const std::size_t size = text.size();
  const auto copyEnds = [&]<class Word>(Word) {
    Word first, last;
    std::memcpy(&first, text.data(), sizeof(Word));
    std::memcpy(&last, text.data() + size - sizeof(Word), sizeof(Word));
    std::memcpy(to, &first, sizeof(Word));
    std::memcpy(to + size - sizeof(Word), &last, sizeof(Word));
    return to + size;
  };
  if (size >= 8 && size <= 16) return copyEnds(std::uint64_t{});
  if (size >= 4 && size < 8) return copyEnds(std::uint32_t{});
  return std::copy(text.begin(), text.end(), to);
}

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
  void append(std::string_view text) { commit(copyText(room(text.size()), text)); }

  std::string_view text() const { return {buffer_.data(), used_}; }
  void clear() { used_ = 0; }

 private:
  // Enlarges the storage to at least `size` bytes, geometrically.
  void grow(std::size_t size);

  std::string buffer_;    // storage: the text, then spare room
  std::size_t used_ = 0;  // length of the text at the start of buffer_
};

}  // namespace glandwise::calc

#pragma once
// Writing to a file descriptor so that a failed write is noticed, and why it failed.

#include <array>
#include <streambuf>

namespace glandwise::calc {

// A stream buffer over a file descriptor (standard output, say) that keeps the error
// number of the first write that fails; from then on every write fails, so that the stream
// goes bad and the writer stops.
class DescriptorBuffer final : public std::streambuf {
 public:
  explicit DescriptorBuffer(int descriptor);
  ~DescriptorBuffer() override;
  // errno of the first failed write; 0 while every write has succeeded.
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  bool writeAll(const char* text, std::size_t count);
  bool flushBuffer();

  int descriptor_;
  int error_ = 0;
  std::array<char, 64 * 1024> buffer_;
};

}  // namespace glandwise::calc

#include "cli/descriptor_output.h"

#include <cerrno>
#include <unistd.h>

namespace glandwise::calc {

DescriptorBuffer::DescriptorBuffer(int descriptor) : descriptor_(descriptor) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorBuffer::~DescriptorBuffer() { flushBuffer(); }

bool DescriptorBuffer::writeAll(const char* text, std::size_t count) {
  while (error_ == 0 && count > 0) {
    const ssize_t written = ::write(descriptor_, text, count);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error_ = written < 0 ? errno : EIO;
      break;
    }
    text += written;
    count -= static_cast<std::size_t>(written);
  }
  return error_ == 0;
}

bool DescriptorBuffer::flushBuffer() {
  const bool written = writeAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return written;
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type c) {
  if (!flushBuffer()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

std::streamsize DescriptorBuffer::xsputn(const char* text, std::streamsize count) {
  if (count <= epptr() - pptr()) {
    traits_type::copy(pptr(), text, static_cast<std::size_t>(count));
    pbump(static_cast<int>(count));
    return count;
  }
  // Too much for the buffer: what it holds, then the text straight through.
  if (!flushBuffer() || !writeAll(text, static_cast<std::size_t>(count))) return 0;
  return count;
}

int DescriptorBuffer::sync() { return flushBuffer() ? 0 : -1; }

}  // namespace glandwise::calc

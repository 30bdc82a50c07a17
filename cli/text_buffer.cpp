#include "cli/text_buffer.h"

namespace glandwise::calc {
namespace {

// The least by which the buffer grows, in bytes.
constexpr std::size_t kMinimumGrowth = 4 * 1024;

}  // namespace

void TextBuffer::grow(std::size_t size) { buffer_.resize(std::max(size, 2 * buffer_.size() + kMinimumGrowth)); }

}  // namespace glandwise::calc

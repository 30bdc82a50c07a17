#include "cli/standard_descriptors.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace glandwise::calc {
namespace {

// Whether `descriptor` was closed; if so /dev/null now has its number (the lowest free one,
// as the lower ones are open).
bool reopenIfClosed(int descriptor) {
  if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) return false;
  const int opened = ::open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
  if (opened >= 0 && opened != descriptor) ::close(opened);
  return true;
}

}  // namespace

ClosedDescriptors reopenClosedStandardDescriptors() {
  ClosedDescriptors closed;
  closed.input = reopenIfClosed(STDIN_FILENO);
  closed.output = reopenIfClosed(STDOUT_FILENO);
  closed.error = reopenIfClosed(STDERR_FILENO);
  return closed;
}

}  // namespace glandwise::calc

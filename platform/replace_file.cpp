#include "platform/replace_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace glandwise {
namespace {

std::string failure(const std::string& what, const std::string& path, int error) {
  return "cannot " + what + " " + path + ": " + std::strerror(error);
}

// The permissions a new file gets from the user's file-creation mask.
mode_t newFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool writeAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::string replaceFile(const std::string& directory, const std::string& name, std::string_view bytes) {
  const std::string target = directory + "/" + name;
  std::string temporary = directory + "/." + name + ".XXXXXX";
  const int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (descriptor < 0) return failure("create a file in", directory, errno);

  const bool written = ::fchmod(descriptor, newFileMode()) == 0 && writeAll(descriptor, bytes) &&
                       ::fsync(descriptor) == 0;
  const int writeError = errno;
  const bool closed = ::close(descriptor) == 0;
  if (!written || !closed) {
    const int error = written ? errno : writeError;
    ::unlink(temporary.c_str());
    return failure("write", target, error);
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return failure("replace", target, error);
  }
  return {};
}

std::string replaceFileAt(const std::string& path, std::string_view bytes) {
  const std::filesystem::path file(path);
  return replaceFile(file.has_parent_path() ? file.parent_path().string() : ".", file.filename().string(), bytes);
}

}  // namespace glandwise

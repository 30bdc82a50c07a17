#include "platform/runtime_dir.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace glandwise {

void provideRuntimeDirectory() {
  if (const char* existing = std::getenv("XDG_RUNTIME_DIR"); existing && *existing) return;
  const std::string folder = "/tmp/runtime-" + std::to_string(::getuid());
  ::mkdir(folder.c_str(), 0700);
  struct stat status {};
  if (::lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != ::getuid() ||
      (status.st_mode & 0777) != 0700)
    return;
  ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

}  // namespace glandwise

#include "cli/calc_reports.h"

#include <csignal>
#include <pthread.h>

#include "platform/replace_file.h"

namespace glandwise::calc {

std::string putFileInPlace(const std::string& directory, const std::string& name, std::string_view bytes) {
  sigset_t stops, before;
  sigemptyset(&stops);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&stops, signal);
  pthread_sigmask(SIG_BLOCK, &stops, &before);
  std::string error = replaceFile(directory, name, bytes);
  pthread_sigmask(SIG_SETMASK, &before, nullptr);
  return error;
}

}  // namespace glandwise::calc

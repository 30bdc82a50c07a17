#include "platform/print_job.h"

#include <dlfcn.h>

#include <memory>

// Declarations only: the program does not link libcups (nor gnutls, Kerberos and Avahi
// that come with it), so that a start without printing never loads them.
#include <cups/cups.h>

namespace glandwise {
namespace {

// The CUPS library as Qt's CUPS print plugin loaded it.
constexpr const char* kCupsLibrary = "libcups.so.2";

struct CloseLibrary {
  void operator()(void* library) const { dlclose(library); }
};
using Library = std::unique_ptr<void, CloseLibrary>;

}  // namespace

QString cupsJobRefusal() {
  // The library already loaded, never a new one: CUPS keeps each thread's last answer in
  // the library's own state, so only the instance that handed over the job knows it. When
  // none is loaded, no job went to CUPS in this process and there is nothing to ask.
  const Library cups(dlopen(kCupsLibrary, RTLD_NOW | RTLD_NOLOAD));
  if (!cups) return {};
  const auto lastError = reinterpret_cast<decltype(&cupsLastError)>(dlsym(cups.get(), "cupsLastError"));
  const auto lastErrorString =
      reinterpret_cast<decltype(&cupsLastErrorString)>(dlsym(cups.get(), "cupsLastErrorString"));
  if (!lastError || !lastErrorString) return {};
  // The "successful-ok" statuses, some attributes ignored or substituted included.
  if (lastError() <= IPP_STATUS_OK_EVENTS_COMPLETE) return {};
  return QStringLiteral("The print system did not accept the job: %1").arg(QString::fromUtf8(lastErrorString()));
}

}  // namespace glandwise

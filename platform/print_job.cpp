#include "platform/print_job.h"

#include <cups/cups.h>

namespace glandwise {

QString cupsJobRefusal() {
  // The "successful-ok" statuses, some attributes ignored or substituted included.
  if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE) return {};
  return QStringLiteral("The print system did not accept the job: %1")
      .arg(QString::fromUtf8(cupsLastErrorString()));
}

}  // namespace glandwise

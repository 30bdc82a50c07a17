#pragma once
// What the print system (CUPS) answered when a print job was handed to it.

#include <QString>

namespace glandwise {

// Why CUPS refused the last print job that this thread handed it, in words a person
// understands, or empty when CUPS took the job. Qt's CUPS printing submits the finished
// document as its painter ends and does not look at CUPS's answer, so a queue that refuses
// jobs would pass for a successful print. CUPS keeps the answer to each thread's last
// request: ask straight after the painter has ended on a CUPS printer (native output
// format), on the same thread, before anything else talks to CUPS.
QString cupsJobRefusal();

}  // namespace glandwise

#include "cli/pdf_reports.h"

#include <csignal>
#include <optional>
#include <pthread.h>

#include "platform/replace_file.h"
#include "model/gland_side.h"
#include "results/report.h"
#include "results/review_page.h"
#include "results/results_sheet.h"

namespace glandwise::calc {
namespace {

// Holds back the signals that ask a program to stop (Ctrl+C, kill) while it lives, so that
// a writer stopped while putting a file in place stops once it is there, leaving no
// temporary file behind.
class StopSignalsHeld {
 public:
  StopSignalsHeld() {
    sigset_t stops;
    sigemptyset(&stops);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&stops, signal);
    pthread_sigmask(SIG_BLOCK, &stops, &before_);
  }
  ~StopSignalsHeld() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
  StopSignalsHeld(const StopSignalsHeld&) = delete;
  StopSignalsHeld& operator=(const StopSignalsHeld&) = delete;

 private:
  sigset_t before_;  // the signal mask to go back to
};

}  // namespace

ReportFile PdfReportWriter::write(std::size_t lineNumber, const SessionResult& result) {
  const std::string name = "line-" + std::to_string(lineNumber) + ".pdf";
  // The sheet rounds its record in place as it loads; the session's record is already
  // rounded so, and rounding again changes nothing.
  GlandRecord record = result.record;
  const GlandSide& side = glandSide(*result.glandType);
  ResultsSheet sheet(record, side);
  std::optional<ReviewPage> review;
  if (reviewPages_ && result.review) review.emplace(record, side, *result.review, *result.reviewInputs, todayText());
  const QByteArray pdf = reportPdf(sheet.sheetArea(), review ? &*review : nullptr);
  std::string error = "the report page could not be drawn";
  if (!pdf.isEmpty()) {
    const StopSignalsHeld held;
    error = replaceFile(directory_, name, {pdf.constData(), std::size_t(pdf.size())});
  }
  if (!error.empty()) {
    ++failures_;
    return {{}, std::move(error)};
  }
  return {directory_ + "/" + name, {}};
}

}  // namespace glandwise::calc

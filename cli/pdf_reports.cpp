#include "cli/pdf_reports.h"

#include <optional>

#include "model/gland_side.h"
#include "results/report.h"
#include "results/review_page.h"
#include "results/results_sheet.h"

namespace glandwise::calc {

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
  std::string error = pdf.isEmpty() ? "the report page could not be drawn"
                                    : putFileInPlace(directory_, name, {pdf.constData(), std::size_t(pdf.size())});
  if (!error.empty()) {
    ++failures_;
    return {{}, std::move(error)};
  }
  return {directory_ + "/" + name, {}};
}

}  // namespace glandwise::calc

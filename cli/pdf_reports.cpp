#include "cli/pdf_reports.h"

#include <filesystem>

#include "model/gland_side.h"
#include "results/report.h"
#include "results/results_sheet.h"

namespace glandwise::calc {

ReportFile PdfReportWriter::write(std::size_t lineNumber, const SessionResult& result) {
  const std::string path =
      (std::filesystem::path(directory_) / ("line-" + std::to_string(lineNumber) + ".pdf")).string();
  // The sheet rounds its record in place as it loads; the session's record is already
  // rounded so, and rounding again changes nothing.
  GlandRecord record = result.record;
  ResultsSheet sheet(record, glandSide(*result.glandType));
  const QString failure = writeReportPdf(sheet, QString::fromStdString(path));
  if (!failure.isEmpty()) return {{}, failure.toStdString()};
  return {path, {}};
}

}  // namespace glandwise::calc

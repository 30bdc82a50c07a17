#pragma once
// The batch calculator's reports as PDF files, drawn by the results sheet's own widget.

#include <string>

#include "cli/calc_reports.h"

namespace glandwise::calc {

// Writes each report as a one-page PDF named after its input line ("line-12.pdf") into one
// folder, drawn offscreen by the same results-sheet widget and page code as PRINT REPORT.
// Each file is put in place whole (an existing one of the same name is replaced) or not at
// all. Needs a QApplication on the calling thread.
class PdfReportWriter final : public ReportWriter {
 public:
  explicit PdfReportWriter(std::string directory) : directory_(std::move(directory)) {}
  ReportFile write(std::size_t lineNumber, const SessionResult& result) override;
  // How many reports could not be written.
  std::size_t failures() const { return failures_; }

 private:
  std::string directory_;    // folder the PDF files go into; it exists
  std::size_t failures_ = 0;
};

}  // namespace glandwise::calc

#pragma once
// The batch calculator's reports as PDF files, drawn by the results sheet's own widget.

#include <string>

#include <QByteArray>

#include "cli/calc_reports.h"

namespace glandwise::calc {

// Writes each report as a one-page PDF named after its input line ("line-12.pdf") into one
// folder, drawn offscreen by the same results-sheet widget and page code as PRINT REPORT;
// with review pages, a reviewed gland's report has the review window's printed page second.
// A face seal's report is the face seal designer's printed page.
// Each file is put in place whole (an existing one of the same name is replaced) or not at
// all. Needs a QApplication on the calling thread.
class PdfReportWriter final : public ReportWriter {
 public:
  PdfReportWriter(std::string directory, bool reviewPages)
      : directory_(std::move(directory)), reviewPages_(reviewPages) {}
  ReportFile write(std::size_t lineNumber, const SessionResult& result) override;
  std::size_t failures() const override { return failures_; }

 private:
  // Puts the file `name` in place with `pdf` (empty: it could not be drawn).
  ReportFile put(const std::string& name, const QByteArray& pdf);

  std::string directory_;    // folder the PDF files go into; it exists
  bool reviewPages_;         // add the review page to the reports of reviewed glands
  std::size_t failures_ = 0;
};

}  // namespace glandwise::calc

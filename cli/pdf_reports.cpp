#include "cli/pdf_reports.h"

#include <optional>

#include "facedesigner/face_page.h"
#include "model/gland_side.h"
#include "results/report.h"
#include "results/review_page.h"
#include "results/results_sheet.h"

namespace glandwise::calc {

namespace {

// The face seal's page as a PDF; empty when it could not be drawn.
QByteArray facePdf(const FaceResult& face) {
  const FacePage page{*face.design.gland, *face.analysis, face.review ? &*face.review : nullptr,
                      face.reviewInputs ? &*face.reviewInputs : nullptr, todayText()};
  return pagePdf([&page](QPainter& painter, QPagedPaintDevice& device, int resolution) {
    drawFacePage(painter, device, resolution, page);
  });
}

}  // namespace

ReportFile PdfReportWriter::write(std::size_t lineNumber, const SessionResult& result) {
  const std::string name = "line-" + std::to_string(lineNumber) + ".pdf";
  if (result.face) return put(name, facePdf(*result.face));
  // The sheet rounds its record in place as it loads; the session's record is already
  // rounded so, and rounding again changes nothing.
  GlandRecord record = result.record;
  const GlandSide& side = glandSide(*result.glandType);
  ResultsSheet sheet(record, side);
  std::optional<ReviewPage> review;
  if (reviewPages_ && result.review) review.emplace(record, side, *result.review, *result.reviewInputs, todayText());
  return put(name, reportPdf(sheet.sheetArea(), review ? &*review : nullptr));
}

ReportFile PdfReportWriter::put(const std::string& name, const QByteArray& pdf) {
  std::string error = pdf.isEmpty() ? "the report page could not be drawn"
                                    : putFileInPlace(directory_, name, {pdf.constData(), std::size_t(pdf.size())});
  if (!error.empty()) {
    ++failures_;
    return {{}, std::move(error)};
  }
  return {directory_ + "/" + name, {}};
}

}  // namespace glandwise::calc

// glandwise-report: the report writer that glandwise-calc starts for --report-dir (and for
// SVG drawings). It draws each report with the results sheet's widget, offscreen, and puts
// it in the folder given as its first argument; with "--svg-drawings" after it, it writes
// the gland's section drawing as SVG instead. It converses on its standard input and output
// (one socket, see cli/report_channel.h): it takes the AS568 table's text first (when not
// empty, the report of a gland sent with its review inputs gets the review page second,
// reviewed with that table as glandwise-calc reviews it) and greets, then answers requests
// until glandwise-calc ends the conversation.

#include <QApplication>
#include <memory>
#include <optional>
#include <string_view>
#include <unistd.h>

#include "cli/drawing_files.h"
#include "cli/pdf_reports.h"
#include "cli/report_channel.h"
#include "cli/standard_descriptors.h"
#include "face/face_data.h"
#include "model/as568.h"
#include "model/review.h"
#include "platform/runtime_dir.h"
#include "results/drawing_paint.h"

namespace {

std::string svgBytes(const glandwise::drawing::Drawing& drawing) {
  const QByteArray svg = glandwise::drawingSvg(drawing);
  return {svg.constData(), std::size_t(svg.size())};
}

}  // namespace

int main(int argc, char** argv) {
  glandwise::calc::reopenClosedStandardDescriptors();
  const bool svgDrawings = argc == 3 && std::string_view(argv[2]) == "--svg-drawings";
  if (argc != 2 && !svgDrawings) return 2;
  // The conversation keeps a descriptor of its own; anything printed goes to standard error.
  const int socket = ::dup(STDOUT_FILENO);
  ::dup2(STDERR_FILENO, STDOUT_FILENO);
  const std::optional<std::string> table = glandwise::calc::receiveText(socket, glandwise::kMaxAs568TableBytes);
  if (!table) return 1;
  std::optional<glandwise::As568Table> as568;
  if (!table->empty()) {
    glandwise::As568Load load = glandwise::As568Table::parse(*table, "the AS568 table");
    if (!load.table) return glandwise::calc::sendText(socket, load.error) ? 2 : 1;
    as568 = std::move(load.table);
  }
  // The sheets are never shown: draw them without a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  glandwise::provideRuntimeDirectory();
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  std::unique_ptr<glandwise::calc::ReportWriter> writer;
  if (svgDrawings) writer = std::make_unique<glandwise::calc::DrawingFileWriter>(argv[1], ".svg", svgBytes);
  else writer = std::make_unique<glandwise::calc::PdfReportWriter>(argv[1], as568.has_value());
  // The face seal's rules, from beside this program as glandwise-calc reads them.
  const glandwise::FaceDataLoad faceData =
      glandwise::loadFaceData(glandwise::shippedDataFolder(QCoreApplication::applicationFilePath().toStdString()));
  if (!glandwise::calc::sendText(socket, "")) return 1;
  while (const std::optional<glandwise::calc::ReportRequest> request = glandwise::calc::receiveRequest(socket)) {
    glandwise::calc::SessionResult result;
    if (request->face) {
      result.screen = glandwise::calc::Screen::Face;
      glandwise::FaceResult& face = result.face.emplace();
      face.design.gland = *request->face;
      face.analysis = glandwise::analyseFaceGland(*request->face);
      face.reviewInputs = request->faceReview;
      if (faceData.data)
        face.review =
            glandwise::reviewFaceGland(*request->face, *face.analysis, request->faceReview, *faceData.data);
      if (!glandwise::calc::sendReply(socket, writer->write(request->lineNumber, result))) return 1;
      continue;
    }
    result.glandType = request->glandType;
    result.record = request->record;
    result.reviewInputs = request->review;
    if (request->review && as568) {
      result.review = glandwise::reviewGland(result.record, glandwise::glandSide(request->glandType),
                                             *request->review, &*as568);
    }
    if (!glandwise::calc::sendReply(socket, writer->write(request->lineNumber, result))) return 1;
  }
  return 0;
}

// glandwise-report: the report writer that glandwise-calc starts for --report-dir. It draws
// each report with the results sheet's widget, offscreen, and puts it in the folder given
// as its first argument; after "--review TABLE" the report of a gland sent with its review
// inputs gets the review page second, reviewed with that AS568 table as glandwise-calc
// reviews it. It takes requests on its standard input and replies on its standard output
// (one socket, see cli/report_channel.h) until glandwise-calc ends the conversation.

#include <QApplication>
#include <optional>
#include <string_view>
#include <unistd.h>

#include "cli/pdf_reports.h"
#include "cli/report_channel.h"
#include "face/face_data.h"
#include "model/as568.h"
#include "model/review.h"
#include "platform/runtime_dir.h"

int main(int argc, char** argv) {
  const bool reviewPages = argc == 4 && std::string_view(argv[2]) == "--review";
  if (argc != 2 && !reviewPages) return 2;
  std::optional<glandwise::As568Table> as568;
  if (reviewPages) {
    glandwise::As568Load load = glandwise::As568Table::load(argv[3]);
    if (!load.table) return 2;
    as568 = std::move(load.table);
  }
  // The conversation keeps a descriptor of its own; anything printed goes to standard error.
  const int socket = ::dup(STDOUT_FILENO);
  ::dup2(STDERR_FILENO, STDOUT_FILENO);
  // The sheets are never shown: draw them without a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  glandwise::provideRuntimeDirectory();
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  glandwise::calc::PdfReportWriter writer(argv[1], reviewPages);
  // The face seal's rules, from beside this program as glandwise-calc reads them.
  const glandwise::FaceDataLoad faceData =
      glandwise::loadFaceData(glandwise::shippedDataFolder(QCoreApplication::applicationFilePath().toStdString()));
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
      if (!glandwise::calc::sendReply(socket, writer.write(request->lineNumber, result))) return 1;
      continue;
    }
    result.glandType = request->glandType;
    result.record = request->record;
    if (request->review) {
      result.reviewInputs = request->review;
      result.review = glandwise::reviewGland(result.record, glandwise::glandSide(request->glandType),
                                             *request->review, as568 ? &*as568 : nullptr);
    }
    if (!glandwise::calc::sendReply(socket, writer.write(request->lineNumber, result))) return 1;
  }
  return 0;
}

// glandwise-report: the report writer that glandwise-calc starts for --report-dir (and for
// SVG drawings). It draws each report with the results sheet's widget, offscreen, and puts
// it in the folder given as its first argument; with "--svg-drawings" after it, it writes
// the gland's section drawing as SVG instead. It converses on its standard input and output
// (one socket, see cli/report_channel.h): it takes the AS568 table's text first (when not
// empty, the rule file's text and name follow, and the report of a gland sent with its
// review inputs gets the review page second, reviewed by that table and those rules as
// glandwise-calc reviews it) and greets, then answers requests
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
#include "model/as568.h"
#include "model/review.h"
#include "model/review_rules.h"
#include "model/table_file.h"
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
  const std::optional<std::string> table = glandwise::calc::receiveText(socket, glandwise::kMaxTableFileBytes);
  if (!table) return 1;
  std::optional<glandwise::As568Table> as568;
  std::optional<glandwise::RuleSet> rules;
  if (!table->empty()) {
    const std::optional<std::string> rulesText = glandwise::calc::receiveText(socket, glandwise::kMaxTableFileBytes);
    const std::optional<std::string> rulesFile = glandwise::calc::receiveText(socket, glandwise::calc::kMaxMessageText);
    if (!rulesText || !rulesFile) return 1;
    glandwise::As568Load load = glandwise::As568Table::parse(*table, "the AS568 table");
    if (!load.table) return glandwise::calc::sendText(socket, load.error) ? 2 : 1;
    glandwise::RuleLoad ruleLoad = glandwise::RuleSet::parse(*rulesText, *rulesFile);
    if (!ruleLoad.rules) return glandwise::calc::sendText(socket, ruleLoad.error) ? 2 : 1;
    as568 = std::move(load.table);
    rules = std::move(ruleLoad.rules);
  }
  // The sheets are never shown: draw them without a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  glandwise::provideRuntimeDirectory();
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  std::unique_ptr<glandwise::calc::ReportWriter> writer;
  if (svgDrawings) writer = std::make_unique<glandwise::calc::DrawingFileWriter>(argv[1], ".svg", svgBytes);
  else writer = std::make_unique<glandwise::calc::PdfReportWriter>(argv[1], as568.has_value());
  if (!glandwise::calc::sendText(socket, "")) return 1;
  while (const std::optional<glandwise::calc::ReportRequest> request = glandwise::calc::receiveRequest(socket)) {
    glandwise::calc::SessionResult result;
    if (request->face) {  // its review comes made: no rules are needed to draw its page
      result.screen = glandwise::calc::Screen::Face;
      glandwise::FaceResult& face = result.face.emplace();
      face.design.gland = *request->face;
      face.analysis = glandwise::analyseFaceGland(*request->face);
      if (request->faceReview) face.reviewInputs = request->faceReviewInputs;
      face.review = request->faceReview;
      if (!glandwise::calc::sendReply(socket, writer->write(request->lineNumber, result))) return 1;
      continue;
    }
    result.glandType = request->glandType;
    result.record = request->record;
    result.reviewInputs = request->review;
    if (request->review && rules) {
      result.review = glandwise::reviewGland(result.record, glandwise::glandSide(request->glandType),
                                             *request->review, *rules, as568 ? &*as568 : nullptr);
    }
    if (!glandwise::calc::sendReply(socket, writer->write(request->lineNumber, result))) return 1;
  }
  return 0;
}

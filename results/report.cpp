#include "results/report.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QWidget>

#include <algorithm>
#include <functional>

#include "platform/print_job.h"

namespace glandwise {
namespace {

QWidget* sheetButton(QWidget& sheet, const char* name) {
  return sheet.findChild<QWidget*>(QString::fromLatin1(name));
}

}  // namespace

HiddenSheetButtons::HiddenSheetButtons(QWidget& sheet) : sheet_(sheet) {
  for (const char* name : kSheetButtons)
    if (QWidget* button = sheetButton(sheet_, name)) button->hide();
}

HiddenSheetButtons::~HiddenSheetButtons() {
  for (const char* name : kSheetButtons)
    if (QWidget* button = sheetButton(sheet_, name)) button->show();
}

namespace {

enum class Painted { Done, NotStarted, Failed };

// Records the sheet as drawing commands, not pixels, so that the text stays text on the
// page, and plays them with the active `painter` onto the page of `device` (of
// `resolution` dots per inch).
void drawSheet(QPainter& painter, QWidget& sheet, QPagedPaintDevice& device, int resolution) {
  QPicture picture;
  sheet.render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
  painter.save();
  // Playing the picture scales it from the screen's resolution to the device's: the
  // sheet's natural size. Shrink it only when the page is smaller than the sheet.
  const QRect page = device.pageLayout().paintRectPixels(resolution);
  const double natural = double(device.logicalDpiX()) / picture.logicalDpiX();
  const QSizeF printed = QSizeF(sheet.size()) * natural;
  const double fit = std::min({1.0, page.width() / printed.width(), page.height() / printed.height()});
  painter.translate((page.width() - printed.width() * fit) / 2, (page.height() - printed.height() * fit) / 2);
  painter.scale(fit, fit);
  painter.drawPicture(0, 0, picture);
  painter.restore();
}

// Paints onto `device` with `draw`, between beginning and ending the painter.
Painted paintPage(QPagedPaintDevice& device, const std::function<void(QPainter&)>& draw) {
  QPainter painter;
  if (!painter.begin(&device)) return Painted::NotStarted;
  draw(painter);
  return painter.end() ? Painted::Done : Painted::Failed;
}

// What went wrong on `printer`, in words a person understands; empty when nothing did. On a
// CUPS printer the job has just been handed over as the painter ended: CUPS's answer tells
// whether the queue took it.
QString printFailure(Painted painted, QPrinter& printer) {
  if (painted == Painted::NotStarted)
    return QStringLiteral("The printer could not be started. Check that a printer is installed and "
                          "available, or print to a PDF file instead.");
  if (painted == Painted::Failed || printer.printerState() == QPrinter::Error)
    return QStringLiteral("The printer reported an error while printing the page.");
  if (printer.outputFormat() == QPrinter::NativeFormat) return cupsJobRefusal();
  return {};
}

PrintOutcome reportFailure(const QString& failure, MessageBoxes& messageBoxes) {
  if (failure.isEmpty()) return PrintOutcome::Printed;
  messageBoxes.notify(("The report could not be printed.\n\n" + failure).toStdString());
  return PrintOutcome::Failed;
}

}  // namespace

QString renderSheetPage(QWidget& sheet, QPrinter& printer) {
  const int resolution = printer.resolution();
  return printFailure(
      paintPage(printer, [&](QPainter& painter) { drawSheet(painter, sheet, printer, resolution); }), printer);
}

PrintOutcome printReport(QWidget& sheet, PrintDialog& dialog, MessageBoxes& messageBoxes) {
  QString failure;
  {
    HiddenSheetButtons hidden(sheet);
    QPrinter printer(QPrinter::HighResolution);
    if (!dialog.choosePrinter(printer, &sheet)) return PrintOutcome::Cancelled;
    failure = renderSheetPage(sheet, printer);
  }
  return reportFailure(failure, messageBoxes);
}

PrintOutcome printPage(const PageDrawing& draw, QWidget& window, PrintDialog& dialog, MessageBoxes& messageBoxes) {
  QPrinter printer(QPrinter::HighResolution);
  if (!dialog.choosePrinter(printer, &window)) return PrintOutcome::Cancelled;
  const int resolution = printer.resolution();
  const Painted painted = paintPage(printer, [&](QPainter& painter) { draw(painter, printer, resolution); });
  return reportFailure(printFailure(painted, printer), messageBoxes);
}

PrintOutcome printReviewPage(const ReviewPage& page, QWidget& window, PrintDialog& dialog, MessageBoxes& messageBoxes) {
  return printPage([&page](QPainter& painter, QPagedPaintDevice& device, int resolution) {
    drawReviewPage(painter, device, resolution, page);
  }, window, dialog, messageBoxes);
}

namespace {

// A PDF document (US Letter, kReportResolution) of the pages `draw` draws; empty if it
// could not be drawn.
QByteArray pdfDocument(const std::function<void(QPainter&, QPdfWriter&)>& draw) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setPageSize(QPageSize(QPageSize::Letter));
    pdf.setResolution(kReportResolution);
    pdf.setCreator(QStringLiteral("Glandwise"));
    if (paintPage(pdf, [&](QPainter& painter) { draw(painter, pdf); }) != Painted::Done) return {};
  }  // the writer finishes the file as it goes
  return buffer.data();
}

}  // namespace

QByteArray pagePdf(const PageDrawing& draw) {
  return pdfDocument([&](QPainter& painter, QPdfWriter& pdf) { draw(painter, pdf, kReportResolution); });
}

QByteArray reportPdf(QWidget& sheet, const ReviewPage* review) {
  HiddenSheetButtons hidden(sheet);
  return pdfDocument([&](QPainter& painter, QPdfWriter& pdf) {
    drawSheet(painter, sheet, pdf, kReportResolution);
    if (review && pdf.newPage()) drawReviewPage(painter, pdf, kReportResolution, *review);
  });
}

}  // namespace glandwise

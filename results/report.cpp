#include "results/report.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

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

QString renderSheetPage(QWidget& sheet, QPrinter& printer) {
  // Recorded as drawing commands, not pixels, so that the text stays text on the page.
  QPicture picture;
  sheet.render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);

  QPainter painter;
  if (!painter.begin(&printer))
    return QStringLiteral("The printer could not be started. Check that a printer is installed and "
                          "available, or print to a PDF file instead.");
  // Playing the picture scales it from the screen's resolution to the printer's: the
  // sheet's natural size. Shrink it only when the page is smaller than the sheet.
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const double natural = double(printer.logicalDpiX()) / picture.logicalDpiX();
  const QSizeF printed = QSizeF(sheet.size()) * natural;
  const double fit = std::min({1.0, page.width() / printed.width(), page.height() / printed.height()});
  painter.translate((page.width() - printed.width() * fit) / 2, (page.height() - printed.height() * fit) / 2);
  painter.scale(fit, fit);
  painter.drawPicture(0, 0, picture);
  if (!painter.end() || printer.printerState() == QPrinter::Error)
    return QStringLiteral("The printer reported an error while printing the page.");
  return {};
}

PrintOutcome printReport(QWidget& sheet, PrintDialog& dialog, MessageBoxes& messageBoxes) {
  QString failure;
  {
    HiddenSheetButtons hidden(sheet);
    QPrinter printer(QPrinter::HighResolution);
    if (!dialog.choosePrinter(printer, &sheet)) return PrintOutcome::Cancelled;
    failure = renderSheetPage(sheet, printer);
  }
  if (failure.isEmpty()) return PrintOutcome::Printed;
  messageBoxes.notify(("The report could not be printed.\n\n" + failure).toStdString());
  return PrintOutcome::Failed;
}

QString writeReportPdf(QWidget& sheet, const QString& path) {
  HiddenSheetButtons hidden(sheet);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setOutputFileName(path);
  const QString failure = renderSheetPage(sheet, printer);
  return failure.isEmpty() ? failure : QStringLiteral("%1 (%2)").arg(failure, path);
}

}  // namespace glandwise

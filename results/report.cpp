#include "report.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace glandwise {
namespace {

constexpr double kSheetPixelsPerInch = 96.0;  // 15 twips to a pixel, 1440 twips to the inch

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
  QPainter painter;
  if (!painter.begin(&printer))
    return QStringLiteral("The printer could not be started. Check that a printer is installed and "
                          "available, or print to a PDF file instead.");
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const double natural = printer.resolution() / kSheetPixelsPerInch;
  const double scale = std::min({natural, page.width() / double(sheet.width()), page.height() / double(sheet.height())});
  painter.translate((page.width() - sheet.width() * scale) / 2, (page.height() - sheet.height() * scale) / 2);
  painter.scale(scale, scale);
  sheet.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
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

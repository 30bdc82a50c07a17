#pragma once
// The printed report: a results sheet's client area, without its buttons, on one page, and
// the printed design review.

#include <QByteArray>
#include <functional>
#include <QString>

#include "platform/platform.h"
#include "platform/print_dialog.h"
#include "results/review_page.h"

class QPainter;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace glandwise {

// The buttons of a results sheet, in the order printing hides them and shows them again.
inline constexpr const char* kSheetButtons[] = {"cmdHandbook", "cmdPrint", "cmdEdit", "cmdExit",
                                                "cmdH1",       "cmdH2",    "cmdReview"};

// Hides a sheet's buttons one after another for as long as it lives, and shows them
// again in the same order when it ends, whatever happened meanwhile.
class HiddenSheetButtons {
 public:
  explicit HiddenSheetButtons(QWidget& sheet);
  ~HiddenSheetButtons();
  HiddenSheetButtons(const HiddenSheetButtons&) = delete;
  HiddenSheetButtons& operator=(const HiddenSheetButtons&) = delete;

 private:
  QWidget& sheet_;
};

// Renders `sheet` (buttons should already be hidden) onto one page of `printer` as
// drawing commands at the printer's own resolution (text stays text), at the sheet's
// natural size (15 twips to a pixel), centred within the page margins; shrinks it only
// if the page is too small. Returns an empty
// text on success, otherwise the reason in words a person understands.
QString renderSheetPage(QWidget& sheet, QPrinter& printer);

// What became of a PRINT REPORT press.
enum class PrintOutcome { Printed, Cancelled, Failed };

// The PRINT REPORT sequence: hide the buttons, let the user choose a printer, print the
// sheet as one page, show the buttons again. Cancel prints nothing; a failure is told in a
// notice. The record is not touched.
PrintOutcome printReport(QWidget& sheet, PrintDialog& dialog, MessageBoxes& messageBoxes);

// Draws one page onto the current page of a device of `resolution` dots per inch with an
// active painter, within the page margins.
using PageDrawing = std::function<void(QPainter& painter, QPagedPaintDevice& device, int resolution)>;

// A window's PRINT: lets the user choose a printer and prints the page `draw` draws.
// Cancel prints nothing; a failure is told in a notice.
PrintOutcome printPage(const PageDrawing& draw, QWidget& window, PrintDialog& dialog, MessageBoxes& messageBoxes);

// The review window's PRINT: printPage with the review page.
PrintOutcome printReviewPage(const ReviewPage& page, QWidget& window, PrintDialog& dialog, MessageBoxes& messageBoxes);

// The page `draw` draws as a one-page PDF document (US Letter) made in memory; empty if it
// could not be drawn.
QByteArray pagePdf(const PageDrawing& draw);

// The sheet, without its buttons, as a PDF document (US Letter) made in memory, as PRINT
// REPORT prints it, with the review page as its second page when one is given; empty if it
// could not be drawn.
QByteArray reportPdf(QWidget& sheet, const ReviewPage* review = nullptr);

// Dots per inch of the PDF reports, as of a high-resolution printer.
inline constexpr int kReportResolution = 1200;

}  // namespace glandwise

#pragma once
// The system's Print dialog, behind an interface so that tests can substitute it.

class QPrinter;
class QWidget;

namespace glandwise {

// Lets the user choose and set up the printer that the next print uses.
class PrintDialog {
 public:
  virtual ~PrintDialog() = default;
  // Shows the dialog for `printer`, modal over `parent`; true when the user chose to print,
  // false when the dialog was cancelled.
  virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;
};

// The platform's own Print dialog (QPrintDialog).
class QtPrintDialog final : public PrintDialog {
 public:
  bool choosePrinter(QPrinter& printer, QWidget* parent) override;
};

}  // namespace glandwise

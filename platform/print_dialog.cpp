#include "platform/print_dialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace glandwise {

bool QtPrintDialog::choosePrinter(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace glandwise

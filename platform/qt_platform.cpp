#include "platform/qt_platform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QUrl>

#include "platform/window_placement.h"

namespace glandwise {
namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

// A message box that opens just below (or above) the window that raised it, clear of the
// boxes its text is about. A Yes/No question stays open until Yes or No is pressed: Escape
// and the window frame's close choose nothing, so that no answer is given by accident.
class PlacedMessageBox final : public QMessageBox {
 public:
  PlacedMessageBox(const std::string& text, StandardButtons buttons, QWidget* owner)
      : QMessageBox(NoIcon, QString::fromUtf8(kMessageBoxTitle), qt(text), buttons, owner), owner_(owner) {
    setTextFormat(Qt::PlainText);
    if (isQuestion()) setWindowFlag(Qt::WindowCloseButtonHint, false);
    // A window just shown may yet be moved and framed by the window system: follow it.
    if (owner_) owner_->installEventFilter(this);
  }

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);  // gives the box its final size
    placeDialog(*this, owner_, DialogPlace::ClearOfWindow);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == owner_ && isVisible() && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
      placeDialog(*this, owner_, DialogPlace::ClearOfWindow);
    return QMessageBox::eventFilter(watched, event);
  }

  void keyPressEvent(QKeyEvent* event) override {
    if (isQuestion() && event->matches(QKeySequence::Cancel)) return;
    QMessageBox::keyPressEvent(event);
  }

  void closeEvent(QCloseEvent* event) override {
    if (isQuestion()) event->ignore();
    else QMessageBox::closeEvent(event);
  }

 private:
  bool isQuestion() const { return standardButtons().testFlag(No); }

  QWidget* owner_;  // the window that raised the box, or nullptr
};

// The window that a message box belongs to: the active window; or else, while the window
// system has yet to activate a window just shown (the selection screen telling about the
// file it was started with), the program's one visible window; or none.
QWidget* messageOwner() {
  QWidget* active = QApplication::activeWindow();
  if (active && active->isVisible()) return active;
  QWidget* only = nullptr;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible() && window->windowType() == Qt::Window) {
      if (only) return nullptr;
      only = window;
    }
  return only;
}

// Shows a modal box with `buttons` over its owner and returns the button pressed.
QMessageBox::StandardButton showBox(const std::string& text, QMessageBox::StandardButtons buttons) {
  PlacedMessageBox box(text, buttons, messageOwner());
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

bool QtMessageBoxes::askYesNo(const std::string& text) {
  return showBox(text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtMessageBoxes::notify(const std::string& text) { showBox(text, QMessageBox::Ok); }

void QtBeeper::beep() { QApplication::beep(); }

std::string QtSettingsStore::get(const std::string& application, const std::string& section, const std::string& key,
                                 const std::string& fallback) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, qt(application));
  settings.beginGroup(qt(section));
  return settings.value(qt(key), qt(fallback)).toString().toStdString();
}

void QtSettingsStore::save(const std::string& application, const std::string& section, const std::string& key,
                           const std::string& value) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, qt(application));
  settings.beginGroup(qt(section));
  settings.setValue(qt(key), qt(value));
}

std::optional<std::string> QtFileDialog::openFile(const std::string& title, const std::string& filter,
                                                  const std::string& current) {
  const QString chosen = QFileDialog::getOpenFileName(QApplication::activeWindow(), qt(title), qt(current), qt(filter));
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.toStdString();
}

std::optional<std::string> QtFileDialog::saveFile(const std::string& title, const std::string& filter,
                                                  const std::string& suggested) {
  QFileDialog dialog(QApplication::activeWindow(), qt(title), qt(suggested), qt(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // A name typed without an ending takes the ending of the file type chosen ("Gland files
  // (*.gland.json)"), before the dialog asks whether to replace a file of that name.
  const auto takeEnding = [&dialog](const QString& fileType) {
    dialog.setDefaultSuffix(QRegularExpression(QStringLiteral("\\*\\.([\\w.]+)")).match(fileType).captured(1));
  };
  takeEnding(dialog.selectedNameFilter());
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, takeEnding);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst().toStdString();
}

bool QtDocumentOpener::open(const std::string& path) {
  const QString file = qt(path);
  return QFileInfo::exists(file) && QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

}  // namespace glandwise

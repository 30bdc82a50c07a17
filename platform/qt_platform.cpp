#include "platform/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QUrl>


namespace glandwise {
namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

// Shows a modal box with `buttons` and returns the button pressed.
QMessageBox::StandardButton showBox(const std::string& text, QMessageBox::StandardButtons buttons) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kMessageBoxTitle), qt(text), buttons,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
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

bool QtDocumentOpener::open(const std::string& path) {
  const QString file = qt(path);
  return QFileInfo::exists(file) && QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

}  // namespace glandwise

#pragma once
// The platform services of the desktop program, provided by Qt.

#include "platform/platform.h"
#include "platform/print_dialog.h"

namespace glandwise {

// Modal QMessageBox windows without an icon, titled "Glandwise v 2.1a", just below (or above)
// the active window, clear of its boxes. Texts are shown as plain text, line feeds included.
// A Yes/No question is answered only by Yes or No: Escape and the frame's close do nothing.
class QtMessageBoxes final : public MessageBoxes {
 public:
  bool askYesNo(const std::string& text) override;
  void notify(const std::string& text) override;
};

// The system beep through QApplication::beep().
class QtBeeper final : public Beeper {
 public:
  void beep() override;
};

// QSettings in the native per-user store: the application name is the settings
// organisation (one file or registry branch per application), the section a group, so
// "MyApp", "Config", "SelectedFile" is the value Config/SelectedFile of "MyApp".
class QtSettingsStore final : public SettingsStore {
 public:
  std::string get(const std::string& application, const std::string& section, const std::string& key,
                  const std::string& fallback) override;
  void save(const std::string& application, const std::string& section, const std::string& key,
            const std::string& value) override;
};

// QFileDialog::getOpenFileName and a save dialog over the active window; a name typed
// without an ending in the save dialog takes the ending of the file type chosen.
class QtFileDialog final : public FileDialog {
 public:
  std::optional<std::string> openFile(const std::string& title, const std::string& filter,
                                      const std::string& current) override;
  std::optional<std::string> saveFile(const std::string& title, const std::string& filter,
                                      const std::string& suggested) override;
};

// QDesktopServices::openUrl of the local file, which must exist.
class QtDocumentOpener final : public DocumentOpener {
 public:
  bool open(const std::string& path) override;
};

// Every Qt platform service of one run, and the Platform that hands them to the screens.
class QtPlatform {
 public:
  Platform platform() { return {messageBoxes_, beeper_, settings_, fileDialog_, documentOpener_, printDialog_}; }

 private:
  QtMessageBoxes messageBoxes_;
  QtBeeper beeper_;
  QtSettingsStore settings_;
  QtFileDialog fileDialog_;
  QtDocumentOpener documentOpener_;
  QtPrintDialog printDialog_;
};

}  // namespace glandwise

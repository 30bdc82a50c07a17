#pragma once
// The platform services Glandwise uses, each behind a small interface so that tests can
// substitute them. The interfaces speak plain C++ strings (UTF-8); the Qt implementations
// live beside this header. The Print dialog's interface is in print_dialog.h, as it deals
// in Qt printers.

#include <optional>
#include <string>

namespace glandwise {

class PrintDialog;  // the system's Print dialog (print_dialog.h)

inline constexpr const char* kMessageBoxTitle = "Glandwise v 2.1a";
// The application name under which the settings store keeps every setting of the program.
inline constexpr const char* kSettingsApplication = "MyApp";

// Modal message boxes with the application title kMessageBoxTitle and no icon.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Yes and No buttons; true for Yes.
  virtual bool askYesNo(const std::string& text) = 0;
  // An OK button only.
  virtual void notify(const std::string& text) = 0;
};

// The system's short audible alert.
class Beeper {
 public:
  virtual ~Beeper() = default;
  virtual void beep() = 0;
};

// The per-user settings store: text values by application, section and key.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or `fallback` when nothing is stored.
  virtual std::string get(const std::string& application, const std::string& section, const std::string& key,
                          const std::string& fallback) = 0;
  // Stores the text for the current user, also when it is empty.
  virtual void save(const std::string& application, const std::string& section, const std::string& key,
                    const std::string& value) = 0;
};

// The file-open and file-save dialogs.
class FileDialog {
 public:
  virtual ~FileDialog() = default;
  // Shows the open dialog, starting at `current`; the full path chosen, or nothing when the
  // user cancels. `filter` is in Qt's form, e.g. "PDF Files (*.pdf)".
  virtual std::optional<std::string> openFile(const std::string& title, const std::string& filter,
                                              const std::string& current) = 0;
  // Shows the save dialog, proposing `suggested` (a path); the full path chosen, after the
  // user agreed to replace an existing file, or nothing when the user cancels.
  virtual std::optional<std::string> saveFile(const std::string& title, const std::string& filter,
                                              const std::string& suggested) = 0;
};

// Opens a document with the desktop's associated program.
class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  // True when the desktop took the request; false when the file does not exist or no
  // program would open it.
  virtual bool open(const std::string& path) = 0;
};

// Every platform service, handed to the screens together.
struct Platform {
  MessageBoxes& messageBoxes;
  Beeper& beeper;
  SettingsStore& settings;
  FileDialog& fileDialog;
  DocumentOpener& documentOpener;
  PrintDialog& printDialog;
};

}  // namespace glandwise

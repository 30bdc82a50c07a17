#pragma once
// The one fixture of every screen test: the whole desktop program on fake platform
// services, driven the way a user drives it.
//
// Usage, in a Qt Test slot (each test function makes its own fresh program):
//
//   ProgramFixture program;  // settings in a temporary folder, title screen shown
//   QVERIFY(program.toSelectionScreen());
//   QVERIFY(program.submitSelection({.crossSection = "opt139", .glandType = "optRod",
//                                    .sealInsideDia = "1.5", .housingDia = "2", .pressure = "500"}));
//   GlandEditor* editor = program.flow().editor();  // the screens: flow().selectionScreen() ...
//   QVERIFY(editor && editor->isVisible());
//   program.messageBoxes.answers = {false};          // the next Yes/No question is answered No
//   QVERIFY(ProgramFixture::click(editor, "cmdOk"));
//   QCOMPARE(program.endRequests(), 0);              // EXIT and frame closes count here
//
// Helpers that can fail return false or nullptr and print why; wrap them in QVERIFY.
// A modal window that a test did not arrange for (a real message box or file dialog) is
// closed by the watchdog and fails the test instead of hanging it. Tests are built with
// glandwise_add_screen_test() in this folder's CMakeLists.txt and run offscreen.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QLineEdit>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include "platform/platform.h"
#include "platform/print_dialog.h"
#include "platform/qt_platform.h"
#include "app/screen_flow.h"

namespace glandwise::testing {

// What the fake services saw, in order: "beep", "question: TEXT", "notice: TEXT",
// "file dialog: TITLE", "open: PATH", "print dialog".
using EventLog = std::vector<std::string>;

// Message boxes answered by the test: Yes/No from `answers` (front first); an unexpected
// question fails the test and is answered No.
class FakeMessageBoxes final : public MessageBoxes {
 public:
  explicit FakeMessageBoxes(EventLog& log) : log_(log) {}
  bool askYesNo(const std::string& text) override;
  void notify(const std::string& text) override;

  std::deque<bool> answers;         // true = Yes
  std::vector<std::string> texts;  // every text shown, questions and notices

 private:
  EventLog& log_;
};

// Counts the beeps and logs them among the message boxes.
class FakeBeeper final : public Beeper {
 public:
  explicit FakeBeeper(EventLog& log) : log_(log) {}
  void beep() override;
  int count = 0;

 private:
  EventLog& log_;
};

// A file-open dialog answered by the test: the next of `choices` (nothing = cancel); with
// no choice left it cancels.
class FakeFileDialog final : public FileDialog {
 public:
  struct Request {
    std::string title, filter, current;
  };
  explicit FakeFileDialog(EventLog& log) : log_(log) {}
  std::optional<std::string> openFile(const std::string& title, const std::string& filter,
                                      const std::string& current) override;

  std::deque<std::optional<std::string>> choices;
  std::vector<Request> requests;

 private:
  EventLog& log_;
};

// Records the documents opened and answers `result` (true: handed over).
class FakeDocumentOpener final : public DocumentOpener {
 public:
  explicit FakeDocumentOpener(EventLog& log) : log_(log) {}
  bool open(const std::string& path) override;

  bool result = true;
  std::vector<std::string> opened;

 private:
  EventLog& log_;
};

// The Print dialog answered by the test: chooses to print into the PDF file `outputFile`,
// or cancels when it is empty. `whileOpen` runs while the dialog is up, so that a test can
// look at the screen behind it.
class FakePrintDialog final : public PrintDialog {
 public:
  explicit FakePrintDialog(EventLog& log) : log_(log) {}
  bool choosePrinter(QPrinter& printer, QWidget* parent) override;

  QString outputFile;
  std::function<void()> whileOpen;

 private:
  EventLog& log_;
};

// The per-user settings store redirected into a temporary folder for the fixture's life;
// the previous locations come back when it ends.
class TemporarySettings {
 public:
  TemporarySettings();
  ~TemporarySettings();
  TemporarySettings(const TemporarySettings&) = delete;
  TemporarySettings& operator=(const TemporarySettings&) = delete;

  QString folder() const { return folder_.path(); }

 private:
  QTemporaryDir folder_;
  bool previousTestMode_;
  QString previousPath_;
};

// Fails the running test when a modal window is open that the test did not expect, and
// closes that window so that the test goes on instead of hanging.
class ModalWatchdog {
 public:
  ModalWatchdog();
  ~ModalWatchdog();
  ModalWatchdog(const ModalWatchdog&) = delete;
  ModalWatchdog& operator=(const ModalWatchdog&) = delete;

 private:
  void check();
  QTimer timer_;
};

// Drops the offscreen platform's notices that it cannot raise windows or pass on size
// hints, which every screen change would otherwise print; other messages pass through.
class QuietOffscreenNotices {
 public:
  QuietOffscreenNotices();
  ~QuietOffscreenNotices();
  QuietOffscreenNotices(const QuietOffscreenNotices&) = delete;
  QuietOffscreenNotices& operator=(const QuietOffscreenNotices&) = delete;
};

// What to choose and type on the selection screen. Options are clicked first (cross-
// section, then gland type), then the given texts are typed over the boxes' contents.
struct SelectionInput {
  const char* crossSection = nullptr;   // "opt007" ... "opt275"; none clicked when null
  const char* glandType = nullptr;      // "optRod" or "optHousing"; none clicked when null
  std::optional<QString> sealInsideDia{};  // txtID
  std::optional<QString> rodDia{};         // txtPDF
  std::optional<QString> housingDia{};     // txtBDM
  std::optional<QString> pressure{};       // txtPR
};

// A program run on the real settings store in whatever settings folder is current (so that
// several runs can share one TemporarySettings, as successive starts share the user's
// settings), with the other services faked and the given end-program hook. Not started.
struct ProgramRun {
  explicit ProgramRun(ScreenFlow::EndProgram endProgram = &ScreenFlow::endApplication)
      : flow({messageBoxes, beeper, settings, fileDialog, documentOpener, printDialog}, std::move(endProgram)) {}

  QuietOffscreenNotices quiet;
  QtSettingsStore settings;
  EventLog log;
  FakeMessageBoxes messageBoxes{log};
  FakeBeeper beeper{log};
  FakeFileDialog fileDialog{log};
  FakeDocumentOpener documentOpener{log};
  FakePrintDialog printDialog{log};
  ScreenFlow flow;
};

// The program of one test: fake services, real settings in a temporary folder, the screen
// flow started on the title screen, and an end-program hook that only counts.
class ProgramFixture {
 public:
  ProgramFixture();
  ~ProgramFixture();
  ProgramFixture(const ProgramFixture&) = delete;
  ProgramFixture& operator=(const ProgramFixture&) = delete;

  TemporarySettings settings;  // first: the settings must be redirected before the flow starts
  QtSettingsStore settingsStore;  // the real store, in the temporary folder
  EventLog log;
  FakeMessageBoxes messageBoxes{log};
  FakeBeeper beeper{log};
  FakeFileDialog fileDialog{log};
  FakeDocumentOpener documentOpener{log};
  FakePrintDialog printDialog{log};
  ModalWatchdog watchdog;
  QuietOffscreenNotices quiet;

  ScreenFlow& flow() { return *flow_; }
  GlandRecord& record() { return flow_->record(); }
  // How often the program asked to end (EXIT or a main screen's window-frame close).
  int endRequests() const { return endRequests_; }

  // Presses OK on the title screen; the selection screen, or nullptr.
  SelectionScreen* toSelectionScreen();
  // Chooses and types `input` on the visible selection screen.
  bool enterSelection(const SelectionInput& input);
  // enterSelection, then OK.
  bool submitSelection(const SelectionInput& input);
  // From the title screen through the selection screen to the editor; the editor, or nullptr.
  GlandEditor* toEditor(const SelectionInput& input);
  // The text that the open message dialog shows; nothing when it is not loaded.
  std::optional<QString> messageShown() const;

  // The control `name` (objectName) of `window`, or nullptr.
  template <class Control = QWidget>
  static Control* control(QWidget* window, const char* name) {
    return window ? window->findChild<Control*>(QString::fromLatin1(name)) : nullptr;
  }
  // Clicks the visible, enabled button or option `name` of `window` with the mouse.
  static bool click(QWidget* window, const char* name);
  // Replaces the text of the visible, enabled box `name` of `window` by typing `text`.
  static bool type(QWidget* window, const char* name, const QString& text);
  // Closes `window` as its window frame's close button does.
  static void closeByFrame(QWidget* window);
  // Processes pending events, deferred deletions (unloaded screens) included.
  static void settle();

 private:
  int endRequests_ = 0;
  std::unique_ptr<ScreenFlow> flow_;
};

}  // namespace glandwise::testing

#pragma once
// The fixture of the screen tests: the whole desktop program on fake platform services,
// driven the way a user drives it.
//
//   Program program;                 // settings in a temporary folder, the title screen shown
//   QWidget* editor = program.walk({{"cmdOk"}, {"opt139", "optRod", "txtID=1.75", "txtBDM=2", "cmdOk"}});
//   program.fake.answers = {false};  // the next Yes/No question is answered No
//   QVERIFY(Program::act(editor, {"txtECC=0.001", "cmdOk"}));
//
// A step is "name=text" (types the text over a box's contents) or "name" (clicks a button
// or an option). A modal window that a test did not arrange for fails the test and is
// closed, so that no test hangs. Programs run one at a time, never nested.

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/screen_flow.h"
#include "platform/print_dialog.h"
#include "platform/qt_platform.h"

namespace glandwise::testing {

// The platform services that a test answers. All that is asked of them is logged in order:
// "beep", "question: TEXT", "notice: TEXT", "file dialog: TITLE", "save dialog: TITLE",
// "open: PATH", "print dialog".
class FakeServices final : public MessageBoxes, public Beeper, public FileDialog, public DocumentOpener,
                           public PrintDialog {
 public:
  QStringList log;
  std::deque<bool> answers;       // Yes/No answers, true = Yes; a question beyond them fails the test
  std::deque<std::string> files;  // the file dialogs' choices; none left = Cancel
  QString printTo;                // the PDF file that the chosen printer writes
  QString printerName;            // the print queue chosen instead of a PDF file, when not empty
  bool cancelPrinting = false;    // the Print dialog's Cancel
  std::function<void()> whilePrintDialogOpen;

  bool askYesNo(const std::string& text) override {
    log << QString::fromStdString("question: " + text);
    if (answers.empty()) QTest::qFail(qPrintable("unexpected " + log.back()), __FILE__, __LINE__);
    const bool yes = !answers.empty() && answers.front();
    if (!answers.empty()) answers.pop_front();
    return yes;
  }
  void notify(const std::string& text) override { log << QString::fromStdString("notice: " + text); }
  void beep() override { log << "beep"; }
  std::optional<std::string> openFile(const std::string& title, const std::string&, const std::string&) override {
    log << QString::fromStdString("file dialog: " + title);
    return nextFile();
  }
  std::optional<std::string> saveFile(const std::string& title, const std::string&, const std::string&) override {
    log << QString::fromStdString("save dialog: " + title);
    return nextFile();
  }
  std::optional<std::string> nextFile() {
    if (files.empty()) return std::nullopt;
    const std::string chosen = files.front();
    files.pop_front();
    return chosen;
  }
  bool open(const std::string& path) override {
    log << QString::fromStdString("open: " + path);
    return true;
  }
  bool choosePrinter(QPrinter& printer, QWidget*) override {
    log << "print dialog";
    if (whilePrintDialogOpen) whilePrintDialogOpen();
    if (!printerName.isEmpty()) {
      printer.setOutputFormat(QPrinter::NativeFormat);
      printer.setPrinterName(printerName);
    } else {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(printTo);
    }
    return !cancelPrinting;
  }
};

// The per-user settings store in a temporary folder while it lives.
class TemporarySettings {
 public:
  TemporarySettings() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path()); }
  ~TemporarySettings() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, previous_); }
  TemporarySettings(const TemporarySettings&) = delete;
  TemporarySettings& operator=(const TemporarySettings&) = delete;

 private:
  QTemporaryDir folder_;
  QString previous_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
};

// The control `name` of `window`, or nullptr.
template <class Control = QWidget>
Control* child(QWidget* window, const char* name) {
  return window ? window->findChild<Control*>(QString::fromLatin1(name)) : nullptr;
}

// One run of the program: fake services, the real settings store (in a temporary folder of
// its own, or with `ownSettings` false in the current one, which two runs can share), an
// end-program hook that only counts, and the watchdog.
class Program {
 public:
  explicit Program(bool ownSettings = true)
      : settings_(ownSettings ? std::make_unique<TemporarySettings>() : nullptr),
        flow_(std::make_unique<ScreenFlow>(Platform{fake, fake, settingsStore_, fake, fake, fake}, [this] { ++ends; })) {
    // Drops the offscreen platform's notices that it cannot raise windows or pass on size
    // hints, which every change of screen would print.
    outerHandler_ = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
      if (type != QtWarningMsg || !text.startsWith("This plugin does not support")) outerHandler_(type, context, text);
    });
    QObject::connect(&watchdog_, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        const QString title = modal->windowTitle();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        else modal->close();
        QTest::qFail(qPrintable(QStringLiteral("unexpected modal window \"%1\"").arg(title)), __FILE__, __LINE__);
      }
    });
    watchdog_.start(100);
    flow_->setAs568TablePath(GLANDWISE_AS568_TABLE);
    flow_->setRulesPath(GLANDWISE_REVIEW_RULES);
    flow_->start();
    settle();
  }
  ~Program() {
    flow_.reset();
    settle();
    qInstallMessageHandler(outerHandler_);
  }

  ScreenFlow& flow() { return *flow_; }
  GlandRecord& record() { return flow_->record(); }

  // The one visible main screen; nullptr (with a warning) when none or several are visible.
  QWidget* shown() {
    QWidgetList visible;
    for (QWidget* screen : std::initializer_list<QWidget*>{flow_->titleScreen(), flow_->selectionScreen(),
                                                          flow_->editor(), flow_->resultsSheet()})
      if (screen && screen->isVisible()) visible << screen;
    if (visible.size() != 1) qWarning("%d main screens are visible", int(visible.size()));
    return visible.size() == 1 ? visible.front() : nullptr;
  }

  // The text that frmError shows.
  QString message() {
    auto* text = child<QLabel>(flow_->messageDialog(), "lblError");
    return text ? text->text() : "<frmError not loaded>";
  }

  // Runs the steps on `window`; false (with a warning) when a control is missing, hidden or
  // disabled.
  static bool act(QWidget* window, const QStringList& steps) {
    for (const QString& step : steps) {
      QWidget* control = child(window, qPrintable(step.section('=', 0, 0)));
      if (!control || !control->isVisible() || !control->isEnabled()) {
        qWarning("cannot act on %s: %s", qPrintable(step), control ? "hidden or disabled" : "not there");
        return false;
      }
      if (auto* box = qobject_cast<QLineEdit*>(control)) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, step.section('=', 1));
      } else {
        QTest::mouseClick(control, Qt::LeftButton);
        settle();
      }
    }
    return true;
  }

  // Runs each list of steps on the main screen visible at that moment; the main screen
  // visible at the end, or nullptr when a step could not be run.
  QWidget* walk(const QList<QStringList>& screens) {
    for (const QStringList& steps : screens)
      if (!act(shown(), steps)) return nullptr;
    return shown();
  }

  // Handles pending events, deferred deletions (unloaded screens) included.
  static void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }

  FakeServices fake;
  int ends = 0;  // EXIT presses and window-frame closes of main screens

 private:
  static inline QtMessageHandler outerHandler_ = nullptr;
  std::unique_ptr<TemporarySettings> settings_;
  QtSettingsStore settingsStore_;
  QTimer watchdog_;
  std::unique_ptr<ScreenFlow> flow_;
};

// The names of the windows that are loaded twice or more: none, when all is well.
inline QStringList duplicateWindows() {
  QStringList names, twice;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (!window->objectName().isEmpty()) (names.contains(window->objectName()) ? twice : names) << window->objectName();
  return twice;
}

// Every float of the record, to tell whether something changed it.
inline QList<float> recordFloats(const GlandRecord& record) {
  QList<float> floats;
  for (const FloatField& field : floatFields()) floats << record.*field.member;
  return floats;
}

}  // namespace glandwise::testing

// Skips a test whose tool or locale is missing, but fails it under CI, where a skip would
// hide that the test never ran.
#define REQUIRE_ENVIRONMENT(present, what)                                     \
  do {                                                                         \
    if (!(present) && qEnvironmentVariableIsSet("CI")) QFAIL(what " missing"); \
    if (!(present)) QSKIP(what " missing: test not run");                      \
  } while (false)

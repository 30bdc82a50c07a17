#include "tests/gui/program_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

namespace glandwise::testing {

bool FakeMessageBoxes::askYesNo(const std::string& text) {
  texts.push_back(text);
  log_.push_back("question: " + text);
  if (answers.empty()) {
    QTest::qFail(qPrintable(QStringLiteral("unexpected question: %1").arg(QString::fromStdString(text))),
                 __FILE__, __LINE__);
    return false;
  }
  const bool yes = answers.front();
  answers.pop_front();
  return yes;
}

void FakeMessageBoxes::notify(const std::string& text) {
  texts.push_back(text);
  log_.push_back("notice: " + text);
}

void FakeBeeper::beep() {
  ++count;
  log_.push_back("beep");
}

std::optional<std::string> FakeFileDialog::openFile(const std::string& title, const std::string& filter,
                                                    const std::string& current) {
  requests.push_back({title, filter, current});
  log_.push_back("file dialog: " + title);
  if (choices.empty()) return std::nullopt;
  std::optional<std::string> choice = choices.front();
  choices.pop_front();
  return choice;
}

bool FakeDocumentOpener::open(const std::string& path) {
  opened.push_back(path);
  log_.push_back("open: " + path);
  return result;
}

bool FakePrintDialog::choosePrinter(QPrinter& printer, QWidget*) {
  log_.push_back("print dialog");
  if (whileOpen) whileOpen();
  if (outputFile.isEmpty()) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(outputFile);
  return true;
}

TemporarySettings::TemporarySettings()
    : previousTestMode_(QStandardPaths::isTestModeEnabled()),
      previousPath_(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) {
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
}

TemporarySettings::~TemporarySettings() {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, previousPath_);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, previousPath_);
  QStandardPaths::setTestModeEnabled(previousTestMode_);
}

ModalWatchdog::ModalWatchdog() {
  timer_.setInterval(100);
  QObject::connect(&timer_, &QTimer::timeout, [this] { check(); });
  timer_.start();
}

ModalWatchdog::~ModalWatchdog() { timer_.stop(); }

void ModalWatchdog::check() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal) return;
  const QString title = modal->windowTitle();
  if (auto* dialog = qobject_cast<QDialog*>(modal))
    dialog->reject();
  else
    modal->close();
  QTest::qFail(qPrintable(QStringLiteral("unexpected modal window \"%1\"").arg(title)), __FILE__, __LINE__);
}

namespace {

QtMessageHandler previousHandler = nullptr;

void dropOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) return;
  previousHandler(type, context, message);
}

}  // namespace

QuietOffscreenNotices::QuietOffscreenNotices() { previousHandler = qInstallMessageHandler(dropOffscreenNotices); }

QuietOffscreenNotices::~QuietOffscreenNotices() { qInstallMessageHandler(previousHandler); }

ProgramFixture::ProgramFixture()
    : flow_(std::make_unique<ScreenFlow>(Platform{messageBoxes, beeper, settingsStore, fileDialog,
                                                  documentOpener, printDialog},
                                         [this] { ++endRequests_; })) {
  flow_->start();
  settle();
}

ProgramFixture::~ProgramFixture() {
  flow_.reset();
  settle();
}

SelectionScreen* ProgramFixture::toSelectionScreen() {
  if (!click(flow_->titleScreen(), "cmdOk")) return nullptr;
  settle();
  return flow_->selectionScreen();
}

bool ProgramFixture::enterSelection(const SelectionInput& input) {
  SelectionScreen* screen = flow_->selectionScreen();
  if (!screen || !screen->isVisible()) {
    qWarning("the selection screen is not visible");
    return false;
  }
  const std::pair<const char*, const std::optional<QString>*> boxes[] = {
      {"txtID", &input.sealInsideDia}, {"txtPDF", &input.rodDia}, {"txtBDM", &input.housingDia},
      {"txtPR", &input.pressure}};
  if (input.crossSection && !click(screen, input.crossSection)) return false;
  if (input.glandType && !click(screen, input.glandType)) return false;
  for (const auto& [name, text] : boxes)
    if (*text && !type(screen, name, **text)) return false;
  return true;
}

bool ProgramFixture::submitSelection(const SelectionInput& input) {
  if (!enterSelection(input) || !click(flow_->selectionScreen(), "cmdOk")) return false;
  settle();
  return true;
}

GlandEditor* ProgramFixture::toEditor(const SelectionInput& input) {
  if (!toSelectionScreen() || !submitSelection(input)) return nullptr;
  GlandEditor* editor = flow_->editor();
  if (!editor || !editor->isVisible()) {
    qWarning("no editor opened; message: %s", flow_->record().ErrorText.c_str());
    return nullptr;
  }
  return editor;
}

std::optional<QString> ProgramFixture::messageShown() const {
  auto* text = control<QLabel>(flow_->messageDialog(), "lblError");
  if (!text) return std::nullopt;
  return text->text();
}

bool ProgramFixture::click(QWidget* window, const char* name) {
  auto* button = control<QAbstractButton>(window, name);
  if (!button || !button->isVisible() || !button->isEnabled()) {
    qWarning("cannot click %s: %s", name, !button ? "no such button" : "not visible or not enabled");
    return false;
  }
  QTest::mouseClick(button, Qt::LeftButton);
  return true;
}

bool ProgramFixture::type(QWidget* window, const char* name, const QString& text) {
  auto* box = control<QLineEdit>(window, name);
  if (!box || !box->isVisible() || !box->isEnabled()) {
    qWarning("cannot type into %s: %s", name, !box ? "no such box" : "not visible or not enabled");
    return false;
  }
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Delete);
  QTest::keyClicks(box, text);
  return true;
}

void ProgramFixture::closeByFrame(QWidget* window) { window->close(); }

void ProgramFixture::settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

}  // namespace glandwise::testing

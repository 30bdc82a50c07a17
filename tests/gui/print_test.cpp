// PRINT REPORT through a real print system: a CUPS server of the test's own, with a PDF
// printer (cups-pdf), takes the results sheet as the program prints it (only the Print
// dialog's OK is substituted), and the page is read back from the PDF that the printer
// writes. A queue that refuses the job must bring a notice. The server needs root (cups-pdf
// writes as root); without it, or without CUPS, the tests skip, and under CI they fail.

#include <csignal>
#include <memory>
#include <optional>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include "results/report.h"
#include "tests/gui/program_fixture.h"

using namespace glandwise;
using namespace glandwise::testing;

namespace {

// A program of the system, looked up where Debian puts CUPS's administration tools too;
// empty when missing.
QString systemTool(const QString& name) {
  const QString onPath = QStandardPaths::findExecutable(name);
  return onPath.isEmpty() ? QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin"}) : onPath;
}

// Runs `tool` to its end: its standard output, or nothing when it failed (its error
// output then goes to the test log).
std::optional<QString> run(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(systemTool(tool), arguments);
  if (process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
    return QString::fromUtf8(process.readAllStandardOutput());
  qWarning("%s failed: %s", qPrintable(tool), process.readAllStandardError().constData());
  return std::nullopt;
}

// A CUPS server of the test's own for as long as it lives: its configuration, spool and
// logs in a temporary folder, reached through a local socket there (CUPS_SERVER, set for
// this process and the tools it starts, so that Qt's printing finds it), with one queue,
// kQueue, that writes each job as a PDF file into outFolder(). The server stops when this
// ends, or with the test process should that die first.
class PrivateCups {
 public:
  static constexpr const char* kQueue = "GlandwiseTest";

  PrivateCups() { failure = start(); }
  ~PrivateCups() {
    server_.terminate();
    if (!server_.waitForFinished(5000)) server_.kill();
    server_.waitForFinished(1000);
    if (!pdfSettings_.isEmpty()) QFile::remove(pdfSettings_);
    qunsetenv("CUPS_SERVER");
  }
  PrivateCups(const PrivateCups&) = delete;
  PrivateCups& operator=(const PrivateCups&) = delete;

  QString failure;  // why the server or its queue could not be set up; empty when ready

  QString outFolder() const { return folder_.filePath("out"); }

  // The PDF file of the queue's job once the server has finished every job, or an empty
  // text when none came within `seconds`.
  QString printedPdf(int seconds) const {
    QString pdf;
    const bool printed = QTest::qWaitFor(
        [&] {
          const QStringList files = QDir(outFolder()).entryList({"*.pdf"}, QDir::Files);
          if (files.isEmpty() || run("lpstat", {"-o", kQueue}).value_or("busy") != "") return false;
          pdf = QDir(outFolder()).filePath(files.front());
          return true;
        },
        seconds * 1000);
    return printed ? pdf : QString();
  }

  // The end of the server's error log, to tell why a job did not come.
  QString logTail() const {
    QFile log(folder_.filePath("log/error_log"));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll().right(3000)) : "no server log";
  }

 private:
  // Sets up the server and its queue; why it could not, or an empty text.
  QString start() {
    if (::geteuid() != 0) return "not run as root, which cups-pdf needs";
    for (const char* tool : {"cupsd", "lpadmin", "lpstat", "cupsreject", "cupsaccept", "pdfinfo", "pdftotext"})
      if (systemTool(tool).isEmpty()) return QStringLiteral("%1 is not installed").arg(tool);
    for (const char* file : {kBackend, kPpd, "/etc/cups"})
      if (!QFileInfo::exists(file)) return QStringLiteral("%1 is missing (printer-driver-cups-pdf)").arg(file);
    if (!folder_.isValid()) return "no temporary folder";
    if (const QString error = writeSettings(); !error.isEmpty()) return error;
    qputenv("CUPS_SERVER", folder_.filePath("socket").toLocal8Bit());
    if (const QString error = startServer(); !error.isEmpty()) return error;
    // The queue's PostScript comes from Cairo, which keeps the text readable to pdftotext:
    // through Ghostscript the text reaches the job's PDF without its characters' names.
    const bool added = run("lpadmin", {"-p", kQueue, "-E", "-v", "cups-pdf:/" + instance_, "-P", kPpd, "-o",
                                       "pdftops-renderer-default=pdftocairo"})
                           .has_value();
    return added ? QString() : "lpadmin could not add the queue";
  }

  // The server's folders and settings, and cups-pdf's settings for the queue's device.
  QString writeSettings() {
    // The server's filters run as the print user: they must reach the spool inside.
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    const QDir root(folder_.path());
    if (!root.mkpath("etc") || !root.mkpath("log") || !root.mkpath("out") || !root.mkpath("tmp") ||
        ::chmod(qPrintable(root.filePath("tmp")), 01777) != 0)
      return "cannot make the server's folders";
    const QString at = root.path();
    pdfSettings_ = "/etc/cups/cups-pdf-" + instance_ + ".conf";
    const bool written =
        writeFile(root.filePath("etc/cupsd.conf"),
                  "Listen " + at + "/socket\nBrowsing No\nWebInterface No\n"
                  "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n") &&
        writeFile(root.filePath("etc/cups-files.conf"),
                  "ServerRoot " + at + "/etc\nRequestRoot " + at + "/spool\nCacheDir " + at + "/cache\nStateDir " +
                      at + "/state\nTempDir " + at + "/tmp\nErrorLog " + at + "/log/error_log\nAccessLog " + at +
                      "/log/access_log\nPageLog " + at + "/log/page_log\nPrintcap " + at + "/printcap\n"
                      "SystemGroup root\n") &&
        writeFile(pdfSettings_,
                  "Out " + at + "/out\nAnonDirName " + at + "/out\nSpool " + at + "/pdf-spool\nLog " + at + "/log\n");
    return written ? QString() : "cannot write the server's settings";
  }

  // Starts the server and waits until it answers.
  QString startServer() {
    server_.setProgram(systemTool("cupsd"));
    server_.setArguments(
        {"-f", "-c", folder_.filePath("etc/cupsd.conf"), "-s", folder_.filePath("etc/cups-files.conf")});
    server_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    server_.start();
    const auto answers = [] { return run("lpstat", {"-r"}).value_or("").startsWith("scheduler is running"); };
    if (server_.waitForStarted() && QTest::qWaitFor(answers, 10000)) return {};
    return "cupsd did not start: " + server_.readAllStandardError() + logTail();
  }

  static bool writeFile(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
  }

  static constexpr const char* kBackend = "/usr/lib/cups/backend/cups-pdf";
  static constexpr const char* kPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd";
  QTemporaryDir folder_;
  QProcess server_;
  const QString instance_ = QStringLiteral("glandwise-test-%1").arg(::getpid());  // cups-pdf's name for the device
  QString pdfSettings_;  // cups-pdf's settings file for the device, while this server lives
};

// A rod-groove gland from the title screen to its results sheet.
QWidget* toSheet(Program& program) {
  return program.walk({{"cmdOk"}, {"opt139", "optRod", "txtID=1.75", "txtBDM=2", "cmdOk"}, {"cmdOk"}});
}

}  // namespace

class PrintTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase() { cups_.reset(); }
  void printsTheSheetOnACupsQueue();
  void aQueueThatRefusesTheJobGivesANotice();

 private:
  std::unique_ptr<PrivateCups> cups_;
};

void PrintTest::initTestCase() {
  cups_ = std::make_unique<PrivateCups>();
  if (!cups_->failure.isEmpty()) qWarning("No private CUPS server: %s", qPrintable(cups_->failure));
}

void PrintTest::printsTheSheetOnACupsQueue() {
  REQUIRE_ENVIRONMENT(cups_->failure.isEmpty(), "a private CUPS server with a PDF printer");
  Program program;
  QWidget* sheet = toSheet(program);
  QVERIFY(sheet);
  program.fake.printerName = PrivateCups::kQueue;
  QVERIFY(Program::act(sheet, {"cmdPrint"}));
  QCOMPARE(program.fake.log, QStringList{"print dialog"});

  const QString pdf = cups_->printedPdf(30);
  QVERIFY2(!pdf.isEmpty(), qPrintable(cups_->logTail()));
  QVERIFY(run("pdfinfo", {pdf}).value_or("").contains(QRegularExpression("Pages: +1\n")));
  const QString text = run("pdftotext", {"-layout", pdf, "-"}).value_or("").simplified();
  for (const QString& shown : {QStringLiteral("Glandwise - Results"), child<QLabel>(sheet, "lblGCV")->text(),
                              child<QLabel>(sheet, "lblEWMV")->text()})
    QVERIFY2(text.contains(shown.simplified()), qPrintable(shown + " is not in: " + text));
  for (const char* name : kSheetButtons)
    if (auto* button = child<QAbstractButton>(sheet, name)) QVERIFY2(!text.contains(button->text()), name);
}

void PrintTest::aQueueThatRefusesTheJobGivesANotice() {
  REQUIRE_ENVIRONMENT(cups_->failure.isEmpty(), "a private CUPS server with a PDF printer");
  QVERIFY(run("cupsreject", {PrivateCups::kQueue}));
  Program program;
  QWidget* sheet = toSheet(program);
  QVERIFY(sheet);
  program.fake.printerName = PrivateCups::kQueue;
  QVERIFY(Program::act(sheet, {"cmdPrint"}));
  QCOMPARE(program.fake.log.size(), 2);
  QVERIFY2(program.fake.log[1].startsWith("notice: The report could not be printed.\n\n") &&
               program.fake.log[1].contains("not accepting jobs"),
           qPrintable(program.fake.log[1]));
  for (const char* name : kSheetButtons) QVERIFY2(child(sheet, name)->isVisible(), name);
  QVERIFY(run("cupsaccept", {PrivateCups::kQueue}));
}

QTEST_MAIN(PrintTest)
#include "print_test.moc"

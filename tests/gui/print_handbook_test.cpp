// PRINT REPORT on both results sheets and the handbook buttons of every screen, through
// the whole program on the fixture's substituted Print dialog, file dialog and opener.

#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/gui/editor_results_support.h"
#include "tests/gui/program_fixture.h"
#include "results/report.h"

using namespace glandwise;
using namespace glandwise::testing;

namespace {

// The two glands printed: a rod groove and a housing groove with real figures.
SelectionInput rodGlandInput() {
  return {.crossSection = "opt139", .glandType = "optRod", .sealInsideDia = QStringLiteral("1.75"),
          .housingDia = QStringLiteral("2"), .pressure = QStringLiteral("1000")};
}
SelectionInput housingGlandInput() {
  return {.crossSection = "opt007", .glandType = "optHousing", .sealInsideDia = QStringLiteral("0.49"),
          .rodDia = QStringLiteral("0.5"), .pressure = QStringLiteral("1000")};
}

// Drives `program` from the title to the results sheet of `input`; the sheet, or nullptr.
ResultsSheet* toSheet(ProgramFixture& program, const SelectionInput& input) {
  GlandEditor* editor = program.toEditor(input);
  if (!editor || !ProgramFixture::click(editor, "cmdOk")) return nullptr;
  ProgramFixture::settle();
  return program.flow().resultsSheet();
}

// Records, in order, every hide and show of the six sheet buttons.
class ButtonEvents : public QObject {
 public:
  explicit ButtonEvents(QWidget* sheet) {
    for (const char* name : kSheetButtons) sheet->findChild<QWidget*>(QLatin1String(name))->installEventFilter(this);
  }
  QStringList events;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide) events << "hide " + watched->objectName();
    if (event->type() == QEvent::Show) events << "show " + watched->objectName();
    return false;
  }
};

QStringList inOrder(const QString& verb) {
  QStringList expected;
  for (const char* name : kSheetButtons) expected << verb + " " + QLatin1String(name);
  return expected;
}

int visibleButtons(QWidget* sheet) {
  int visible = 0;
  for (const char* name : kSheetButtons) visible += sheet->findChild<QWidget*>(QLatin1String(name))->isVisible();
  return visible;
}

// The text of a PDF as pdftotext reads it (layout kept), and its page count.
QString pdfText(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  process.waitForFinished(20000);
  return QString::fromUtf8(process.readAllStandardOutput());
}
int pdfPages(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdfinfo"), {path});
  process.waitForFinished(20000);
  const QString info = QString::fromUtf8(process.readAllStandardOutput());
  const qsizetype at = info.indexOf(QStringLiteral("Pages:"));
  return at < 0 ? -1 : info.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
}

}  // namespace

class PrintHandbookTest : public QObject {
  Q_OBJECT

 private slots:
  void printsOnePageWithoutButtons_data();
  void printsOnePageWithoutButtons();
  void cancelPrintsNothing();
  void failingPrinterRestoresButtonsAndTellsWhy();
  void printingTwiceGivesIdenticalPagesAndKeepsTheRecord();
  void selectionScreenStoresThenOpens();
  void editorAndSheetAskOpenAndKeepTheirOwnChoice();
  void settingSurvivesAFreshStart();
};

void PrintHandbookTest::printsOnePageWithoutButtons_data() {
  QTest::addColumn<bool>("housing");
  QTest::newRow("rod groove") << false;
  QTest::newRow("housing groove") << true;
}

void PrintHandbookTest::printsOnePageWithoutButtons() {
  QFETCH(bool, housing);
  ProgramFixture program;
  ResultsSheet* sheet = toSheet(program, housing ? housingGlandInput() : rodGlandInput());
  QVERIFY(sheet);
  QTemporaryDir folder;
  program.printDialog.outputFile = folder.filePath(QStringLiteral("report.pdf"));
  int visibleWhileOpen = -1;
  program.printDialog.whileOpen = [&] { visibleWhileOpen = visibleButtons(sheet); };
  ButtonEvents events(sheet);

  QVERIFY(ProgramFixture::click(sheet, "cmdPrint"));
  QCOMPARE(visibleWhileOpen, 0);
  QCOMPARE(events.events, inOrder(QStringLiteral("hide")) + inOrder(QStringLiteral("show")));
  QCOMPARE(visibleButtons(sheet), 6);
  QCOMPARE(pdfPages(program.printDialog.outputFile), 1);

  const QString text = pdfText(program.printDialog.outputFile);
  for (const QString& fixed : {QStringLiteral("Glandwise - Results"), QStringLiteral("v 2.1a"),
                               housing ? QStringLiteral("Groove In Housing") : QStringLiteral("Groove In Rod"),
                               QStringLiteral("Cross Section Dia. ="), QStringLiteral("Radial Extrusion"),
                               QStringLiteral("Worst Case MMC")})
    QVERIFY2(text.contains(fixed), qPrintable(fixed));
  // Every value label as the screen shows it, the date included.
  for (QLabel* label : sheet->findChildren<QLabel*>()) {
    const QString name = label->objectName();
    if (!name.startsWith(QLatin1String("lbl")) || label->text().isEmpty()) continue;
    if (name.endsWith(QLatin1Char('V')) || name == QLatin1String("lblDate") || name.contains(QLatin1String("Max")) ||
        name.contains(QLatin1String("Min")))
      QVERIFY2(text.simplified().contains(label->text().simplified()), qPrintable(name + ": " + label->text()));
  }
  for (const QString& button : {QStringLiteral("PRINT REPORT"), QStringLiteral("O-RING HANDBOOK"),
                                QStringLiteral("EDIT"), QStringLiteral("EXIT"), QStringLiteral("Help")})
    QVERIFY2(!text.contains(button), qPrintable(button));
  QVERIFY(program.messageBoxes.texts.empty());
}

void PrintHandbookTest::cancelPrintsNothing() {
  ProgramFixture program;
  ResultsSheet* sheet = toSheet(program, rodGlandInput());
  QVERIFY(sheet);
  QTemporaryDir folder;
  program.printDialog.outputFile.clear();  // Cancel
  QVERIFY(ProgramFixture::click(sheet, "cmdPrint"));
  QCOMPARE(visibleButtons(sheet), 6);
  QVERIFY(QDir(folder.path()).isEmpty());
  QVERIFY(program.messageBoxes.texts.empty());
  QCOMPARE(program.log.back(), std::string("print dialog"));
}

void PrintHandbookTest::failingPrinterRestoresButtonsAndTellsWhy() {
  ProgramFixture program;
  ResultsSheet* sheet = toSheet(program, housingGlandInput());
  QVERIFY(sheet);
  program.printDialog.outputFile = QStringLiteral("/nonexistent-folder/for/report.pdf");
  QVERIFY(ProgramFixture::click(sheet, "cmdPrint"));
  QCOMPARE(visibleButtons(sheet), 6);
  QCOMPARE(program.messageBoxes.texts.size(), std::size_t(1));
  QVERIFY(QString::fromStdString(program.messageBoxes.texts[0]).startsWith(QLatin1String("The report could not be printed.")));
  QVERIFY(sheet->isVisible());
  QCOMPARE(program.endRequests(), 0);
}

void PrintHandbookTest::printingTwiceGivesIdenticalPagesAndKeepsTheRecord() {
  ProgramFixture program;
  ResultsSheet* sheet = toSheet(program, rodGlandInput());
  QVERIFY(sheet);
  const QMap<QString, float> before = recordFloats(program.record());
  QTemporaryDir folder;
  QStringList texts;
  for (const char* name : {"first.pdf", "second.pdf"}) {
    program.printDialog.outputFile = folder.filePath(QLatin1String(name));
    QVERIFY(ProgramFixture::click(sheet, "cmdPrint"));
    texts << pdfText(program.printDialog.outputFile);
  }
  QVERIFY(!texts[0].isEmpty());
  QCOMPARE(texts[0], texts[1]);
  QCOMPARE(recordFloats(program.record()), before);
}

void PrintHandbookTest::selectionScreenStoresThenOpens() {
  ProgramFixture program;
  SelectionScreen* selection = program.toSelectionScreen();
  QVERIFY(selection);
  auto* box = ProgramFixture::control<QLineEdit>(selection, "Text1");
  QCOMPARE(box->text(), QString());
  program.fileDialog.choices = {std::string("/docs/o-ring handbook.pdf")};
  QVERIFY(ProgramFixture::click(selection, "cmdHandbook"));
  QCOMPARE(box->text(), QStringLiteral("/docs/o-ring handbook.pdf"));
  QVERIFY(program.documentOpener.opened.empty());
  QCOMPARE(program.fileDialog.requests.at(0).title, std::string("Select PDF File"));
  QCOMPARE(program.fileDialog.requests.at(0).filter, std::string("PDF Files (*.pdf)"));
  QVERIFY(ProgramFixture::click(selection, "cmdHandbook"));
  QCOMPARE(program.documentOpener.opened, std::vector<std::string>{"/docs/o-ring handbook.pdf"});
}

void PrintHandbookTest::editorAndSheetAskOpenAndKeepTheirOwnChoice() {
  ProgramFixture program;
  GlandEditor* editor = program.toEditor(rodGlandInput());
  QVERIFY(editor);
  QVERIFY(ProgramFixture::click(editor, "cmdHandbook"));  // cancelled: nothing is opened
  QVERIFY(program.documentOpener.opened.empty());
  program.fileDialog.choices = {std::string("/docs/a.pdf")};
  QVERIFY(ProgramFixture::click(editor, "cmdHandbook"));
  QCOMPARE(program.documentOpener.opened, std::vector<std::string>{"/docs/a.pdf"});
  QCOMPARE(program.record().SelectedFile, std::string("/docs/a.pdf"));
  QVERIFY(ProgramFixture::click(editor, "cmdOk"));
  ProgramFixture::settle();
  ResultsSheet* sheet = program.flow().resultsSheet();
  QVERIFY(sheet);
  program.documentOpener.result = false;
  QVERIFY(ProgramFixture::click(sheet, "cmdHandbook"));
  QCOMPARE(program.documentOpener.opened.back(), std::string("/docs/a.pdf"));
  QCOMPARE(program.messageBoxes.texts.size(), std::size_t(1));
  QVERIFY(QString::fromStdString(program.messageBoxes.texts[0]).contains(QLatin1String("/docs/a.pdf")));
  QCOMPARE(program.fileDialog.requests.size(), std::size_t(2));
  // Never stored: the selection screen's box stays empty.
  QVERIFY(ProgramFixture::click(sheet, "cmdEdit"));
  ProgramFixture::settle();
  QVERIFY(ProgramFixture::click(program.flow().editor(), "cmdBack"));
  ProgramFixture::settle();
  QCOMPARE(ProgramFixture::control<QLineEdit>(program.flow().selectionScreen(), "Text1")->text(), QString());
}

// Starts `run` and goes on from the title screen; the selection screen.
static QWidget* selectionOf(ProgramRun& run) {
  run.flow.start();
  ProgramFixture::click(run.flow.titleScreen(), "cmdOk");
  ProgramFixture::settle();
  return run.flow.selectionScreen();
}

// The setting goes through the real QSettings store in a temporary folder and is read back
// by a fresh program start; an empty path is stored too.
void PrintHandbookTest::settingSurvivesAFreshStart() {
  TemporarySettings folder;
  {
    ProgramRun first([] {});
    QWidget* selection = selectionOf(first);
    first.fileDialog.choices = {std::string("/docs/kept.pdf")};
    QVERIFY(ProgramFixture::click(selection, "cmdHandbook"));
  }
  {
    ProgramRun second([] {});
    QWidget* selection = selectionOf(second);
    QCOMPARE(ProgramFixture::control<QLineEdit>(selection, "Text1")->text(), QStringLiteral("/docs/kept.pdf"));
    QVERIFY(ProgramFixture::click(selection, "cmdHandbook"));
    QCOMPARE(second.documentOpener.opened, std::vector<std::string>{"/docs/kept.pdf"});
    ProgramFixture::control<QLineEdit>(selection, "Text1")->clear();
    QVERIFY(ProgramFixture::click(selection, "cmdHandbook"));  // asks again; cancelled
  }
  QSettings stored(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("MyApp"));
  QVERIFY(stored.contains(QStringLiteral("Config/SelectedFile")));
  QCOMPARE(stored.value(QStringLiteral("Config/SelectedFile")).toString(), QString());
  ProgramRun third([] {});
  QCOMPARE(ProgramFixture::control<QLineEdit>(selectionOf(third), "Text1")->text(), QString());
}

QTEST_MAIN(PrintHandbookTest)
#include "print_handbook_test.moc"

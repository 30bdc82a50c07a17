// The screens of the desktop program, driven through the whole program on fake platform
// services: where every button leads, how refusals, questions and notices reach the user,
// focus, the handbook, the look of every window, whole gland runs, the printed report and
// the decimal point under a German locale. The core's rules are tested in tests/model; here
// only that the screens carry them.

#include <clocale>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QScrollArea>
#include <QScrollBar>
#include <QPainter>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include "drawing/gland_drawing.h"
#include "model/gland_section.h"
#include "model/sheet.h"
#include "results/report.h"
#include "tests/drawing/drawing_readers.h"
#include "tests/gui/program_fixture.h"

using namespace glandwise;
using namespace glandwise::testing;

namespace {

// A gland from the selection screen through its editor to the results sheet, and a few
// captions that its sheet shows. Neither editor asks a question, with or without the edits.
struct GlandRun {
  QStringList selection, edits;
  QList<std::pair<const char*, const char*>> shows;
};
const GlandRun kRodRun{{"opt139", "optRod", "txtID=1", "txtBDM=1.25", "txtPR=1000", "cmdOk"},
                       {"txtPDM=1.24", "txtGDM=1.02", "cmdOk"},
                       {{"lblGCV", "Groove in Rod."}, {"lblEWMV", "0.1366 Inch"}, {"lblPSMV", "2 %"}, {"lblPCM", "15.81"}}};
const GlandRun kHousingRun{
    {"opt007", "optHousing", "txtID=1", "txtPDF=1", "txtPR=1000", "cmdOk"},
    {"txtPDTF=0.001", "txtBDF=1.0035", "txtBDTF=0.0005", "txtGDF=1.102", "txtGDTF=0.001", "txtECC=0.002", "cmdOk"},
    {{"lblGCV", "Groove in Housing."}, {"lblEWFV", "0.06999 Inch"}, {"lblBDFV", "1.0035 Inch   Tolerance =  +/-  0.0005"}}};

ResultsSheet* toSheet(Program& program, const GlandRun& run) {
  return qobject_cast<ResultsSheet*>(program.walk({{"cmdOk"}, run.selection, run.edits}));
}

// The visible main screen when it is `name` and no window is loaded twice; else nullptr.
QWidget* expect(Program& program, const char* name) {
  QWidget* screen = program.shown();
  if (screen && screen->objectName() == QLatin1String(name) && duplicateWindows().isEmpty()) return screen;
  qWarning("expected %s alone; loaded twice: %s", name, qPrintable(duplicateWindows().join(' ')));
  return nullptr;
}

// EXIT and the window frame's close both ask to end the program, and unload nothing.
bool endsProgram(Program& program, QWidget* screen) {
  const int before = program.ends;
  const bool exited = Program::act(screen, {"cmdExit"}) && program.ends == before + 1;
  screen->close();
  Program::settle();
  return exited && program.ends == before + 2 && program.shown() == screen;
}

// "name=text" of every text box of `window`.
QStringList boxes(QWidget* window) {
  QStringList texts;
  for (QLineEdit* box : window->findChildren<QLineEdit*>()) texts << box->objectName() + '=' + box->text();
  return texts;
}

// What the fake services were asked, without the texts: "beep", "question", "notice"...
QStringList kinds(const QStringList& log) {
  QStringList result;
  for (const QString& entry : log) result << entry.section(':', 0, 0);
  return result;
}

// The controls of `window` that take the focus by Tab, in focus order from `first`.
QStringList focusOrder(QWidget* window, const char* first) {
  QStringList order;
  QWidget* start = child(window, first);
  for (QWidget* control = start; order.isEmpty() || control != start; control = control->nextInFocusChain())
    if (control->focusPolicy() & Qt::TabFocus) order << control->objectName();
  return order;
}

QString labelText(QWidget* window, const std::string& name) {
  auto* label = window->findChild<QLabel*>(QString::fromStdString(name));
  return label ? label->text() : QString::fromStdString("<no label " + name + ">");
}

// The area in which a control may draw its text and where the text is drawn, in the
// parent's coordinates; for a control without text, its geometry both.
std::pair<QRect, QRect> textPlace(QWidget* control) {
  const auto* label = qobject_cast<QLabel*>(control);
  const auto* button = qobject_cast<QAbstractButton*>(control);
  QRect area = control->rect(), text = area;
  if (qobject_cast<QRadioButton*>(control)) {
    text = QRect(QPoint(), control->sizeHint());
  } else if (button) {
    area.adjust(3, 1, -3, -1);  // the button's bevel
    text = control->fontMetrics().boundingRect(area, Qt::AlignCenter, button->text());
  } else if (label && label->pixmap().isNull()) {
    area = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    text = control->fontMetrics().boundingRect(area, flags, label->text());
  }
  return {area.translated(control->pos()), text.translated(control->pos())};
}

// What spoils the look of `window`: a text that does not fit its control, a control that
// does not fit its parent, or two controls of one parent that draw over each other. The
// page of a results sheet is one with the sheet, whose buttons stand on it; grid lines cross
// each other by design.
QStringList layoutFaults(QWidget* window) {
  QStringList faults;
  QList<std::tuple<QWidget*, QWidget*, QRect>> drawn;  // control, its layer, its text in the window
  for (QWidget* control : window->findChildren<QWidget*>()) {
    QWidget* parent = control->parentWidget();
    if (!control->isVisibleTo(window) || control->objectName() == "page") continue;
    const auto [area, text] = textPlace(control);
    if (!area.contains(text) || !parent->rect().contains(area))
      faults << window->objectName() + ": " + control->objectName() + " is clipped";
    QWidget* layer = parent->objectName() == "page" ? parent->parentWidget() : parent;
    // A text's box may touch a neighbour by a pixel: its glyphs stand inside it.
    const QRect inWindow = text.translated(parent->mapTo(window, QPoint())).adjusted(1, 1, -1, -1);
    for (const auto& [other, otherLayer, otherText] : drawn)
      if (otherLayer == layer && otherText.intersects(inWindow) &&
          !(control->objectName().startsWith("Line") && other->objectName().startsWith("Line")))
        faults << window->objectName() + ": " + control->objectName() + " overlaps " + other->objectName();
    drawn.append({control, layer, inWindow});
  }
  return faults;
}

// Records, in order, every hide and show of the controls that it watches.
class VisibilityLog : public QObject {
 public:
  QStringList events;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide || event->type() == QEvent::Show)
      events << (event->type() == QEvent::Hide ? "hide " : "show ") + watched->objectName();
    return false;
  }
};

QString toolOutput(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  return process.waitForFinished(20000) ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

// The C library's and Qt's locale German while it lives; `present` tells whether the
// system has the German locale.
struct GermanLocale {
  const std::string previousC = std::setlocale(LC_ALL, nullptr);
  const QLocale previousQt;
  const bool present = std::setlocale(LC_ALL, "de_DE.UTF-8");
  GermanLocale() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
  ~GermanLocale() {
    std::setlocale(LC_ALL, previousC.c_str());
    QLocale::setDefault(previousQt);
  }
};

}  // namespace

class ScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void everyButtonLeadsToItsScreen();
  void messageDialogShowsTheRefusalUntilDismissed();
  void helpButtonsOpenTheirDialogOnce();
  void editorOkRefusesAsksAndNotifies();
  void glandTypeEnablesItsDiameterAndResetsTheOther();
  void focusOrderAndSelectAllOnFocus();
  void handbookButtonsOpenTheDocumentKeptAcrossRuns();
  void noTextClippedAndNoControlsOverlap();
  void bothGlandKindsShowTheCoresFigures();
  void printReportPrintsTheSheetWithoutButtons();
  void cancelledOrFailedPrintLeavesTheSheetAsItWas();
  void decimalPointWhateverTheLocale();
  void messageBoxesAnswerAsPressed();
  void reviewButtonOpensOneWindowOnBothSheets();
  void reviewInputUpdatesAtOnceAndBadInputIsMarked();
  void sectionIsToScaleAndLimitLinesWhereTheyBelong();
  void exportDrawingWritesTheSectionShown();
  void as568BoxChoosesTheOptionAndTypesTheId();
  void reviewPrintsOnePageCancelPrintsNothing();
  void reviewJudgesByAChosenRuleFileAndRefusesABadOne();
  void reviewCopiesItsFiguresAsCells();
  void screensOpenInPlaceAndTheSheetScrollsOnASmallScreen();
  void keyboardPressesFocusedButtonsAndMnemonics();
  void copyResultsPutsTheSheetOnTheClipboard();
  void savedGlandReopensOnItsEditorAndGivesTheSameSheet();
  void unusableGlandFileIsToldAndChangesNothing();
};

void ScreenTest::everyButtonLeadsToItsScreen() {
  Program program;
  QPointer<QWidget> title = expect(program, "frmTitle");
  QVERIFY(title && endsProgram(program, title));
  QVERIFY(Program::act(title, {"cmdOk"}));
  QVERIFY2(title.isNull(), "the title screen is unloaded for good");

  QWidget* selection = expect(program, "frmFirst");
  QVERIFY(selection && endsProgram(program, selection));
  QVERIFY(Program::act(selection, kRodRun.selection));
  QPointer<QWidget> editor = expect(program, "frmGrooveInMale");
  QVERIFY(editor && endsProgram(program, editor));
  const QStringList standard = boxes(editor), selected = boxes(selection);

  QVERIFY(Program::act(editor, {"txtECC=0.001", "cmdOk"}));
  const QStringList edited = boxes(editor);
  QVERIFY(edited != standard);
  QPointer<QWidget> sheet = expect(program, "frmResultsMale");
  QVERIFY(sheet && endsProgram(program, sheet));
  QVERIFY(Program::act(sheet, {"cmdEdit"}));
  QVERIFY2(sheet.isNull(), "EDIT unloads the sheet");
  QCOMPARE(expect(program, "frmGrooveInMale"), editor.data());
  QCOMPARE(boxes(editor), edited);

  QVERIFY(Program::act(editor, {"cmdBack"}));
  QVERIFY2(editor.isNull(), "BACK unloads the editor");
  QCOMPARE(expect(program, "frmFirst"), selection);
  QCOMPARE(boxes(selection), selected);
  QVERIFY(Program::act(selection, {"cmdOk"}));
  editor = expect(program, "frmGrooveInMale");
  QVERIFY(editor);
  QCOMPARE(boxes(editor), standard);

  QVERIFY(program.walk({{"cmdBack"}, kHousingRun.selection}));
  editor = expect(program, "frmGrooveInFemale");
  QVERIFY(editor && endsProgram(program, editor));
  QVERIFY(Program::act(editor, {"cmdOk"}));
  sheet = expect(program, "frmResultsFemale");
  QVERIFY(sheet && endsProgram(program, sheet));
}

void ScreenTest::messageDialogShowsTheRefusalUntilDismissed() {
  Program program;
  QWidget* selection = program.walk({{"cmdOk"}});
  QVERIFY(selection);
  for (const QString closing : {"OK", "Escape", "window frame"}) {
    program.fake.log.clear();
    QVERIFY(Program::act(selection, {"cmdOk"}));  // nothing chosen
    QPointer<MessageDialog> dialog = program.flow().messageDialog();
    QVERIFY(dialog && dialog->isVisible() && !QApplication::activeModalWidget());
    QVERIFY(!program.record().ErrorText.empty());
    QCOMPARE(program.message(), QString::fromStdString(program.record().ErrorText));
    QCOMPARE(program.fake.log, QStringList{"beep"});
    QCOMPARE(program.shown(), selection);

    if (closing == "OK") QVERIFY(Program::act(dialog, {"cmdOk"}));
    if (closing == "Escape") QTest::keyClick(dialog, Qt::Key_Escape);
    if (closing == "window frame") dialog->close();
    Program::settle();
    QVERIFY2(dialog.isNull(), qPrintable(closing));
    QCOMPARE(program.record().ErrorText, std::string("ERROR"));
  }

  // A second refusal while the dialog is open, this one without a beep (the seal does not
  // fit the rod): the open dialog takes the newer text and comes to the front.
  program.fake.log.clear();
  QVERIFY(Program::act(selection, {"cmdOk"}));
  QPointer<MessageDialog> first = program.flow().messageDialog();
  const QString firstText = program.message();
  selection->activateWindow();
  QTRY_COMPARE(QApplication::activeWindow(), selection);
  QVERIFY(Program::act(selection, {"opt139", "optHousing", "txtID=1.05", "txtPDF=1", "cmdOk"}));
  QVERIFY(first && program.flow().messageDialog() == first);
  QCOMPARE(program.message(), QString::fromStdString(program.record().ErrorText));
  QVERIFY(program.message() != firstText);
  QCOMPARE(program.fake.log, QStringList{"beep"});
  QTRY_COMPARE(QApplication::activeWindow(), first.data());
}

void ScreenTest::helpButtonsOpenTheirDialogOnce() {
  Program program;
  QWidget* sheet = toSheet(program, kRodRun);
  QVERIFY(sheet);
  for (const auto& [button, name] : {std::pair{"cmdH1", "frmEccInfo"}, std::pair{"cmdH2", "frmFrictionInfo"}}) {
    QVERIFY(Program::act(sheet, {button}));
    QPointer<QWidget> dialog;
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->objectName() == QLatin1String(name)) dialog = window;
    QVERIFY2(dialog && dialog->isVisible() && !QApplication::activeModalWidget(), name);
    sheet->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), sheet);
    QVERIFY(Program::act(sheet, {button}));
    QVERIFY2(dialog, "a second press does not load the dialog again");
    QTRY_COMPARE(QApplication::activeWindow(), dialog.data());
    QCOMPARE(duplicateWindows(), QStringList());
    QVERIFY(Program::act(dialog, {"cmdClose"}));
    QVERIFY2(dialog.isNull(), "Close unloads the dialog");
  }
}

// One refusal with and one without a beep, one question answered Yes and then No, one notice.
void ScreenTest::editorOkRefusesAsksAndNotifies() {
  Program program;
  QWidget* editor = program.walk({{"cmdOk"}, kRodRun.selection});
  QVERIFY(editor);
  QVERIFY(Program::act(editor, {"txtPDM=1.1", "cmdOk"}));  // the seal does not fit the rod
  QCOMPARE(program.message(), QString::fromStdString(program.record().ErrorText));
  QCOMPARE(program.fake.log, QStringList());
  const QString sealText = program.message();
  QVERIFY(Program::act(editor, {"txtPDM=1.24", "txtPR=0", "cmdOk"}));
  QCOMPARE(program.message(), QString::fromStdString(program.record().ErrorText));
  QVERIFY(program.message() != sealText);
  QCOMPARE(program.fake.log, QStringList{"beep"});
  QVERIFY(Program::act(program.flow().messageDialog(), {"cmdOk"}));

  // 30 % stretch: a question, and after No a notice that the figures are extrapolated.
  program.fake.log.clear();
  program.fake.answers = {true};
  QVERIFY(Program::act(editor, {"txtPR=1000", "txtGDM=1.3", "txtBDM=1.5", "txtPDM=1.49"}));
  const QStringList typed = boxes(editor);
  QVERIFY(Program::act(editor, {"cmdOk"}));
  QCOMPARE(kinds(program.fake.log), (QStringList{"beep", "question"}));
  QCOMPARE(program.shown(), editor);
  QCOMPARE(boxes(editor), typed);
  QVERIFY(!program.flow().resultsSheet() && !program.flow().messageDialog());

  program.fake.answers = {false};
  QVERIFY(Program::act(editor, {"cmdOk"}));
  QCOMPARE(kinds(program.fake.log), (QStringList{"beep", "question", "beep", "question", "beep", "notice"}));
  QVERIFY(expect(program, "frmResultsMale"));
}

void ScreenTest::glandTypeEnablesItsDiameterAndResetsTheOther() {
  Program program;
  QWidget* selection = program.walk({{"cmdOk"}});
  QVERIFY(selection);
  const auto rows = [selection] {
    QStringList state;
    for (const char* name : {"lblPDF", "txtPDF", "lblPDFUnit", "lblBDM", "txtBDM", "lblBDMUnit"}) {
      QWidget* control = child(selection, name);
      auto* box = qobject_cast<QLineEdit*>(control);
      state << QString::fromLatin1(name) + (control->isEnabled() ? "+" : "-") + (box ? box->text() : QString());
    }
    return state.join(' ');
  };
  QVERIFY(Program::act(selection, {"optRod", "txtBDM=2.5"}));
  QCOMPARE(rows(), QStringLiteral("lblPDF- txtPDF-0 lblPDFUnit- lblBDM+ txtBDM+2.5 lblBDMUnit+"));
  QVERIFY(Program::act(selection, {"optHousing", "txtPDF=1.25"}));
  QCOMPARE(rows(), QStringLiteral("lblPDF+ txtPDF+1.25 lblPDFUnit+ lblBDM- txtBDM-0 lblBDMUnit-"));
  QVERIFY(Program::act(selection, {"optRod"}));
  QCOMPARE(rows(), QStringLiteral("lblPDF- txtPDF-0 lblPDFUnit- lblBDM+ txtBDM+0 lblBDMUnit+"));
}

void ScreenTest::focusOrderAndSelectAllOnFocus() {
  Program program;
  QWidget* selection = program.walk({{"cmdOk"}});
  QVERIFY(selection && QTest::qWaitForWindowActive(selection));
  QCOMPARE(QApplication::focusWidget(), child(selection, "txtID"));
  QCOMPARE(focusOrder(selection, "txtID"),
           (QStringList{"txtID", "txtAS568", "txtPDF", "txtBDM", "txtPR", "cmdHandbook", "cmdOk", "cmdExit",
                        "cmdFaceSeal", "opt007", "opt103", "opt139", "opt210", "opt275", "optRod", "optHousing",
                        "Text1", "cmdFind"}));
  // Tab goes on to the AS568 box, then skips the disabled rod diameter; a box selects its
  // whole text on focus.
  QVERIFY(Program::act(selection, {"optRod", "txtID=1.375", "txtBDM=2.25"}));
  auto* seal = child<QLineEdit>(selection, "txtID");
  seal->setFocus(Qt::TabFocusReason);
  QTest::keyClick(seal, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), child(selection, "txtAS568"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  auto* housing = child<QLineEdit>(selection, "txtBDM");
  QCOMPARE(QApplication::focusWidget(), housing);
  QCOMPARE(housing->selectedText(), QStringLiteral("2.25"));
  QTest::mouseClick(seal, Qt::LeftButton, {}, QPoint(4, seal->height() / 2));
  QTRY_COMPARE(seal->selectedText(), QStringLiteral("1.375"));

  const QStringList buttons{"cmdHandbook", "cmdBack", "cmdOk", "cmdExit"};
  QWidget* editor = program.walk({kRodRun.selection});
  QVERIFY(editor);
  QCOMPARE(focusOrder(editor, "txtID"), QStringList({"txtID", "txtPDM", "txtPDTM", "txtBDM", "txtBDTM", "txtGDM",
                                                     "txtGDTM", "txtPR", "txtECC"}) + buttons);
  editor = program.walk({{"cmdBack"}, kHousingRun.selection});
  QVERIFY(editor);
  QCOMPARE(focusOrder(editor, "txtID"), QStringList({"txtID", "txtBDF", "txtBDTF", "txtPDF", "txtPDTF", "txtGDF",
                                                     "txtGDTF", "txtPR", "txtECC"}) + buttons);
}

// The selection screen asks for the document, keeps its path in the per-user settings and
// opens it; an editor's button opens it too; the next run shows the kept path.
void ScreenTest::handbookButtonsOpenTheDocumentKeptAcrossRuns() {
  TemporarySettings shared;
  {
    Program first(false);
    QWidget* selection = first.walk({{"cmdOk"}});
    QVERIFY(selection);
    QCOMPARE(child<QLineEdit>(selection, "Text1")->text(), QString());
    first.fake.files = {"/docs/o-ring handbook.pdf"};
    QVERIFY(Program::act(selection, {"cmdHandbook"}));
    QCOMPARE(child<QLineEdit>(selection, "Text1")->text(), QStringLiteral("/docs/o-ring handbook.pdf"));
    QVERIFY(Program::act(selection, {"cmdHandbook"}));
    QVERIFY(first.walk({kRodRun.selection, {"cmdHandbook"}}));
    QCOMPARE(first.fake.log, (QStringList{"file dialog: Select PDF File", "open: /docs/o-ring handbook.pdf",
                                          "open: /docs/o-ring handbook.pdf"}));
  }
  Program second(false);
  QWidget* selection = second.walk({{"cmdOk"}});
  QVERIFY(selection);
  QCOMPARE(child<QLineEdit>(selection, "Text1")->text(), QStringLiteral("/docs/o-ring handbook.pdf"));
}

void ScreenTest::noTextClippedAndNoControlsOverlap() {
  Program program;
  QStringList faults = layoutFaults(program.shown());
  QWidget* selection = program.walk({{"cmdOk"}});
  QVERIFY(selection);
  faults << layoutFaults(selection);
  program.record().ErrorText = "Calculation shows seal nominal diameter  1.234568E+07  > -1.234568E+07  rod  diameter.";
  program.flow().showMessage(false);
  program.flow().openEccentricityInfo();
  program.flow().openFrictionInfo();
  faults << layoutFaults(program.flow().messageDialog()) << layoutFaults(program.flow().eccentricityInfo())
         << layoutFaults(program.flow().frictionInfo());
  for (const GlandRun& run : {kRodRun, kHousingRun}) {
    QWidget* editor = program.walk({run.selection});
    QVERIFY(editor);
    faults << layoutFaults(child(editor, "canvas"));
    QWidget* sheet = program.walk({run.edits});
    QVERIFY(sheet);
    faults << layoutFaults(child(sheet, "sheet"));  // the whole sheet, of which the window may show a part
    QVERIFY(program.walk({{"cmdEdit"}, {"cmdBack"}}));
  }
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

// Every value label shows what the core's fill sequence gives for the record, and a few
// of them the figures of these glands.
void ScreenTest::bothGlandKindsShowTheCoresFigures() {
  for (const GlandRun& run : {kRodRun, kHousingRun}) {
    Program program;
    ResultsSheet* sheet = toSheet(program, run);
    QVERIFY(sheet);
    for (const auto& [name, text] : run.shows) QCOMPARE(labelText(sheet, name), QString::fromUtf8(text));
    GlandRecord record = program.record();
    for (const SheetLabel& label : fillSheet(record, sheet->side()))
      QCOMPARE(labelText(sheet, label.objectName), QString::fromStdString(label.caption));
    QVERIFY(labelText(sheet, "lblDate").startsWith("Date: "));
  }
}

void ScreenTest::printReportPrintsTheSheetWithoutButtons() {
  REQUIRE_ENVIRONMENT(!QStandardPaths::findExecutable("pdfinfo").isEmpty() &&
                          !QStandardPaths::findExecutable("pdftotext").isEmpty(),
                      "pdfinfo or pdftotext (poppler-utils)");
  Program program;
  ResultsSheet* sheet = toSheet(program, kHousingRun);
  QVERIFY(sheet);
  const QList<float> record = recordFloats(program.record());
  QTemporaryDir folder;
  program.fake.printTo = folder.filePath("report.pdf");
  QStringList visibleWhileOpen, hidden, shown;
  program.fake.whilePrintDialogOpen = [&] {
    for (const char* name : kSheetButtons)
      if (child(sheet, name)->isVisible()) visibleWhileOpen << name;
  };
  VisibilityLog log;
  for (const char* name : kSheetButtons) {
    child(sheet, name)->installEventFilter(&log);
    hidden << QStringLiteral("hide %1").arg(name);
    shown << QStringLiteral("show %1").arg(name);
  }

  QVERIFY(Program::act(sheet, {"cmdPrint"}));
  QCOMPARE(visibleWhileOpen, QStringList());
  QCOMPARE(log.events, hidden + shown);
  QCOMPARE(program.fake.log, QStringList{"print dialog"});
  QCOMPARE(recordFloats(program.record()), record);
  QVERIFY(toolOutput("pdfinfo", {program.fake.printTo}).contains(QRegularExpression("Pages: +1\n")));
  const QString text = toolOutput("pdftotext", {"-layout", program.fake.printTo, "-"}).simplified();
  QVERIFY2(text.contains("Glandwise - Results"), qPrintable(text));
  GlandRecord copy = program.record();
  for (const SheetLabel& label : fillSheet(copy, sheet->side()))
    QVERIFY2(text.contains(QString::fromStdString(label.caption).simplified()), label.objectName.c_str());
  for (const char* caption : {"O-RING HANDBOOK", "PRINT REPORT", "EDIT", "EXIT", "Help", "DESIGN REVIEW"})
    QVERIFY2(!text.contains(caption), caption);
}

void ScreenTest::cancelledOrFailedPrintLeavesTheSheetAsItWas() {
  Program program;
  QWidget* sheet = toSheet(program, kRodRun);
  QVERIFY(sheet);
  QTemporaryDir folder;
  program.fake.printTo = folder.filePath("report.pdf");
  program.fake.cancelPrinting = true;
  QVERIFY(Program::act(sheet, {"cmdPrint"}));
  QVERIFY(!QFile::exists(program.fake.printTo));
  QCOMPARE(program.fake.log, QStringList{"print dialog"});

  program.fake.printTo = folder.filePath("no such folder/report.pdf");
  program.fake.cancelPrinting = false;
  QVERIFY(Program::act(sheet, {"cmdPrint"}));
  QCOMPARE(program.fake.log.size(), 3);
  QVERIFY2(program.fake.log[2].startsWith("notice: The report could not be printed.\n\n") &&
               program.fake.log[2].size() > 50,
           qPrintable(program.fake.log[2]));
  for (const char* name : kSheetButtons) QVERIFY2(child(sheet, name)->isVisible(), name);
  QCOMPARE(program.shown(), sheet);
}

void ScreenTest::decimalPointWhateverTheLocale() {
  GermanLocale german;
  REQUIRE_ENVIRONMENT(german.present, "the locale de_DE.UTF-8");
  GlandRun run = kRodRun;
  run.selection.replaceInStrings("txtPR=1000", "txtPR=1.5");
  Program program;
  ResultsSheet* sheet = toSheet(program, run);
  QVERIFY(sheet);
  QCOMPARE(program.record().PR, 1.5f);
  QCOMPARE(labelText(sheet, "lblPRV"), QStringLiteral("1.5 PSI"));
  GlandRecord copy = program.record();
  for (const SheetLabel& label : fillSheet(copy, sheet->side()))
    QVERIFY2(!labelText(sheet, label.objectName).contains(','), label.objectName.c_str());
}

// The desktop's own question box: the program's title, no icon, and the answer pressed.
void ScreenTest::messageBoxesAnswerAsPressed() {
  Program program;  // its watchdog closes a box that the test fails to answer
  for (const auto& [press, yes] : {std::pair{QMessageBox::Yes, true}, std::pair{QMessageBox::No, false}}) {
    QString seen;
    QTimer::singleShot(0, [&seen, press] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      seen = box ? box->windowTitle() + (box->icon() == QMessageBox::NoIcon ? "" : " with an icon") : "no box";
      if (!box) return;
      // Escape and the frame's close answer nothing: the question waits for Yes or No.
      QTest::keyClick(box, Qt::Key_Escape);
      box->close();
      if (!box->isVisible()) seen += " closed without an answer";
      box->button(press)->click();
    });
    QCOMPARE(QtMessageBoxes().askYesNo("Do you want to edit dimensions ?"), yes);
    QCOMPARE(seen, QStringLiteral("Glandwise v 2.1a"));
  }
}

// Catches a review window loaded twice, one not raised by a second press, one that keeps
// the old gland on the next sheet, one left loaded after its window frame's close, and a
// sheet without the button.
void ScreenTest::reviewButtonOpensOneWindowOnBothSheets() {
  for (const GlandRun& run : {kRodRun, kHousingRun}) {
    Program program;
    QWidget* sheet = toSheet(program, run);
    QVERIFY(sheet && Program::act(sheet, {"cmdReview"}));
    QPointer<ReviewWindow> review = program.flow().reviewWindow();
    QVERIFY(review && review->isVisible() && !QApplication::activeModalWidget());
    sheet->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), sheet);
    QVERIFY(Program::act(sheet, {"cmdReview"}));
    QCOMPARE(program.flow().reviewWindow(), review.data());
    QTRY_COMPARE(QApplication::activeWindow(), review.data());
    QCOMPARE(duplicateWindows(), QStringList());
    QCOMPARE(labelText(review, "lblGland").section(',', 0, 0), labelText(sheet, "lblGCV").chopped(1));
    QVERIFY(program.walk({{"cmdEdit"}, {"txtECC=0.002", "cmdOk"}}) && review);  // EDIT leaves it open
    QCOMPARE(review->gland().ECC, 0.002f);
    review->close();
    Program::settle();
    QVERIFY2(review.isNull(), "the window frame's close unloads the window");
  }
}

// Catches an input that does not review again, a bad input that crashes, blanks or changes
// the last good review, a box not marked, a named compound's coefficient shown as 0, a
// verdict, PRINT or Save left as if the inputs were complete, a number beyond a float called
// "not a number", a check not evaluated shown like the others or left out of the headline,
// a stray Escape that closes the window or clears a box, and inputs (or the seal's
// tolerance) wrongly kept across runs.
void ScreenTest::reviewInputUpdatesAtOnceAndBadInputIsMarked() {
  TemporarySettings shared;
  {
    Program first(false);
    QWidget* sheet = toSheet(first, kRodRun);
    QVERIFY(sheet && Program::act(sheet, {"cmdReview"}));
    QPointer<QWidget> review = first.flow().reviewWindow();
    auto* alphaSeal = child<QLineEdit>(review, "txtAlphaSeal");  // NBR: its own coefficient, not typed
    const Rule* nbr = first.flow().rules().rules->material(RuleKind::Compound, "nbr");
    QVERIFY(!alphaSeal->isEnabled() && alphaSeal->text().toFloat() == float(nbr->value));
    QCOMPARE(labelText(review, "lblStatisticsVerdict"), QStringLiteral("CAUTION"));
    const QString figure = labelText(review, "lblStatisticsFigure");
    QVERIFY(Program::act(review, {"txtSealIdTol=0.01", "txtSqueezeMin=16", "txtSqueezeMax=30"}));
    QVERIFY(labelText(review, "lblStatisticsFigure") != figure);
    QCOMPARE(labelText(review, "lblStatisticsVerdict"), QStringLiteral("FAIL"));
    // Not asked, the swell row stands back in grey and the headline names it.
    QCOMPARE(labelText(review, "lblOverall"), QStringLiteral("FAIL — temperature and swell not evaluated"));
    QCOMPARE(labelText(review, "lblSwellVerdict"), QStringLiteral("NOT EVALUATED"));
    QCOMPARE(child(review, "lblSwellReason")->palette().windowText().color(), kNotEvaluatedText);
    const QString lastGood = labelText(review, "lblStatisticsFigure") + labelText(review, "lblSwellFigure");
    // No keystroke of "abc" parses; "1e39" passes through 1000 %, its last complete input.
    for (const auto& [typed, problem] : {std::pair{"abc", "not a number"}, {"1e39", "out of range: "}}) {
      QVERIFY(Program::act(review, {QStringLiteral("txtSwell=") + typed}));
      QVERIFY2(labelText(review, "lblProblem5").startsWith(problem), typed);
      if (typed == QLatin1String("abc"))
        QCOMPARE(labelText(review, "lblStatisticsFigure") + labelText(review, "lblSwellFigure"), lastGood);
      QVERIFY(child(review, "txtSwell")->palette().base() != child(review, "txtTempMin")->palette().base());
      QCOMPARE(labelText(review, "lblOverall"), QStringLiteral("INPUTS INCOMPLETE"));
      QVERIFY(!child(review, "cmdPrint")->isEnabled());
      QTest::keySequence(review, QKeySequence::Save);
      QCOMPARE(first.fake.log, QStringList());  // Save is disabled: no dialog
    }
    QTest::keyClick(child(review, "txtSwell"), Qt::Key_Escape);
    Program::settle();
    QVERIFY(review && review->isVisible());
    QCOMPARE(child<QLineEdit>(review, "txtSwell")->text(), QStringLiteral("1e39"));
    QVERIFY(Program::act(review, {"txtSwell=5"}));
    QCOMPARE(labelText(review, "lblProblem5"), QString());
    QVERIFY(child(review, "cmdPrint")->isEnabled());
    QCOMPARE(labelText(review, "lblOverall"), QStringLiteral("FAIL — temperature not evaluated"));
    QVERIFY(child(review, "lblSwellReason")->palette().windowText().color() != kNotEvaluatedText);
  }
  Program second(false);
  QWidget* sheet = toSheet(second, kRodRun);
  QVERIFY(sheet && Program::act(sheet, {"cmdReview"}));
  QCOMPARE(child<QLineEdit>(second.flow().reviewWindow(), "txtSqueezeMin")->text(), QStringLiteral("16"));
  QCOMPARE(child<QLineEdit>(second.flow().reviewWindow(), "txtSealIdTol")->text(), QString());
}

// `widget` rendered at `size`, with a painter on a like image for the layout functions.
QImage rendered(QWidget* widget, QSize size) {
  widget->resize(size);
  QImage image(size, QImage::Format_RGB32);
  widget->render(&image);
  return image;
}

// The columns of image row `y` in `colour`.
QList<int> columnsIn(const QImage& image, int y, const QColor& colour) {
  QList<int> columns;
  for (int x = 0; x < image.width(); ++x)
    if (image.pixelColor(x, y) == colour) columns << x;
  return columns;
}

// Catches a seal circle not to the drawing's scale (radius for diameter, a wrong cross-
// section), a drawing that does not scale with its window, and limit lines drawn off their
// squeeze on the histogram's axis.
void ScreenTest::sectionIsToScaleAndLimitLinesWhereTheyBelong() {
  Program program;
  QWidget* sheet = toSheet(program, kRodRun);
  QVERIFY(sheet && Program::act(sheet, {"cmdReview"}));
  ReviewWindow* review = program.flow().reviewWindow();
  const GlandSection section = glandSection(review->gland(), review->side(), review->review().fill, 0.010);
  auto* drawing = child(review, "glandDrawing");
  QList<double> diameters;
  for (const QSize size : {QSize(400, 300), QSize(800, 600)}) {
    const QImage image = rendered(drawing, size);
    const double scale = drawingPlacement(QRectF(QPoint(), size), drawing::glandDrawing(section).extent).m11();
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
      if (const QList<int> seal = columnsIn(image, y, kNominalSealColour); !seal.isEmpty())
        left = std::min(left, seal.front()), right = std::max(right, seal.back());
    QVERIFY2(std::abs(right - left + 1 - section.sealNominal * scale) <= 2, qPrintable(QString::number(right - left)));
    diameters << right - left + 1;
  }
  QVERIFY(diameters[1] > 1.9 * diameters[0]);

  auto* histogram = child(review, "squeezeHistogram");
  QImage image = rendered(histogram, {600, 300}), canvas = image;
  QPainter painter(&canvas);
  painter.setFont(histogram->font());
  const SqueezePlot plot{review->review().statistics, squeezeMarks(review->review())};
  const SqueezeAxis axis = squeezeAxis(painter, QRectF(0, 0, 600, 300), plot);
  const QList<int> lines = columnsIn(image, 100, kLimitColour);
  QVERIFY2(!lines.isEmpty(), "no limit line");
  for (int x : lines) QVERIFY(std::abs(x - axis.xOf(10)) <= 1.5 || std::abs(x - axis.xOf(30)) <= 1.5);
  QVERIFY(lines.front() < axis.xOf(20) && lines.back() > axis.xOf(20));
}

// Catches an export that writes another drawing than the one shown, that ignores the file
// type (DXF for a .dxf name, else SVG with .svg added), writes on Cancel or fails silently,
// and a Ctrl+Shift+S that does not export.
void ScreenTest::exportDrawingWritesTheSectionShown() {
  REQUIRE_ENVIRONMENT(drawing_test::readersPresent(), "python3-ezdxf or librsvg2-bin");
  Program program;
  QWidget* sheet = toSheet(program, kRodRun);
  QVERIFY(sheet && Program::act(sheet, {"cmdReview"}));
  ReviewWindow* review = program.flow().reviewWindow();
  QTemporaryDir folder;
  const std::string svg = folder.filePath("section").toStdString(), dxf = folder.filePath("section.DXF").toStdString();
  program.fake.files = {svg, dxf, folder.filePath("no such folder/section.svg").toStdString()};
  QVERIFY(Program::act(review, {"cmdExportDrawing"}));
  review->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(review));
  QTest::keyClick(review, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);  // presses the button for a moment
  QTRY_COMPARE(program.fake.log.size(), 2);
  QVERIFY(Program::act(review, {"cmdExportDrawing", "cmdExportDrawing"}));
  QCOMPARE(kinds(program.fake.log), (QStringList{"save dialog", "save dialog", "save dialog", "notice", "save dialog"}));
  QCOMPARE(QDir(folder.path()).entryList(QDir::Files), (QStringList{"section.DXF", "section.svg"}));
  const drawing::Box e = review->drawing().extent;
  QCOMPARE(drawing_test::svgProblem(svg + ".svg", QRectF(e.left, -e.top, e.width(), e.height())), std::string());
  const nlohmann::json read = drawing_test::readDxf(dxf);
  QVERIFY2(read.value("problems", nlohmann::json()) == nlohmann::json::array(), read.dump().c_str());
  QVERIFY(std::abs(read["ring_diameter"].get<double>() - review->review().fill.nominal.effectiveCrossSection) < 1e-6);
}

// Types a dash number into the AS568 box, with the focus in it and its suggestion list
// opening and closing as the keys come, and enters it.
void chooseAs568(QWidget* selection, const QString& dash) {
  selection->activateWindow();
  QTRY_COMPARE(QApplication::activeWindow(), selection);
  child(selection, "txtAS568")->setFocus();
  QVERIFY(Program::act(selection, {"txtAS568=" + dash}));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  Program::settle();
}

// Catches a size that does not click its option, type its ID or show its dimensions, a size
// that changes the OK sequence or is lost to the review, and a bad size or an unreadable
// table that crashes, passes silently, chooses another size or changes the typed text.
void ScreenTest::as568BoxChoosesTheOptionAndTypesTheId() {
  {
    Program program;
    QWidget* selection = program.walk({{"cmdOk"}});
    chooseAs568(selection, "2-214");
    QVERIFY(child<QRadioButton>(selection, "opt139")->isChecked());
    QCOMPARE(child<QLineEdit>(selection, "txtID")->text(), QStringLiteral("0.984"));
    QCOMPARE(labelText(selection, "lblAS568Size"), QStringLiteral("0.984 \u00b1 0.01 \u00d7 0.139 \u00b1 0.004"));
    QWidget* sheet = program.walk({{"optRod", "txtBDM=1.25", "txtPR=600", "cmdOk"}, {"cmdOk"}, {"cmdReview"}});
    QVERIFY(sheet && program.flow().reviewWindow());
    QVERIFY(labelText(program.flow().reviewWindow(), "lblGland").endsWith("AS568 -214"));
    QCOMPARE(child<QLineEdit>(program.flow().reviewWindow(), "txtSealIdTol")->placeholderText(),
             QStringLiteral("0.01 (AS568 -214)"));
    QCOMPARE(program.fake.log, QStringList());
  }
  for (const auto& [table, dash, says] : {std::tuple{GLANDWISE_AS568_TABLE, "999", "\"999\" is not an AS568 size"},
                                          {GLANDWISE_AS568_TABLE, "2-14", "\"2-14\" is not an AS568 size"},
                                          {GLANDWISE_AS568_TABLE, "901", "not one of the five"},
                                          {"/no/such/as568.csv", "214", "not available"}}) {
    Program other;
    other.flow().setAs568TablePath(table);
    QWidget* selection = other.walk({{"cmdOk"}});
    chooseAs568(selection, dash);
    QVERIFY2(other.message().contains(says), qPrintable(other.message()));
    QCOMPARE(other.fake.log, QStringList{"beep"});
    QCOMPARE(child<QLineEdit>(selection, "txtAS568")->text(), QString(dash));
    QCOMPARE(child<QLineEdit>(selection, "txtID")->text(), QStringLiteral("0"));
    QCOMPARE(labelText(selection, "lblAS568Size"), QString());
  }
}

// Catches a review PRINT that prints more or less than the one page, leaves out the
// gland's identity, verdicts, inputs or the expansion coefficients in use, prints on Cancel,
// fails silently or ignores Return.
void ScreenTest::reviewPrintsOnePageCancelPrintsNothing() {
  REQUIRE_ENVIRONMENT(!QStandardPaths::findExecutable("pdfinfo").isEmpty() &&
                          !QStandardPaths::findExecutable("pdftotext").isEmpty(),
                      "pdfinfo or pdftotext (poppler-utils)");
  Program program;
  QWidget* selection = program.walk({{"cmdOk"}});
  chooseAs568(selection, "214");
  QVERIFY(program.walk({{"optRod", "txtBDM=1.25", "txtPR=600", "cmdOk"}, {"cmdOk"}, {"cmdReview"}}));
  QWidget* review = program.flow().reviewWindow();
  QTemporaryDir folder;
  program.fake.printTo = folder.filePath("review.pdf");
  program.fake.cancelPrinting = true;
  child(review, "cboHardness")->setFocus();
  QTest::keyClick(child(review, "cboHardness"), Qt::Key_Tab, Qt::ShiftModifier);  // the first input's way back
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // prints, as Space or a click
  QVERIFY(!QFile::exists(program.fake.printTo));

  program.fake.cancelPrinting = false;
  QVERIFY(Program::act(review, {"cmdPrint"}));
  QVERIFY(toolOutput("pdfinfo", {program.fake.printTo}).contains(QRegularExpression("Pages: +1\n")));
  const QString text = toolOutput("pdftotext", {program.fake.printTo, "-"}).simplified();
  for (const char* shown : {"Design Review", "Groove in Rod, cross-section 0.139 inch, seal ID 0.984 inch, AS568 -214",
                            "Date:", "Overall: CAUTION — temperature and swell not evaluated", "Squeeze statistics",
                            "Hardness 70 Shore A", "Design rules: Glandwise defaults (public tables)", "Remedy: ",
                            "housing bore 1.2500 ± 0.0010 inch", "Statistics. 100000 assemblies",
                            "Sources of the rules used. ", "least squeezed (LMC, unloaded side)"})
    QVERIFY2(text.contains(shown), shown);
  // The expansion coefficients in use, although no box holds them (NBR in carbon steel).
  const RuleSet& rules = *program.flow().rules().rules;
  for (const Rule* inUse : {rules.material(RuleKind::Compound, "nbr"), rules.material(RuleKind::Metal, "carbon_steel")})
    QVERIFY2(text.contains(QString::number(float(inUse->value)) + " per °F"), qPrintable(text));

  program.fake.printTo = folder.filePath("no such folder/review.pdf");
  QVERIFY(Program::act(review, {"cmdPrint"}));
  QCOMPARE(kinds(program.fake.log), (QStringList{"print dialog", "print dialog", "print dialog", "notice"}));
}

// Catches a chosen rule file that the review does not judge by or name, or that a saved
// gland would not keep, and a bad file that changes anything or is told without its line
// and column.
void ScreenTest::reviewJudgesByAChosenRuleFileAndRefusesABadOne() {
  Program program;
  QWidget* sheet = toSheet(program, kRodRun);
  QVERIFY(sheet && Program::act(sheet, {"cmdReview"}));
  ReviewWindow* review = program.flow().reviewWindow();
  const QString shipped = labelText(review, "lblRules");
  QCOMPARE(shipped, "Design rules: Glandwise defaults (public tables) (" GLANDWISE_REVIEW_RULES ")");
  QFile defaults(GLANDWISE_REVIEW_RULES);
  QVERIFY(defaults.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(defaults.readAll());
  QTemporaryDir folder;
  const auto write = [&](const char* name, const QString& content) {
    QFile file(folder.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(content.toUtf8()) > 0 ? file.fileName().toStdString() : "";
  };
  const std::string bad = write("bad.csv", QString(text).replace("0.016,inch", "0.0l6,inch"));
  const std::string own = write("own.csv", QString(text).replace("Glandwise defaults (public tables)", "ACME seals"));
  program.fake.files = {bad, own};
  QVERIFY(Program::act(review, {"cmdRules"}));
  QVERIFY2(program.fake.log.last().contains("bad.csv line 4, column 9 (value)"), qPrintable(program.fake.log.last()));
  QCOMPARE(labelText(review, "lblRules"), shipped);
  QVERIFY(review->inputs().rulesFile.empty());
  QVERIFY(Program::act(review, {"cmdRules"}));
  QCOMPARE(labelText(review, "lblRules"), QString::fromStdString("Design rules: ACME seals (" + own + ")"));
  QCOMPARE(review->inputs().rulesFile, own);  // as a saved gland keeps it
}

// Catches a figure or limit with its unit in its cell (it would paste as text), cells run
// together or missing, a figure off what the review computed, and Ctrl+C in a box that
// copies nothing.
void ScreenTest::reviewCopiesItsFiguresAsCells() {
  Program program;
  QWidget* sheet = toSheet(program, kRodRun);
  QVERIFY(sheet && Program::act(sheet, {"cmdReview"}));
  QWidget* review = program.flow().reviewWindow();
  QVERIFY(Program::act(review, {"txtSealIdTol=0.01"}));
  QApplication::clipboard()->clear();
  QTest::keySequence(child(review, "txtSealIdTol"), QKeySequence::Copy);  // nothing selected in the box
  const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  QCOMPARE(lines.value(0), QStringLiteral("Row\tFigure\tLimit\tVerdict\tReason"));
  QVERIFY(lines.value(1).startsWith("Overall\t\t\t" + labelText(review, "lblOverall").section(' ', 0, 0) + '\t'));
  QCOMPARE(lines.size(), 13);
  for (const QString& line : lines.mid(2)) {
    const QStringList cells = line.split('\t');
    bool figure = false, limit = false;
    cells.value(1).toDouble(&figure);
    cells.value(2).toDouble(&limit);
    // A check not evaluated (no temperatures, no swell here) has no figure.
    figure = figure || (cells.value(1).isEmpty() && cells.value(3) == "NOT EVALUATED");
    QVERIFY2(cells.size() == 5 && figure && limit && !cells[4].isEmpty(), qPrintable(line));
  }
  // The rod 1.24 - 0.0005 in the bore 1.25 + 0.001.
  QVERIFY(lines[5].startsWith("Extrusion, largest diametral clearance (inch)\t0.0115\t"));
  QCOMPARE(lines[5].section('\t', 3, 3), labelText(review, "lblExtrusionVerdict"));
}

QTEST_MAIN(ScreenTest)
#include "screen_test.moc"

// Catches a screen opening elsewhere than the one before it, one pushed off the screen, a
// sheet that grows beyond the screen or hides its bottom rows with no way to reach them, a
// printed report cut to the window, and a message dialog over the boxes it is about.
void ScreenTest::screensOpenInPlaceAndTheSheetScrollsOnASmallScreen() {
  REQUIRE_ENVIRONMENT(!QStandardPaths::findExecutable("pdftoppm").isEmpty(), "pdftoppm (poppler-utils)");
  Program program;
  QWidget* selection = program.walk({{"cmdOk"}});
  QVERIFY(selection);
  const QRect screen = selection->screen()->availableGeometry();  // 800 x 600 offscreen
  selection->move(screen.topLeft() + QPoint(40, 30));
  QWidget* editor = program.walk({kRodRun.selection});
  QVERIFY(editor);
  QCOMPARE(editor->pos(), QPoint(screen.left(), 30));  // wider than the selection: moved as far as needed
  QVERIFY(screen.contains(editor->frameGeometry()));   // and narrowed to the screen: it scrolls
  QVERIFY(child<QScrollArea>(editor, "scroller")->horizontalScrollBar()->isVisible());
  QVERIFY(Program::act(editor, {"txtPDM=x", "cmdOk"}));
  const QRect message = program.flow().messageDialog()->frameGeometry();
  QCOMPARE(message.center().x(), editor->frameGeometry().center().x());
  QVERIFY(!message.intersects(editor->frameGeometry()) && screen.contains(message));
  program.flow().messageDialog()->close();

  auto* sheet = qobject_cast<ResultsSheet*>(program.walk({{"txtPDM=1.24", "txtGDM=1.02", "cmdOk"}}));
  QVERIFY(sheet);
  QCOMPARE(sheet->pos(), screen.topLeft());  // moved up only as far as the screen asks
  QVERIFY(sheet->height() <= screen.height());
  QCOMPARE(sheet->sheetArea().size(), QSize(11070 / 15, 12465 / 15));
  auto* scroller = child<QScrollArea>(sheet, "scroller");
  QVERIFY(scroller->verticalScrollBar()->isVisible() && !scroller->horizontalScrollBar()->isVisible());
  scroller->verticalScrollBar()->setValue(scroller->verticalScrollBar()->maximum());
  const QWidget* lastRow = child(sheet, "lblGHMMinE");
  QVERIFY(scroller->viewport()->rect().contains(lastRow->mapTo(scroller->viewport(), lastRow->rect().bottomRight())));

  // The printed page holds the whole sheet at its natural size, 8.7 inch tall, centred on the
  // page (A4 or Letter): from its logo at the top to its grid's bottom line.
  QTemporaryDir folder;
  program.fake.printTo = folder.filePath("report.pdf");
  QVERIFY(Program::act(sheet, {"cmdPrint"}));
  toolOutput("pdftoppm", {"-r", "20", "-gray", "-singlefile", program.fake.printTo, folder.filePath("page")});
  const QImage page(folder.filePath("page.pgm"));
  QVERIFY(!page.isNull());
  int topInk = -1, bottomInk = -1;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (qGray(page.pixel(x, y)) < 128) (topInk < 0 ? topInk : bottomInk) = y;
  const double inkInches = (bottomInk - topInk) / 20.0, expectedInches = (12360 - 30) / 1440.0;
  QVERIFY2(std::abs(inkInches - expectedInches) < 0.1, qPrintable(QString::number(inkInches)));
  QVERIFY2(std::abs((topInk + bottomInk) / 2.0 - page.height() / 2.0) < 3, "centred");

  // The review window opens on the screen beside the sheet's buttons, and scrolls to the
  // whole histogram, axis included.
  scroller->verticalScrollBar()->setValue(0);
  QVERIFY(Program::act(sheet, {"cmdReview"}));
  QWidget* review = program.flow().reviewWindow();
  QVERIFY(screen.contains(review->frameGeometry()));
  for (const char* name : {"cmdEdit", "cmdReview"}) {
    const QWidget* button = child(sheet, name);
    QVERIFY2(!review->frameGeometry().intersects({button->mapToGlobal(QPoint()), button->size()}), name);
  }
  auto* reviewScroller = child<QScrollArea>(review, "scroller");
  reviewScroller->verticalScrollBar()->setValue(reviewScroller->verticalScrollBar()->maximum());
  const QWidget* histogram = child(review, "squeezeHistogram");
  QVERIFY(reviewScroller->viewport()->rect().contains(
      QRect(histogram->mapTo(reviewScroller->viewport(), QPoint()), histogram->size())));
}

// Catches Return ignored on a focused button of the editors and sheets or in a box or on an
// option of the selection screen, a results sheet that opens without a visible focus, and
// Alt mnemonics missing or not matching captions.
void ScreenTest::keyboardPressesFocusedButtonsAndMnemonics() {
  Program program;
  QWidget* editor = program.walk({{"cmdOk"}, kRodRun.selection});
  QVERIFY(editor);
  for (QWidget* window : {static_cast<QWidget*>(program.flow().selectionScreen()), editor})
    for (QAbstractButton* button : window->findChildren<QPushButton*>()) {
      const QString key = button->shortcut().toString();
      QVERIFY2(key.startsWith("Alt+") && button->text().contains(key.back()), qPrintable(button->objectName()));
    }
  QVERIFY(Program::act(editor, {"cmdOk"}));
  QWidget* sheet = program.shown();
  QVERIFY(sheet->window()->testAttribute(Qt::WA_KeyboardFocusChange));
  QCOMPARE(sheet->focusWidget(), child(sheet, "cmdEdit"));
  QTest::keyClick(sheet->focusWidget(), Qt::Key_Return);
  Program::settle();
  QCOMPARE(program.shown(), editor);
  child(editor, "cmdBack")->setFocus();
  QTest::keyClick(child(editor, "cmdBack"), Qt::Key_Enter);
  Program::settle();
  QWidget* selection = program.shown();
  QCOMPARE(selection->objectName(), QStringLiteral("frmFirst"));
  for (const char* control : {"opt139", "txtPR"}) {  // Return in a box or on an option presses OK
    QTest::keyClick(child(selection, control), Qt::Key_Return);
    Program::settle();
    QVERIFY2(program.flow().editor() && program.flow().editor()->isVisible(), control);
    QVERIFY(Program::act(program.shown(), {"cmdBack"}));
  }
  selection->activateWindow();
  QTRY_COMPARE(QApplication::activeWindow(), selection);
  QTest::keyClick(selection, Qt::Key_O, Qt::AltModifier);  // OK, pressed visibly for a moment
  QTRY_VERIFY(program.flow().editor() && program.flow().editor()->isVisible());
}

// Catches a clipboard text that differs from what the sheet shows, lines out of the sheet's
// order, and a grid or a header line that would not paste into a spreadsheet's cells, its
// figures as numbers.
void ScreenTest::copyResultsPutsTheSheetOnTheClipboard() {
  Program program;
  QWidget* sheet = toSheet(program, kRodRun);
  QVERIFY(sheet);
  QApplication::clipboard()->clear();
  QTest::keySequence(sheet, QKeySequence::Copy);
  const QString expected =
      "Glandwise - Results\nGroove In Rod\n" + labelText(sheet, "lblDate") +
      "\n\n"
      "\tValue\tUnit\tTolerance +/-\n"
      "Cross Section Dia.\t0.139\tInch\t0.004\n"
      "Effective Cross Section Dia.\t0.1366\tInch\n"
      "Gland Type\tGroove in Rod.\n"
      "Seal Inside Dia.\t1\tInch\n"
      "Rod Dia.\t1.24\tInch\t0.0005\n"
      "Housing Dia.\t1.25\tInch\t0.001\n"
      "Groove Dia.\t1.02\tInch\t0.001\n"
      "Groove Width\t0.187 to 0.192\tInch\t\t(With No Back up Rings)\n"
      "Machining Eccentricity, FIM\t0.003\tInch\n"
      "Operating Pressure\t1000\tPSI\n"
      "% Nominal Stretch\t2\t%\n"
      "Assumptions for friction calculations:\tRoom temperature axial running friction of AN6227 O-Rings on a 15 "
      "micro-inch chromed running surface lubricated with MIL-H-5606 hydraulic oil, at a speed greater than one foot "
      "per minute. (Static friction is estimated to be 3 to 5 times higher.)\n"
      "Estimated Running Friction, 70 Duro, Lbs.\t19.5\tLbs\n"
      "Estimated Running Friction, 80 Duro, Lbs.\t22.8\tLbs\n"
      "Estimated Running Friction, 90 Duro, Lbs.\t25.2\tLbs\n"
      "\n"
      "\tRadial Squeeze (Inch)\tRadial Squeeze Percent (%)\tRadial Extrusion Gap (Inch)\tRadial Gland Height (Inch)\n"
      "Worst Case MMC Eccentric, Loaded Side\t0.03285\t23.36\t0\t0.10775\n"
      "MMC Concentric\t0.0266\t18.92\t0.00425\t0.114\n"
      "Nominal\t0.0216\t15.81\t0.005\t0.115\n"
      "LMC Concentric\t0.0166\t12.52\t0.00575\t0.116\n"
      "Worst Case LMC Eccentric, Unloaded Side\t0.00935\t7.05\t0.0115\t0.12325\n";
  QCOMPARE(QApplication::clipboard()->text(), expected);
  QCOMPARE(labelText(sheet, "lblPCM"), QStringLiteral("15.81"));  // as the sheet shows it
}

namespace {

// The sheet's value labels by name, the date left out.
QStringList sheetValues(QWidget* sheet) {
  QStringList values;
  for (const QLabel* label : child(sheet, "page")->findChildren<QLabel*>())
    if (label->objectName() != "lblDate") values << label->objectName() + '=' + label->text();
  return values;
}

}  // namespace

// Catches a saved file that lacks a text, an edit or the review inputs, one written
// through a planted link, a failed save told with a path that stretches the notice, a
// reopened gland that does not stop on its editor with the saved texts, one that gives
// another sheet after OK, and review inputs of the file that the review window does not show.
void ScreenTest::savedGlandReopensOnItsEditorAndGivesTheSameSheet() {
  QTemporaryDir folder;
  const QString path = folder.filePath("seal.gland.json"), target = folder.filePath("elsewhere");
  QFile(target).open(QIODevice::WriteOnly);
  QVERIFY(QFile::link(target, path));  // planted at the name the user chooses
  QStringList editorTexts, values;
  TemporarySettings shared;
  {
    Program program(false);
    QWidget* sheet = toSheet(program, kHousingRun);
    QVERIFY(sheet);
    values = sheetValues(sheet);
    editorTexts = boxes(program.flow().editor());
    program.fake.files = {folder.filePath(QString(3000, 'x') + "/seal").toStdString()};  // no such folder
    QTest::keySequence(sheet, QKeySequence::Save);
    QVERIFY(program.fake.log.last().startsWith("notice: The gland could not be saved.") &&
            program.fake.log.last().size() < 300);
    program.fake.log.clear();
    QVERIFY(Program::act(sheet, {"cmdReview"}) && Program::act(program.flow().reviewWindow(), {"txtSwell=20"}));
    program.fake.files = {folder.filePath("seal").toStdString()};  // the suffix is added
    QTest::keySequence(program.flow().reviewWindow(), QKeySequence::Save);
    QCOMPARE(program.fake.log, QStringList{"save dialog: Save gland"});
    QVERIFY(Program::act(program.flow().reviewWindow(), {"txtSwell=7"}));  // remembered, not saved
  }
  QVERIFY(!QFileInfo(path).isSymLink() && QFileInfo(target).size() == 0);
  Program program(false);
  // The next dialog starts in the folder used last.
  QCOMPARE(QtSettingsStore().get(kSettingsApplication, "GlandFiles", "Folder", ""), folder.path().toStdString());
  program.flow().openOnSelection(path.toStdString());  // as `glandwise FILE` does
  QVERIFY(program.walk({{"cmdOk"}}));
  QWidget* editor = expect(program, "frmGrooveInFemale");
  QVERIFY(editor);
  QCOMPARE(boxes(editor), editorTexts);
  QWidget* sheet = program.walk({{"cmdOk"}, {"cmdReview"}});
  QVERIFY(sheet);
  QCOMPARE(sheetValues(sheet), values);
  QCOMPARE(child<QLineEdit>(program.flow().reviewWindow(), "txtSwell")->text(), QStringLiteral("20"));
}

// Catches a broken, ambiguous, refused or foreign file or a FIFO that changes the screen,
// goes unreported or is told as something else, a message that does not name the file or
// stretches across the screen with a long path, and a dropped file that is ignored.
void ScreenTest::unusableGlandFileIsToldAndChangesNothing() {
  QTemporaryDir folder;
  const auto write = [&](const char* name, const QByteArray& text) {
    QFile file(folder.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return file.fileName();
  };
  const QString fifo = folder.filePath("fifo.gland.json");
  QCOMPARE(::mkfifo(qPrintable(fifo), 0600), 0);
  const QList<std::pair<QString, QString>> files{
      {write("broken.gland.json", R"({"gland": "rod")"), "Its gland cannot be read: not valid JSON"},
      {write("two.gland.json", "{}\n{}\n"), "It holds more than one gland: line 2 is another."},
      {write("refused.gland.json", R"({"cross_section": "0.139", "seal_id": "1"})"),
       "The selection screen refuses it: Select gland type."},
      {folder.filePath("missing.gland.json"), "It cannot be read: "},
      {write("picture.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\n", 18)), "It is not a gland file: "},
      {fifo, "It is not a regular file."},
      {folder.filePath(QString(3000, 'x') + ".gland.json"), "It cannot be read: "}};
  Program program;
  QWidget* selection = program.walk({{"cmdOk"}, {"opt103", "txtID=2"}});
  QVERIFY(selection);
  const QStringList before = boxes(selection);
  for (const auto& [path, problem] : files) {
    program.fake.log.clear();
    program.fake.files = {path.toStdString()};
    QTest::keySequence(selection, QKeySequence::Open);
    QCOMPARE(program.fake.log.size(), 2);
    const QString shown = QString::fromStdString(shortenedPath(path.toStdString()));
    QVERIFY2(program.fake.log[1].startsWith("notice: The gland file " + shown + " could not be opened.\n\n" + problem),
             qPrintable(program.fake.log[1]));
    QVERIFY(program.fake.log[1].size() < 300);
    QCOMPARE(program.shown(), selection);
    QCOMPARE(boxes(selection), before);
  }
  QMimeData dropped;
  dropped.setUrls({QUrl::fromLocalFile(files[0].first)});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(selection, &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(selection, &drop);
  QVERIFY(program.fake.log.last().contains("broken.gland.json"));
}

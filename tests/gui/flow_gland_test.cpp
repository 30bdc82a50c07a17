// Whole runs of both gland types through the program, from the selection screen to the
// results sheet and back: the worked examples, refusals, questions, EDIT and BACK.

#include <QPointer>
#include <QTest>
#include <cmath>

#include "tests/gui/editor_results_support.h"
#include "model/numbers.h"
#include "model/sheet.h"

using namespace glandwise;
using namespace glandwise::testing;

namespace {

// A label of the sheet and the figure it should show, within `tolerance`.
struct Approximately {
  const char* label;
  double figure;
  double tolerance;
};

// One run: what is chosen and typed on the selection screen, what is retyped in the editor,
// how its questions are answered, and what the sheet must show.
struct GlandRun {
  SelectionInput selection;
  QStringList edits;
  std::deque<bool> answers;
  QStringList shown;                   // the message boxes, in order ("question: ...", "notice: ...")
  QMap<QString, QString> exactLabels;  // objectName -> caption
  std::vector<Approximately> approximateLabels;
};

QString question(const char* statement, const char* ask) {
  return QStringLiteral("question: %1\n\n%2").arg(QLatin1String(statement), QLatin1String(ask));
}

constexpr double kInch = 0.00006;   // five-decimal figures given to four
constexpr double kPercent = 0.02;   // two-decimal figures, and the housing gland's 0.0001 W stretch reduction
constexpr double kPounds = 0.06;    // one-decimal figures given to two

// The stretch and squeeze example: W 0.139, ID 1, GDM 1.02, BDM 1.25, PDM 1.24.
GlandRun rodStretchExample() {
  return {{.crossSection = "opt139", .glandType = "optRod", .sealInsideDia = "1", .housingDia = "1.25",
           .pressure = "1000"},
          {"txtPDM=1.24", "txtGDM=1.02"},
          {},
          {},
          {{"lblEWMV", "0.1366 Inch"},
           {"lblPSMV", "2 %"},
           {"lblGHM", "0.115"},
           {"lblCM", "0.0216"},
           {"lblPCM", "15.81"},
           {"lblEGM", "0.005"},
           {"lblIDV", "1 Inch"},
           {"lblGCV", "Groove in Rod."},
           {"lblPRV", "1000 PSI"}},
          {}};
}

// The rod-groove analysis example: BDM 1.000 +/- 0.001, PDM 0.9965 +/- 0.0005, GDM 0.898
// +/- 0.001, W 0.070 with WT 0.003, ECC 0.002, PR 1000. The seal sits unstretched on the
// groove bottom, so EWM = W and PCM = 27.142857; both unstretched questions are answered No.
GlandRun rodAnalysisExample() {
  return {{.crossSection = "opt007", .glandType = "optRod", .sealInsideDia = "0.898", .housingDia = "1",
           .pressure = "1000"},
          {"txtBDM=1.000", "txtBDTM=0.001", "txtPDM=0.9965", "txtPDTM=0.0005", "txtGDM=0.898", "txtGDTM=0.001",
           "txtECC=0.002"},
          {false, false},
          {question("             Caution !  Stretch  is  0 %  <  0 %.", "              Do you want to edit dimensions ?"),
           question("percent  compression  is  27.14286 %  >  25 %", "Do you want to edit dimensions ?")},
          {{"lblEWMV", "0.07 Inch"},
           {"lblPSMV", "0 %"},
           {"lblPCM", "27.14"},
           {"lblEGMMinE", "0"},
           {"lblWV", "0.07 Inch   Tolerance =  +/-  0.003"},
           {"lblPDMV", "0.9965 Inch   Tolerance =  +/-  0.0005"},
           {"lblGDMV", "0.898 Inch   Tolerance = +/-  0.001"}},
          {{"lblF70MV", 11.45, kPounds}, {"lblF80MV", 16.06, kPounds}, {"lblF90MV", 19.30, kPounds},
           {"lblCMMax", 0.0230, kInch},  {"lblPCMMax", 31.51, kPercent}, {"lblEGMMin", 0.0010, kInch},
           {"lblGHMMin", 0.0500, kInch}, {"lblCMMin", 0.0150, kInch},    {"lblPCMMin", 22.39, kPercent},
           {"lblEGMMax", 0.0025, kInch}, {"lblGHMMax", 0.0520, kInch},   {"lblCMMaxE", 0.0255, kInch},
           {"lblPCMMaxE", 34.93, kPercent}, {"lblGHMMinE", 0.0475, kInch}, {"lblCMMinE", 0.0115, kInch},
           {"lblPCMMinE", 17.16, kPercent}, {"lblEGMMaxE", 0.0050, kInch}, {"lblGHMMaxE", 0.0555, kInch}}};
}

// The mirrored housing-groove example: PDF 1.000 +/- 0.001, BDF 1.0035 +/- 0.0005, GDF
// 1.102 +/- 0.001. The seal sits unstretched on the rod, which takes the stretched path
// (EWF = W - 0.0001 W); no question is asked.
GlandRun housingAnalysisExample() {
  return {{.crossSection = "opt007", .glandType = "optHousing", .sealInsideDia = "1", .rodDia = "1",
           .pressure = "1000"},
          {"txtPDF=1.000", "txtPDTF=0.001", "txtBDF=1.0035", "txtBDTF=0.0005", "txtGDF=1.102", "txtGDTF=0.001",
           "txtECC=0.002"},
          {},
          {},
          {{"lblEWFV", "0.06999 Inch"},
           {"lblPSFV", "0 %"},
           {"lblEGFMinE", "0"},
           {"lblGCV", "Groove in Housing."},
           {"lblPDFV", "1 Inch   Tolerance =  +/-  0.001"},
           {"lblBDFV", "1.0035 Inch   Tolerance =  +/-  0.0005"},
           {"lblGDFV", "1.102 Inch   Tolerance = +/-  0.001"}},
          {{"lblF70FV", 12.06, kPounds}, {"lblF80FV", 16.67, kPounds}, {"lblF90FV", 19.91, kPounds},
           {"lblCFMax", 0.0230, kInch},  {"lblPCFMax", 31.51, kPercent}, {"lblEGFMin", 0.0010, kInch},
           {"lblGHFMin", 0.0500, kInch}, {"lblCFMin", 0.0150, kInch},    {"lblPCFMin", 22.39, kPercent},
           {"lblEGFMax", 0.0025, kInch}, {"lblGHFMax", 0.0520, kInch},   {"lblCFMaxE", 0.0255, kInch},
           {"lblPCFMaxE", 34.93, kPercent}, {"lblGHFMinE", 0.0475, kInch}, {"lblCFMinE", 0.0115, kInch},
           {"lblPCFMinE", 17.16, kPercent}, {"lblEGFMaxE", 0.0050, kInch}, {"lblGHFMaxE", 0.0555, kInch}}};
}

// The leading figure of a caption such as "11.5 Lbs" or "4E-05".
double figureOf(const QString& caption) { return caption.section(QLatin1Char(' '), 0, 0).toDouble(); }

QStringList messageBoxesShown(const ProgramFixture& program) {
  QStringList shown;
  for (const std::string& entry : program.log)
    if (entry.starts_with("question: ") || entry.starts_with("notice: ")) shown << QString::fromStdString(entry);
  return shown;
}

// Every value label of the visible sheet, as the core's fill sequence gives it for a copy
// of the record (the fill is idempotent once the record holds the rounded values).
QMap<QString, QString> expectedLabels(const GlandRecord& record, const GlandSide& side) {
  GlandRecord copy = record;
  QMap<QString, QString> labels;
  for (const SheetLabel& label : fillSheet(copy, side))
    labels.insert(QString::fromStdString(label.objectName), QString::fromStdString(label.caption));
  return labels;
}

QMap<QString, QString> shownLabels(ResultsSheet* sheet, const QMap<QString, QString>& names) {
  QMap<QString, QString> labels;
  for (auto it = names.begin(); it != names.end(); ++it) labels.insert(it.key(), labelText(sheet, it.key()));
  return labels;
}

// Runs from the title screen to the editor, types `edits` and presses OK with `answers`.
GlandEditor* runToSheet(ProgramFixture& program, const SelectionInput& selection, const QStringList& edits,
                        std::deque<bool> answers = {}) {
  GlandEditor* editor = program.toEditor(selection);
  if (!editor || !typeEdits(editor, edits)) return nullptr;
  program.messageBoxes.answers = std::move(answers);
  if (!ProgramFixture::click(editor, "cmdOk")) return nullptr;
  ProgramFixture::settle();
  return editor;
}

}  // namespace

Q_DECLARE_METATYPE(GlandRun)

class FlowGlandTest : public QObject {
  Q_OBJECT

 private slots:
  void fullRunsShowTheWorkedExamples_data();
  void fullRunsShowTheWorkedExamples();
  void refusalShowsTheMessageDialogOverTheEditor_data();
  void refusalShowsTheMessageDialogOverTheEditor();
  void yesKeepsTheEditorThenNoGoesOn();
  void editThenOkGivesAFreshSheetWithoutAccumulatedRounding();
  void editBackAndOkGiveAFreshStandardGland();
  void housingRunAfterARodRunShowsHousingValues();
};

void FlowGlandTest::fullRunsShowTheWorkedExamples_data() {
  QTest::addColumn<GlandRun>("run");
  QTest::addColumn<QString>("sheetName");
  QTest::addColumn<QString>("code");
  QTest::newRow("rod groove, stretch and squeeze example") << rodStretchExample() << "frmResultsMale" << "PLUG";
  QTest::newRow("rod groove, analysis example") << rodAnalysisExample() << "frmResultsMale" << "PLUG";
  QTest::newRow("housing groove, analysis example") << housingAnalysisExample() << "frmResultsFemale" << "THROAT";
}

void FlowGlandTest::fullRunsShowTheWorkedExamples() {
  QFETCH(GlandRun, run);
  QFETCH(QString, sheetName);
  QFETCH(QString, code);
  ProgramFixture program;
  GlandEditor* editor = runToSheet(program, run.selection, run.edits, run.answers);
  QVERIFY(editor);
  QCOMPARE(messageBoxesShown(program), run.shown);

  ResultsSheet* sheet = program.flow().resultsSheet();
  QVERIFY(sheet && sheet->isVisible());
  QVERIFY(!editor->isVisible());
  QCOMPARE(sheet->objectName(), sheetName);
  for (auto it = run.exactLabels.begin(); it != run.exactLabels.end(); ++it)
    QCOMPARE(labelText(sheet, it.key()), it.value());
  for (const Approximately& expected : run.approximateLabels) {
    const QString caption = labelText(sheet, QString::fromLatin1(expected.label));
    QVERIFY2(std::abs(figureOf(caption) - expected.figure) <= expected.tolerance,
             qPrintable(QStringLiteral("%1 shows %2, expected about %3").arg(expected.label, caption).arg(expected.figure)));
  }
  const QMap<QString, QString> all = expectedLabels(program.record(), sheet->side());
  QCOMPARE(shownLabels(sheet, all), all);
  QCOMPARE(QString::fromStdString(program.record().GlandType), code);
}

void FlowGlandTest::refusalShowsTheMessageDialogOverTheEditor_data() {
  QTest::addColumn<GlandRun>("run");
  QTest::addColumn<QString>("message");
  QTest::addColumn<int>("beeps");
  GlandRun pressure = rodStretchExample();
  pressure.edits << "txtPR=1500.5";
  QTest::newRow("rod groove, pressure") << pressure << "Pressure  should  be  > 0 and < = 1500 PSI" << 1;
  GlandRun sealSize = rodStretchExample();
  sealSize.edits << "txtPDM=1.1";
  QTest::newRow("rod groove, seal size without a beep")
      << sealSize << "Calculation shows seal nominal diameter  1.139  > 1.1  rod  diameter  " << 0;
  GlandRun groove = housingAnalysisExample();
  groove.edits << "txtGDF=1";
  QTest::newRow("housing groove, groove inside the bore") << groove << "Groove diameter should be > Bore diameter." << 1;
}

void FlowGlandTest::refusalShowsTheMessageDialogOverTheEditor() {
  QFETCH(GlandRun, run);
  QFETCH(QString, message);
  QFETCH(int, beeps);
  ProgramFixture program;
  GlandEditor* editor = program.toEditor(run.selection);
  QVERIFY(editor);
  QVERIFY(typeEdits(editor, run.edits));
  const QStringList typed = boxTexts(editor, editor->side());
  const int beepsBefore = program.beeper.count;
  QVERIFY(ProgramFixture::click(editor, "cmdOk"));
  ProgramFixture::settle();

  QCOMPARE(program.messageShown(), std::optional<QString>(message));
  QCOMPARE(program.beeper.count - beepsBefore, beeps);
  QVERIFY(editor->isVisible());
  QVERIFY(!program.flow().resultsSheet());
  QCOMPARE(boxTexts(editor, editor->side()), typed);
}

// Yes to "Do you want to edit dimensions ?" leaves the editor up as typed; the next OK
// asks again, and No twice opens the sheet with the squeeze percent rounded by the question.
void FlowGlandTest::yesKeepsTheEditorThenNoGoesOn() {
  ProgramFixture program;
  GlandRun run = rodStretchExample();
  run.edits << "txtGDM=1.1";
  GlandEditor* editor = runToSheet(program, run.selection, run.edits, {true});
  QVERIFY(editor);
  QVERIFY(editor->isVisible());
  QVERIFY(!program.flow().resultsSheet());
  QCOMPARE(boxTexts(editor, editor->side()).at(int(EditorBox::GD)), QStringLiteral("1.1"));
  QCOMPARE(messageBoxesShown(program).size(), 1);

  program.messageBoxes.answers = {false, false};
  QVERIFY(ProgramFixture::click(editor, "cmdOk"));
  ProgramFixture::settle();
  ResultsSheet* sheet = program.flow().resultsSheet();
  QVERIFY(sheet && sheet->isVisible());
  QCOMPARE(messageBoxesShown(program).size(), 3);
  QCOMPARE(labelText(sheet, "lblPSMV"), QStringLiteral("10 %"));
  QCOMPARE(labelText(sheet, "lblPCM"), QStringLiteral("42.6"));
}

// EDIT then OK with nothing changed: the record is worked out afresh from the boxes, so the
// new sheet shows the same figures as the first and the record holds the same values.
void FlowGlandTest::editThenOkGivesAFreshSheetWithoutAccumulatedRounding() {
  ProgramFixture program;
  GlandRun run = rodAnalysisExample();
  GlandEditor* editor = runToSheet(program, run.selection, run.edits, run.answers);
  QVERIFY(editor);
  QPointer<ResultsSheet> first = program.flow().resultsSheet();
  QVERIFY(first);
  const QMap<QString, QString> firstLabels = shownLabels(first, expectedLabels(program.record(), first->side()));
  const QMap<QString, float> firstRecord = recordFloats(program.record());

  for (int round = 0; round < 3; ++round) {
    QVERIFY(ProgramFixture::click(program.flow().resultsSheet(), "cmdEdit"));
    ProgramFixture::settle();
    QVERIFY(editor->isVisible());
    program.messageBoxes.answers = {false, false};
    QVERIFY(ProgramFixture::click(editor, "cmdOk"));
    ProgramFixture::settle();
  }
  ResultsSheet* latest = program.flow().resultsSheet();
  QVERIFY(first.isNull());
  QVERIFY(latest && latest->isVisible());
  QCOMPARE(shownLabels(latest, firstLabels), firstLabels);
  QCOMPARE(recordFloats(program.record()), firstRecord);
  QCOMPARE(labelText(latest, "lblGCV"), QStringLiteral("Groove in Rod."));
}

// A whole session: edits, sheet, EDIT (the edits are still there), OK, EDIT, BACK, and OK on
// the selection screen, which opens the editor on a freshly generated standard gland.
void FlowGlandTest::editBackAndOkGiveAFreshStandardGland() {
  ProgramFixture program;
  const GlandRun run = rodStretchExample();
  GlandEditor* editor = program.toEditor(run.selection);
  QVERIFY(editor);
  const QStringList standard = boxTexts(editor, editor->side());
  QVERIFY(typeEdits(editor, run.edits));
  const QStringList edited = boxTexts(editor, editor->side());
  QVERIFY(standard != edited);

  QVERIFY(ProgramFixture::click(editor, "cmdOk"));
  ProgramFixture::settle();
  QVERIFY(ProgramFixture::click(program.flow().resultsSheet(), "cmdEdit"));
  ProgramFixture::settle();
  QCOMPARE(boxTexts(editor, editor->side()), edited);
  QVERIFY(ProgramFixture::click(editor, "cmdOk"));
  ProgramFixture::settle();
  QVERIFY(ProgramFixture::click(program.flow().resultsSheet(), "cmdEdit"));
  ProgramFixture::settle();
  QVERIFY(ProgramFixture::click(editor, "cmdBack"));
  ProgramFixture::settle();
  QVERIFY(!program.flow().editor() && !program.flow().resultsSheet());

  QVERIFY(ProgramFixture::click(program.flow().selectionScreen(), "cmdOk"));
  ProgramFixture::settle();
  GlandEditor* fresh = program.flow().editor();
  QVERIFY(fresh && fresh->isVisible());
  QCOMPARE(boxTexts(fresh, fresh->side()), standard);
  QCOMPARE(program.record().GlandType, std::string("PLUG"));
}

// The record holds both gland kinds at once: after a rod-groove run, a housing-groove run
// shows the housing-groove figures only.
void FlowGlandTest::housingRunAfterARodRunShowsHousingValues() {
  ProgramFixture program;
  const GlandRun rod = rodAnalysisExample();
  QVERIFY(runToSheet(program, rod.selection, rod.edits, rod.answers));
  const QMap<QString, QString> rodLabels = expectedLabels(program.record(), kRodGroove);
  QVERIFY(ProgramFixture::click(program.flow().resultsSheet(), "cmdEdit"));
  ProgramFixture::settle();
  QVERIFY(ProgramFixture::click(program.flow().editor(), "cmdBack"));
  ProgramFixture::settle();

  const GlandRun housing = housingAnalysisExample();
  QVERIFY(program.submitSelection(housing.selection));
  GlandEditor* editor = program.flow().editor();
  QVERIFY(editor && typeEdits(editor, housing.edits));
  QVERIFY(ProgramFixture::click(editor, "cmdOk"));
  ProgramFixture::settle();
  ResultsSheet* sheet = program.flow().resultsSheet();
  QVERIFY(sheet && sheet->isVisible());
  QCOMPARE(sheet->objectName(), QStringLiteral("frmResultsFemale"));
  const QMap<QString, QString> expected = expectedLabels(program.record(), kHousingGroove);
  QCOMPARE(shownLabels(sheet, expected), expected);
  QVERIFY(program.record().F70M != program.record().F70F);
  QVERIFY(!labelText(sheet, "lblF70FV").isEmpty());
  QVERIFY(labelText(sheet, "lblF70FV") != rodLabels.value("lblF70MV"));
}

QTEST_MAIN(FlowGlandTest)
#include "flow_gland_test.moc"

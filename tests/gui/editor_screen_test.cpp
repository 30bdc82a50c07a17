// The gland editors on their own: layout, loading, the OK action's refusals, questions and
// notices, and the buttons, for the rod-groove and the housing-groove editor.

#include <QApplication>
#include <QFontInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "tests/gui/editor_results_support.h"
#include "editors/gland_editor.h"
#include "model/numbers.h"
#include "model/ok_result.h"

using namespace glandwise;
using namespace glandwise::testing;

namespace {

// An editor of `kind` loaded from a standard gland, shown on the fixture's fake services.
// The rod-groove gland is the 0.139 cross-section in a 1.25 bore with a seal of 1.0 inside
// diameter; the housing-groove gland the 0.070 cross-section on a 0.5 rod with a seal of
// 0.49 inside diameter.
struct EditorUnderTest {
  explicit EditorUnderTest(GlandKind kind)
      : record(kind == GlandKind::RodGroove ? standardGland(kind, kSection139, "1", "1.25")
                                            : standardGland(kind, kSection070, "0.49", "0.5")),
        editor(record, glandSide(kind), program.flow().platform()),
        analysed(&editor, &GlandEditor::analysed),
        refused(&editor, &GlandEditor::refused) {
    editor.show();
    program.log.clear();
  }

  bool pressOk(const QStringList& edits) { return typeEdits(&editor, edits) && ProgramFixture::click(&editor, "cmdOk"); }
  QStringList boxes() { return boxTexts(&editor, editor.side()); }

  ProgramFixture program;
  GlandRecord record;
  GlandEditor editor;
  QSignalSpy analysed;
  QSignalSpy refused;
};

GlandKind kindOf(const QString& side) { return side == QLatin1String("rod") ? GlandKind::RodGroove : GlandKind::HousingGroove; }

// The dimensions of the worked stretch-and-squeeze example: 2 % stretch and no question.
const QStringList kRodExample{"txtID=1", "txtPDM=1.24", "txtPDTM=0.001", "txtBDM=1.25", "txtBDTM=0.002",
                              "txtGDM=1.02", "txtPR=1000"};
// The housing-groove gland with 2.04 % stretch and 25.84 % squeeze: no question either.
const QStringList kHousingExample{"txtID=0.49", "txtPDF=0.5", "txtPDTF=0.001", "txtBDF=0.5035", "txtBDTF=0.0005",
                                  "txtGDF=0.602", "txtPR=1000"};

QStringList exampleWith(const QString& side, const QStringList& edits) {
  return (side == QLatin1String("rod") ? kRodExample : kHousingExample) + edits;
}

QString question(const std::string& statement, const std::string& ask) {
  return QString::fromStdString("question: " + statement + "\n\n" + ask);
}
QString notice(const std::string& text) { return QString::fromStdString("notice: " + text); }

QStringList logOf(const ProgramFixture& program) {
  QStringList log;
  for (const std::string& entry : program.log) log << QString::fromStdString(entry);
  return log;
}

// Question texts of the two editors.
const std::string kInterference = "     Caution ! Interference in rod and bore dimensions. Check values.";
const std::string kInterferenceAsk = "                           Do you want to edit dimensions ?";
const std::string kHousingAsk = "          Do  you  want  to  edit  dimensions ?";
const std::string kAnalysisA = "Caution ! Interference in rod and housing dimensions at MMC Concentric conditions.";
const std::string kAnalysisB = "Caution ! Interference in rod and housing dimensions at LMC Concentric conditions.";
const std::string kAnalysisC = "Caution ! Interference in rod and housing dimensions at LMC Eccentric conditions.";
const std::string kExtrapolated = " %  >  26 %. Calculations will be based on extrapolated test information.";

}  // namespace

class EditorScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void windowIsTheEditorOfItsKind_data();
  void windowIsTheEditorOfItsKind();
  void rowsStandWhereTheLayoutPutsThem_data();
  void rowsStandWhereTheLayoutPutsThem();
  void rightHandLabelsAndButtons_data();
  void rightHandLabelsAndButtons();
  void nothingIsClipped_data();
  void nothingIsClipped();
  void tabKeyFollowsTheTabOrder_data();
  void tabKeyFollowsTheTabOrder();
  void boxSelectsItsWholeTextOnFocus();
  void loadingShowsTheRecord_data();
  void loadingShowsTheRecord();
  void refusals_data();
  void refusals();
  void refusalOfNonNumbersLeavesTheRecordAlone();
  void sealSizeRefusalRoundsTheStoredRodOnly_data();
  void sealSizeRefusalRoundsTheStoredRodOnly();
  void questionsAndNotices_data();
  void questionsAndNotices();
  void boundaryValuesGoOn_data();
  void boundaryValuesGoOn();
  void enterInABoxPressesOk_data();
  void enterInABoxPressesOk();
  void buttonsRequestTheirActions_data();
  void buttonsRequestTheirActions();
  void frameCloseRequestsTheEnd();
};

void EditorScreenTest::windowIsTheEditorOfItsKind_data() {
  QTest::addColumn<QString>("side");
  QTest::addColumn<QString>("objectName");
  QTest::newRow("rod groove") << "rod" << "frmGrooveInMale";
  QTest::newRow("housing groove") << "housing" << "frmGrooveInFemale";
}

void EditorScreenTest::windowIsTheEditorOfItsKind() {
  QFETCH(QString, side);
  QFETCH(QString, objectName);
  EditorUnderTest t(kindOf(side));
  QCOMPARE(t.editor.objectName(), objectName);
  QCOMPARE(t.editor.windowTitle(), QStringLiteral("Glandwise Rev. 2.1a"));
  QCOMPARE(t.editor.size(), QSize(twips(13170), twips(4140)));
  QCOMPARE(t.editor.minimumSize(), t.editor.maximumSize());
  QCOMPARE(&t.editor.side(), &glandSide(kindOf(side)));
}

void EditorScreenTest::rowsStandWhereTheLayoutPutsThem_data() {
  QTest::addColumn<QString>("side");
  QTest::addColumn<int>("top");
  QTest::addColumn<QString>("captionName");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("entryName");
  QTest::addColumn<int>("entryLeft");
  QTest::addColumn<QString>("unitName");
  QTest::addColumn<QString>("unit");
  QTest::addColumn<int>("unitLeft");
  QTest::addColumn<QString>("toleranceName");  // empty: none on this row

  const QString tol = QStringLiteral("Inch    Tolerance +/-");
  auto row = [](const char* name, QString side, int top, QString captionName, QString caption, QString entryName,
                QString unitName, QString unit, QString toleranceName) {
    const bool rod = side == QLatin1String("rod");
    QTest::newRow(name) << side << top << captionName << caption << entryName << (rod ? 2640 : 2880) << unitName
                        << unit << (rod ? 4320 : 4440) << toleranceName;
  };
  row("rod 1", "rod", 120, "lblID", "Seal Inside Dia.", "txtID", "lblIDUnit", "Inch", "");
  row("rod 2", "rod", 600, "lblPDM", "Rod Dia.", "txtPDM", "lblPDMUnit", tol, "txtPDTM");
  row("rod 3", "rod", 1080, "lblBDM", "Housing Dia.", "txtBDM", "lblBDMUnit", tol, "txtBDTM");
  row("rod 4", "rod", 1560, "lblGDM", "Groove Dia. ", "txtGDM", "lblGDMUnit", tol, "txtGDTM");
  row("rod 5", "rod", 2040, "lblPR", "Operating Pressure", "txtPR", "lblPRUnit", "PSI", "");
  row("rod 6", "rod", 2520, "lblEcc", "Eccentricity", "txtECC", "lblECCUnit", "Inch", "");
  row("rod 7", "rod", 3000, "lblGW", "Groove Width", "lblGWVa", "lblGWUnit", "Inch", "");
  row("rod 8", "rod", 3480, "lblW", "Cross Section Dia.", "lblWVa", "lblWUnit", "Inch", "");
  row("housing 1", "housing", 120, "lblSID", "Seal Inside Dia.", "txtID", "lblSIDUnit", "Inch", "");
  row("housing 2", "housing", 600, "lblRodDia", "Housing Dia.", "txtBDF", "lblTODTFUnit", tol, "txtBDTF");
  row("housing 3", "housing", 1080, "lblTOD", "Rod Dia.", "txtPDF", "lblTODUnit", tol, "txtPDTF");
  row("housing 4", "housing", 1560, "lblGDF", "Groove Dia.", "txtGDF", "lblGDFUnit", tol, "txtGDTF");
  row("housing 5", "housing", 2040, "lblPressure", "Operating Pressure", "txtPR", "lblPressureUnit", "PSI", "");
  row("housing 6", "housing", 2520, "lblEcc", "Eccentricity", "txtECC", "Label14", "Inch", "");
  row("housing 7", "housing", 3000, "lblGW", "Groove Width", "lblGWV", "Label10", "Inch", "");
  row("housing 8", "housing", 3480, "lblW", "Cross Section Dia.", "lblWV", "Label7", "Inch", "");
}

void EditorScreenTest::rowsStandWhereTheLayoutPutsThem() {
  QFETCH(QString, side);
  QFETCH(int, top);
  QFETCH(QString, captionName);
  QFETCH(QString, caption);
  QFETCH(QString, entryName);
  QFETCH(int, entryLeft);
  QFETCH(QString, unitName);
  QFETCH(QString, unit);
  QFETCH(int, unitLeft);
  QFETCH(QString, toleranceName);
  EditorUnderTest t(kindOf(side));

  auto* captionLabel = t.editor.findChild<QLabel*>(captionName);
  QVERIFY(captionLabel);
  QCOMPARE(captionLabel->text(), caption);
  QCOMPARE(captionLabel->pos(), QPoint(twips(120), twips(top)));
  QCOMPARE(captionLabel->font().pointSizeF(), 14.25);
  QVERIFY(captionLabel->font().bold());
  QCOMPARE(QFontInfo(captionLabel->font()).family(), QFontInfo(timesFont(12, false)).family());

  auto* entry = t.editor.findChild<QWidget*>(entryName);
  QVERIFY(entry);
  QCOMPARE(entry->geometry(), QRect(twips(entryLeft), twips(top), twips(1455), twips(375)));
  QCOMPARE(entry->font().pointSizeF(), 12.0);
  QVERIFY(!entry->font().bold());

  auto* unitLabel = t.editor.findChild<QLabel*>(unitName);
  QVERIFY(unitLabel);
  QCOMPARE(unitLabel->text(), unit);
  QCOMPARE(unitLabel->pos(), QPoint(twips(unitLeft), twips(top)));

  if (!toleranceName.isEmpty()) {
    auto* tolerance = t.editor.findChild<QLineEdit*>(toleranceName);
    QVERIFY(tolerance);
    QCOMPARE(tolerance->geometry(), QRect(twips(7080), twips(top), twips(1455), twips(375)));
  }
}

void EditorScreenTest::rightHandLabelsAndButtons_data() {
  QTest::addColumn<QString>("side");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");  // empty: filled from the record
  QTest::addColumn<QPoint>("position");  // twips
  for (const char* side : {"rod", "housing"}) {
    const bool rod = QLatin1String(side) == QLatin1String("rod");
    auto row = [side](const char* name, const char* caption, QPoint at) {
      QTest::addRow("%s %s", side, name) << QString::fromLatin1(side) << QString::fromLatin1(name)
                                         << QString::fromLatin1(caption) << at;
    };
    row("lblGC", "Gland Type", rod ? QPoint(5160, 2520) : QPoint(5400, 2160));
    row(rod ? "lblGCVa" : "lblGCV", rod ? "Groove in Rod" : "Groove In Housing", QPoint(7080, rod ? 2520 : 2160));
    row("Label2", "Tolerance +/-", QPoint(rod ? 5160 : 5400, 3480));
    row("lblWT", "", QPoint(rod ? 7080 : 7320, 3480));
    row("cmdHandbook", "O-RING HANDBBOK", QPoint(10440, 120));
    row("cmdBack", "<  BACK", QPoint(10440, 840));
    row("cmdOk", "OK", QPoint(10440, 1560));
    row("cmdExit", "EXIT", QPoint(10440, 2280));
  }
}

void EditorScreenTest::rightHandLabelsAndButtons() {
  QFETCH(QString, side);
  QFETCH(QString, name);
  QFETCH(QString, caption);
  QFETCH(QPoint, position);
  EditorUnderTest t(kindOf(side));
  auto* widget = t.editor.findChild<QWidget*>(name);
  QVERIFY(widget);
  QCOMPARE(widget->pos(), QPoint(twips(position.x()), twips(position.y())));
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->size(), QSize(twips(2535), twips(495)));
    QCOMPARE(button->font().pointSizeF(), 12.0);
    QVERIFY(button->font().bold());
  } else if (!caption.isEmpty()) {
    QCOMPARE(qobject_cast<QLabel*>(widget)->text(), caption);
  }
}

void EditorScreenTest::nothingIsClipped_data() { windowIsTheEditorOfItsKind_data(); }

// Every caption and every loaded value fits its label, and no two controls overlap.
void EditorScreenTest::nothingIsClipped() {
  QFETCH(QString, side);
  EditorUnderTest t(kindOf(side));
  const QList<QWidget*> controls = t.editor.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  for (QWidget* control : controls) {
    QVERIFY2(t.editor.rect().contains(control->geometry()), qPrintable(control->objectName()));
    if (auto* label = qobject_cast<QLabel*>(control))
      QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width() &&
                   label->fontMetrics().height() <= label->contentsRect().height(),
               qPrintable(label->objectName() + QLatin1String(": ") + label->text()));
    for (QWidget* other : controls)
      QVERIFY2(other == control || !control->geometry().intersects(other->geometry()),
               qPrintable(control->objectName() + QLatin1String(" overlaps ") + other->objectName()));
  }
}

void EditorScreenTest::tabKeyFollowsTheTabOrder_data() {
  QTest::addColumn<QString>("side");
  QTest::addColumn<QStringList>("order");
  const QStringList buttons{"cmdHandbook", "cmdBack", "cmdOk", "cmdExit"};
  QTest::newRow("rod groove") << "rod"
                              << QStringList{"txtID", "txtPDM", "txtPDTM", "txtBDM", "txtBDTM", "txtGDM", "txtGDTM",
                                             "txtPR", "txtECC"} + buttons;
  QTest::newRow("housing groove") << "housing"
                                  << QStringList{"txtID", "txtBDF", "txtBDTF", "txtPDF", "txtPDTF", "txtGDF",
                                                 "txtGDTF", "txtPR", "txtECC"} + buttons;
}

void EditorScreenTest::tabKeyFollowsTheTabOrder() {
  QFETCH(QString, side);
  QFETCH(QStringList, order);
  EditorUnderTest t(kindOf(side));
  t.editor.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&t.editor));
  t.editor.findChild<QWidget*>(order.first())->setFocus();
  QStringList visited{QApplication::focusWidget()->objectName()};
  for (qsizetype i = 1; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  QCOMPARE(visited, order);
}

void EditorScreenTest::boxSelectsItsWholeTextOnFocus() {
  EditorUnderTest t(GlandKind::HousingGroove);
  t.editor.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&t.editor));
  auto* elsewhere = t.editor.findChild<QLineEdit*>(QStringLiteral("txtID"));
  for (const QString& name : {QStringLiteral("txtGDF"), QStringLiteral("txtECC")}) {
    auto* box = t.editor.findChild<QLineEdit*>(name);
    elsewhere->setFocus();
    box->deselect();
    box->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(box->selectedText(), box->text());
    QTest::keyClicks(box, QStringLiteral("0.7"));
    QCOMPARE(box->text(), QStringLiteral("0.7"));
  }
}

void EditorScreenTest::loadingShowsTheRecord_data() { windowIsTheEditorOfItsKind_data(); }

void EditorScreenTest::loadingShowsTheRecord() {
  QFETCH(QString, side);
  EditorUnderTest t(kindOf(side));
  const GlandSide& s = t.editor.side();
  const QStringList boxes = t.boxes();
  for (std::size_t i = 0; i < kEditorBoxCount; ++i)
    QCOMPARE(boxes[qsizetype(i)], QString::fromStdString(NumberText(t.record.*editorBoxVariable(s, EditorBox(i)))));
  const bool rod = s.kind == GlandKind::RodGroove;
  QCOMPARE(labelText(&t.editor, rod ? "lblWVa" : "lblWV"), QString::fromStdString(NumberText(t.record.W)));
  QCOMPARE(labelText(&t.editor, rod ? "lblGWVa" : "lblGWV"), QString::fromStdString(t.record.GW));
  QCOMPARE(labelText(&t.editor, "lblWT"), QString::fromStdString(NumberText(t.record.WT)));
  QVERIFY(!t.record.GW.empty());
}

void EditorScreenTest::refusals_data() {
  QTest::addColumn<QString>("side");
  QTest::addColumn<QStringList>("edits");
  QTest::addColumn<QString>("message");
  QTest::addColumn<bool>("beep");

  const QString numeric = QString::fromLatin1(kNumericValuesOnly);
  QTest::newRow("rod: empty tolerance") << "rod" << exampleWith("rod", {"txtPDTM="}) << numeric << true;
  QTest::newRow("rod: letters") << "rod" << exampleWith("rod", {"txtID=abc"}) << numeric << true;
  QTest::newRow("rod: blanks only") << "rod" << exampleWith("rod", {"txtECC=  "}) << numeric << true;
  QTest::newRow("rod: beyond a float") << "rod" << exampleWith("rod", {"txtBDM=1e39"})
                                       << QString::fromLatin1(kValueTooLarge) << true;
  QTest::newRow("rod: stretch beyond a float")
      << "rod" << exampleWith("rod", {"txtID=1e-37"}) << QString::fromLatin1(kResultsOutOfRange) << true;
  QTest::newRow("rod: seal size before pressure")
      << "rod" << exampleWith("rod", {"txtPDM=1.1", "txtPR=0"})
      << "Calculation shows seal nominal diameter  1.139  > 1.1  rod  diameter  " << false;
  QTest::newRow("rod: pressure 0") << "rod" << exampleWith("rod", {"txtPR=0"})
                                   << "Pressure  should  be  > 0 and < = 1500 PSI" << true;
  QTest::newRow("rod: pressure 1500.5") << "rod" << exampleWith("rod", {"txtPR=1500.5"})
                                        << "Pressure  should  be  > 0 and < = 1500 PSI" << true;
  QTest::newRow("rod: seal inside 0") << "rod" << exampleWith("rod", {"txtID=0"})
                                      << "Seal  inside  diameter  should  be  >  0  Inch" << true;
  QTest::newRow("rod: bore 0") << "rod" << exampleWith("rod", {"txtBDM=0"}) << "Bore  diamaeter  should be  >  0  Inch"
                               << true;
  QTest::newRow("rod: groove 0") << "rod" << exampleWith("rod", {"txtGDM=0"})
                                 << "Groove  diamaeter  should be  >  0  Inch" << true;
  QTest::newRow("rod: groove = rod") << "rod" << exampleWith("rod", {"txtGDM=1.24"})
                                     << "Groove  diamaeter  is >  Rod  diameter" << true;

  QTest::newRow("housing: empty tolerance") << "housing" << exampleWith("housing", {"txtBDTF="}) << numeric << true;
  QTest::newRow("housing: decimal comma") << "housing" << exampleWith("housing", {"txtGDF=0,6"}) << numeric << true;
  QTest::newRow("housing: seal size before pressure")
      << "housing" << exampleWith("housing", {"txtID=0.6", "txtPDF=0.59876", "txtPR=0"})
      << "   Calculation shows seal inside diameter  0.6  > 0.599  rod  diameter " << false;
  QTest::newRow("housing: pressure 0") << "housing" << exampleWith("housing", {"txtPR=0"})
                                       << "Pressure should be  >  0 and < = 1500  PSI" << true;
  QTest::newRow("housing: negative pressure") << "housing" << exampleWith("housing", {"txtPR=-5"})
                                              << "Pressure should be  >  0 and < = 1500  PSI" << true;
  QTest::newRow("housing: seal inside 0") << "housing" << exampleWith("housing", {"txtID=0"})
                                          << "  Seal inside diameter should be >  0  Inch" << true;
  QTest::newRow("housing: bore 0") << "housing" << exampleWith("housing", {"txtBDF=0"})
                                   << "Bore diameter should be  >  0  Inch" << true;
  QTest::newRow("housing: groove 0") << "housing" << exampleWith("housing", {"txtGDF=0"})
                                     << "Groove diameter should be  >  0  Inch" << true;
  QTest::newRow("housing: groove = bore") << "housing" << exampleWith("housing", {"txtGDF=0.5035"})
                                          << "Groove diameter should be > Bore diameter." << true;
}

// A refusal emits refused(message, beep) and nothing else: no question, no analysis, and
// the boxes keep what the user typed.
void EditorScreenTest::refusals() {
  QFETCH(QString, side);
  QFETCH(QStringList, edits);
  QFETCH(QString, message);
  QFETCH(bool, beep);
  EditorUnderTest t(kindOf(side));
  QVERIFY(typeEdits(&t.editor, edits));
  const QStringList typed = t.boxes();
  QVERIFY(ProgramFixture::click(&t.editor, "cmdOk"));

  QCOMPARE(t.refused.count(), 1);
  QCOMPARE(t.refused.first().at(0).toBool(), beep);
  QCOMPARE(t.analysed.count(), 0);
  QCOMPARE(logOf(t.program), QStringList());  // the editor itself neither beeps nor asks
  QCOMPARE(t.boxes(), typed);
  QCOMPARE(QString::fromStdString(t.record.ErrorText), message);
  QVERIFY(t.editor.isVisible());
}

void EditorScreenTest::refusalOfNonNumbersLeavesTheRecordAlone() {
  EditorUnderTest t(GlandKind::RodGroove);
  const QMap<QString, float> before = recordFloats(t.record);
  QVERIFY(t.pressOk(exampleWith("rod", {"txtGDTM=abc"})));
  QCOMPARE(t.refused.count(), 1);
  QCOMPARE(recordFloats(t.record), before);
}

void EditorScreenTest::sealSizeRefusalRoundsTheStoredRodOnly_data() {
  QTest::addColumn<QString>("side");
  QTest::addColumn<QStringList>("edits");
  QTest::addColumn<QString>("rodBox");
  QTest::addColumn<float>("storedRod");
  QTest::newRow("rod groove") << "rod" << exampleWith("rod", {"txtID=1.2", "txtPDM=1.23456"}) << "txtPDM" << 1.235f;
  QTest::newRow("housing groove") << "housing" << exampleWith("housing", {"txtID=1", "txtPDF=0.98765"}) << "txtPDF"
                                  << 0.988f;
}

void EditorScreenTest::sealSizeRefusalRoundsTheStoredRodOnly() {
  QFETCH(QString, side);
  QFETCH(QStringList, edits);
  QFETCH(QString, rodBox);
  QFETCH(float, storedRod);
  EditorUnderTest t(kindOf(side));
  QVERIFY(t.pressOk(edits));
  QCOMPARE(t.refused.count(), 1);
  const QString rodText = QString::fromStdString(NumberText(storedRod));
  QVERIFY(QString::fromStdString(t.record.ErrorText).contains(QStringLiteral("  > %1  rod").arg(rodText)));
  QCOMPARE(t.record.*t.editor.side().rod.nominal, storedRod);
  QCOMPARE(t.editor.findChild<QLineEdit*>(rodBox)->text(), edits.last().section('=', 1));
}

void EditorScreenTest::questionsAndNotices_data() {
  QTest::addColumn<QString>("side");
  QTest::addColumn<QStringList>("edits");
  QTest::addColumn<QList<bool>>("answers");  // true = Yes
  QTest::addColumn<QStringList>("shown");    // beeps, questions and notices, in order
  QTest::addColumn<bool>("goesOn");

  const QString beep = QStringLiteral("beep");
  const QStringList rodInterference{"txtBDM=1.23"};
  const QString q1 = question(kInterference, kInterferenceAsk);
  const QStringList analysisNotices{notice(kAnalysisA), notice(kAnalysisB), notice(kAnalysisC)};
  QTest::newRow("rod Q1 yes") << "rod" << exampleWith("rod", rodInterference) << QList<bool>{true}
                              << QStringList{beep, q1} << false;
  QTest::newRow("rod Q1 no, then the analysis notices")
      << "rod" << exampleWith("rod", rodInterference) << QList<bool>{false} << QStringList{beep, q1} + analysisNotices
      << true;

  const QString q2zero = question("             Caution !  Stretch  is  0 %  <  0 %.",
                                  "              Do you want to edit dimensions ?");
  QTest::newRow("rod Q2 yes") << "rod" << exampleWith("rod", {"txtGDM=1"}) << QList<bool>{true}
                              << QStringList{beep, q2zero} << false;
  QTest::newRow("rod Q2 no") << "rod" << exampleWith("rod", {"txtGDM=1"}) << QList<bool>{false}
                             << QStringList{beep, q2zero} << true;

  // Unstretched with a shallow gland: GHM = (1.19 - 0.99) / 2 = 0.1, PCM = (0.139 - 0.1) / 0.139 x 100.
  const QStringList rodShallow{"txtGDM=0.99", "txtBDM=1.19", "txtPDM=1.18"};
  const QString q2minus = question("             Caution !  Stretch  is  -1 %  <  0 %.",
                                   "              Do you want to edit dimensions ?");
  const QString q3 = question("percent  compression  is  28.05754 %  >  25 %", "Do you want to edit dimensions ?");
  QTest::newRow("rod Q2 no, Q3 yes") << "rod" << exampleWith("rod", rodShallow) << QList<bool>{false, true}
                                     << QStringList{beep, q2minus, beep, q3} << false;
  QTest::newRow("rod Q2 no, Q3 no") << "rod" << exampleWith("rod", rodShallow) << QList<bool>{false, false}
                                    << QStringList{beep, q2minus, beep, q3} << true;

  const QString q4ten = question("      Caution ! Stretch  is  10 %   >  5 %.", "          Do you want to edit dimensions ?");
  const QString q6 = question("      Percent  compression  is  42.6 %  >  30 %", "           Do you want to edit dimensions ?");
  QTest::newRow("rod Q4 yes") << "rod" << exampleWith("rod", {"txtGDM=1.1"}) << QList<bool>{true}
                              << QStringList{beep, q4ten} << false;
  QTest::newRow("rod Q4 no, Q6 yes") << "rod" << exampleWith("rod", {"txtGDM=1.1"}) << QList<bool>{false, true}
                                     << QStringList{beep, q4ten, beep, q6} << false;
  QTest::newRow("rod Q4 no, Q6 no") << "rod" << exampleWith("rod", {"txtGDM=1.1"}) << QList<bool>{false, false}
                                    << QStringList{beep, q4ten, beep, q6} << true;

  const QStringList rodThirty{"txtGDM=1.3", "txtBDM=1.5", "txtPDM=1.49"};
  const QString q4thirty =
      question("      Caution ! Stretch  is  30 %   >  5 %.", "          Do you want to edit dimensions ?");
  QTest::newRow("rod Q4 no, N5") << "rod" << exampleWith("rod", rodThirty) << QList<bool>{false}
                                 << QStringList{beep, q4thirty, beep,
                                                notice("Caution ! As percent stretch is  30" + kExtrapolated)}
                                 << true;

  const QStringList housingInterference{"txtBDF=0.49"};
  QTest::newRow("housing Q1 yes") << "housing" << exampleWith("housing", housingInterference) << QList<bool>{true}
                                  << QStringList{beep, q1} << false;
  QTest::newRow("housing Q1 no, then the analysis notices")
      << "housing" << exampleWith("housing", housingInterference) << QList<bool>{false}
      << QStringList{beep, q1} + analysisNotices << true;
  QTest::newRow("housing zero stretch asks nothing") << "housing" << exampleWith("housing", {"txtID=0.5"})
                                                     << QList<bool>{} << QStringList{} << true;

  const QString q4housing = question("        Caution ! Stretch is  11.11 %   >  5 %.", kHousingAsk);
  QTest::newRow("housing Q4 yes") << "housing" << exampleWith("housing", {"txtID=0.45"}) << QList<bool>{true}
                                  << QStringList{beep, q4housing} << false;
  QTest::newRow("housing Q4 no") << "housing" << exampleWith("housing", {"txtID=0.45"}) << QList<bool>{false}
                                 << QStringList{beep, q4housing} << true;

  const QString q4n5 = question("        Caution ! Stretch is  31.58 %   >  5 %.", kHousingAsk);
  QTest::newRow("housing Q4 no, N5")
      << "housing" << exampleWith("housing", {"txtID=0.38"}) << QList<bool>{false}
      << QStringList{beep, q4n5, beep, notice("Warning ! As percent stretch is  31.58" + kExtrapolated)} << true;
}

// Yes leaves the editor up with its boxes as typed and nothing analysed; No goes on.
void EditorScreenTest::questionsAndNotices() {
  QFETCH(QString, side);
  QFETCH(QStringList, edits);
  QFETCH(QList<bool>, answers);
  QFETCH(QStringList, shown);
  QFETCH(bool, goesOn);
  EditorUnderTest t(kindOf(side));
  QVERIFY(typeEdits(&t.editor, edits));
  const QStringList typed = t.boxes();
  t.program.messageBoxes.answers.assign(answers.begin(), answers.end());
  QVERIFY(ProgramFixture::click(&t.editor, "cmdOk"));

  QCOMPARE(logOf(t.program), shown);
  QCOMPARE(t.analysed.count(), goesOn ? 1 : 0);
  QCOMPARE(t.refused.count(), 0);
  QCOMPARE(t.boxes(), typed);
  QCOMPARE(t.record.Answer, answers.isEmpty() ? std::int16_t(0) : answers.last() ? kAnswerYes : kAnswerNo);
}

void EditorScreenTest::boundaryValuesGoOn_data() {
  QTest::addColumn<QString>("side");
  QTest::addColumn<QStringList>("edits");
  QTest::newRow("rod: pressure 1500") << "rod" << exampleWith("rod", {"txtPR=1500"});
  QTest::newRow("rod: pressure with blanks and exponent") << "rod" << exampleWith("rod", {"txtPR= 1.5E2 "});
  QTest::newRow("rod: negative tolerances and eccentricity")
      << "rod" << exampleWith("rod", {"txtPDTM=-0.001", "txtBDTM=-0.002", "txtGDTM=0", "txtECC=-0.003"});
  QTest::newRow("housing: pressure 1500") << "housing" << exampleWith("housing", {"txtPR=1500"});
  QTest::newRow("housing: negative tolerances and eccentricity")
      << "housing" << exampleWith("housing", {"txtPDTF=-0.001", "txtBDTF=0", "txtGDTF=-0.001", "txtECC=-0.002"});
}

void EditorScreenTest::boundaryValuesGoOn() {
  QFETCH(QString, side);
  QFETCH(QStringList, edits);
  EditorUnderTest t(kindOf(side));
  t.program.messageBoxes.answers = {false, false, false};  // the analysis may warn of interference
  QVERIFY(t.pressOk(edits));
  QCOMPARE(t.refused.count(), 0);
  QCOMPARE(t.analysed.count(), 1);
  QCOMPARE(t.record.GlandType, std::string(t.editor.side().code));
}

void EditorScreenTest::enterInABoxPressesOk_data() {
  QTest::addColumn<QString>("side");
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("goesOn");
  QTest::newRow("rod groove, valid") << "rod" << "txtPR" << "900" << true;
  QTest::newRow("housing groove, valid") << "housing" << "txtGDTF" << "0.002" << true;
  QTest::newRow("housing groove, refused") << "housing" << "txtECC" << "x" << false;
}

void EditorScreenTest::enterInABoxPressesOk() {
  QFETCH(QString, side);
  QFETCH(QString, box);
  QFETCH(QString, text);
  QFETCH(bool, goesOn);
  EditorUnderTest t(kindOf(side));
  QVERIFY(typeEdits(&t.editor, exampleWith(side, {box + '=' + text})));
  QTest::keyClick(t.editor.findChild<QLineEdit*>(box), Qt::Key_Return);
  QCOMPARE(t.analysed.count(), goesOn ? 1 : 0);
  QCOMPARE(t.refused.count(), goesOn ? 0 : 1);
}

void EditorScreenTest::buttonsRequestTheirActions_data() {
  QTest::addColumn<QString>("side");
  QTest::addColumn<QString>("button");
  for (const char* side : {"rod", "housing"})
    for (const char* button : {"cmdHandbook", "cmdBack", "cmdExit"})
      QTest::addRow("%s %s", side, button) << QString::fromLatin1(side) << QString::fromLatin1(button);
}

void EditorScreenTest::buttonsRequestTheirActions() {
  QFETCH(QString, side);
  QFETCH(QString, button);
  EditorUnderTest t(kindOf(side));
  QSignalSpy handbook(&t.editor, &GlandEditor::handbookRequested);
  QSignalSpy back(&t.editor, &GlandEditor::backRequested);
  QSignalSpy exit(&t.editor, &MainScreen::exitRequested);
  const QMap<QString, QSignalSpy*> spies{{"cmdHandbook", &handbook}, {"cmdBack", &back}, {"cmdExit", &exit}};
  QVERIFY(ProgramFixture::click(&t.editor, qPrintable(button)));
  for (auto it = spies.begin(); it != spies.end(); ++it) QCOMPARE(it.value()->count(), it.key() == button ? 1 : 0);
  QCOMPARE(t.analysed.count() + t.refused.count(), 0);
}

void EditorScreenTest::frameCloseRequestsTheEnd() {
  EditorUnderTest t(GlandKind::RodGroove);
  QSignalSpy exit(&t.editor, &MainScreen::exitRequested);
  ProgramFixture::closeByFrame(&t.editor);
  QCOMPARE(exit.count(), 1);
}

QTEST_MAIN(EditorScreenTest)
#include "editor_screen_test.moc"

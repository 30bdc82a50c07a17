// The results sheets on their own: layout, the values they show and store back, the date,
// the printable page, and agreement with the batch calculator's sheet output.

#include <QDate>
#include <QFrame>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "cli/calc_session.h"
#include "tests/gui/editor_results_support.h"
#include "editors/gland_editor.h"
#include "model/numbers.h"
#include "results/results_sheet.h"

using namespace glandwise;
using namespace glandwise::testing;

namespace {

GlandKind kindOf(const QString& side) { return side == QLatin1String("rod") ? GlandKind::RodGroove : GlandKind::HousingGroove; }

// Sets the application's default locale for one test and puts the previous one back.
class DefaultLocale {
 public:
  explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
  ~DefaultLocale() { QLocale::setDefault(previous_); }
  DefaultLocale(const DefaultLocale&) = delete;
  DefaultLocale& operator=(const DefaultLocale&) = delete;

 private:
  QLocale previous_;
};

// The gland-kind letter of a record variable: 'M' for "GHMMinE", 'F' for "F70F"; the
// common variables give some other letter.
char glandKindLetter(std::string_view name) {
  for (std::string_view suffix : {"MaxE", "MinE", "Max", "Min"})
    if (name.ends_with(suffix)) {
      name.remove_suffix(suffix.size());
      break;
    }
  return name.back();
}

// One gland worked through the core as a person works it through the screens.
calc::GlandInput rodExampleInput() {
  calc::GlandInput input;
  input.crossSection = kSection139;
  input.glandType = GlandKind::RodGroove;
  input.sealInsideDia = "1";
  input.housingDia = "1.25";
  input.pressure = "1000";
  input.edits = {{EditorBox::PD, "1.24"}, {EditorBox::PDT, "0.001"}, {EditorBox::BDT, "0.002"}, {EditorBox::GD, "1.02"}};
  return input;
}

calc::GlandInput housingExampleInput() {
  calc::GlandInput input;
  input.crossSection = kSection070;
  input.glandType = GlandKind::HousingGroove;
  input.sealInsideDia = "0.49";
  input.rodDia = "0.5";
  input.pressure = "1000";
  return input;
}

// The record that the editor's OK leaves for the sheet, reached through the core's
// selection and editor steps; questions are answered from `answers`, then No.
GlandRecord analysedGland(const calc::GlandInput& input, std::deque<bool> answers = {}) {
  const GlandKind kind = *input.glandType;
  const bool rod = kind == GlandKind::RodGroove;
  GlandRecord record = standardGland(kind, *input.crossSection, input.sealInsideDia->c_str(),
                                     (rod ? input.housingDia : input.rodDia)->c_str());
  EditorTexts texts = editorLoad(record, glandSide(kind));
  for (const calc::EditorEdit& edit : input.edits) texts[std::size_t(edit.box)] = edit.text;
  struct Answers final : UserPrompts {
    std::deque<bool> script;
    bool askYesNo(const std::string&, bool) override {
      const bool yes = !script.empty() && script.front();
      if (!script.empty()) script.pop_front();
      return yes;
    }
    void notify(const std::string&, bool) override {}
  } prompts;
  prompts.script = std::move(answers);
  const OkResult result = editorOk(record, glandSide(kind), texts, prompts);
  if (result.outcome != OkOutcome::GoOn) QTest::qFail("the editor did not go on", __FILE__, __LINE__);
  return record;
}

GlandRecord analysedExample(GlandKind kind) {
  return analysedGland(kind == GlandKind::RodGroove ? rodExampleInput() : housingExampleInput());
}

QList<QLabel*> pageLabels(const ResultsSheet& sheet) { return sheet.reportPage()->findChildren<QLabel*>(); }

QList<QFrame*> gridLines(const ResultsSheet& sheet) {
  QList<QFrame*> lines;
  for (QFrame* frame : sheet.reportPage()->findChildren<QFrame*>())
    if (frame->objectName().startsWith(QLatin1String("Line"))) lines << frame;
  return lines;
}

// Where the text of `label` is drawn, in page coordinates.
QRect textRect(const QLabel* label) {
  const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
  return label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text()).translated(label->pos());
}

}  // namespace

class ResultsSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void windowIsTheSheetOfItsKind_data();
  void windowIsTheSheetOfItsKind();
  void fixedCaptions_data();
  void fixedCaptions();
  void gridLinesStandWhereTheLayoutPutsThem_data();
  void gridLinesStandWhereTheLayoutPutsThem();
  void buttons_data();
  void buttons();
  void textIsNeitherClippedNorCrossedByTheGrid_data();
  void textIsNeitherClippedNorCrossedByTheGrid();
  void workedExampleShowsItsFigures();
  void labelsEqualTheBatchCalculatorsSheet_data();
  void labelsEqualTheBatchCalculatorsSheet();
  void glandTypeLineAndCodeAreKept_data();
  void glandTypeLineAndCodeAreKept();
  void sheetShowsOnlyItsOwnGlandKind_data();
  void sheetShowsOnlyItsOwnGlandKind();
  void dateFollowsTheUsersShortDateForm_data();
  void dateFollowsTheUsersShortDateForm();
  void buttonsRequestTheirActions_data();
  void buttonsRequestTheirActions();
  void frameCloseRequestsTheEnd();
};

void ResultsSheetTest::windowIsTheSheetOfItsKind_data() {
  QTest::addColumn<QString>("side");
  QTest::addColumn<QString>("objectName");
  QTest::addColumn<int>("clientHeight");  // twips
  QTest::newRow("rod groove") << "rod" << "frmResultsMale" << 12465;
  QTest::newRow("housing groove") << "housing" << "frmResultsFemale" << 12495;
}

void ResultsSheetTest::windowIsTheSheetOfItsKind() {
  QFETCH(QString, side);
  QFETCH(QString, objectName);
  QFETCH(int, clientHeight);
  GlandRecord record = analysedExample(kindOf(side));
  ResultsSheet sheet(record, glandSide(kindOf(side)));
  QCOMPARE(sheet.objectName(), objectName);
  QCOMPARE(sheet.windowTitle(), QStringLiteral("Glandwise Rev. 2.1a"));
  QCOMPARE(sheet.size(), QSize(twips(11070), twips(clientHeight)));
  QCOMPARE(sheet.minimumSize(), sheet.maximumSize());
  QCOMPARE(sheet.reportPage()->geometry(), sheet.rect());
  QCOMPARE(&sheet.side(), &glandSide(kindOf(side)));
}

void ResultsSheetTest::fixedCaptions_data() {
  QTest::addColumn<QString>("side");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QPoint>("position");  // twips
  QTest::addColumn<double>("points");
  for (const char* side : {"rod", "housing"}) {
    const bool rod = QLatin1String(side) == QLatin1String("rod");
    auto row = [side](const char* name, const char* caption, QPoint at, double points = 12) {
      QTest::addRow("%s %s", side, name) << QString::fromLatin1(side) << QString::fromLatin1(name)
                                         << QString::fromLatin1(caption) << at << points;
    };
    row("lblTitle", "Glandwise - Results", {3840, 600}, 14.25);
    row("Label4", "v 2.1a", {rod ? 10080 : 10050, 780});
    row("Label2", rod ? "Groove In Rod" : "Groove In Housing", {3480, 960});
    row("lblW", "Cross Section Dia. =", {960, 1560});
    row("lblEWM", "Effective Cross Section Dia. =", {960, 1920});
    row("lblGC", "Gland Type =", {960, 2280});
    row("lblID", "Seal Inside Dia. =", {960, 2640});
    row("lblPDM", "Rod Dia.  =", {960, 3000});
    row("lblBDM", "Housing Dia. =", {960, 3360});
    row("lblGDM", "Groove Dia. =", {960, 3720});
    row("lblGW", "Groove Width =", {960, 4080});
    row("lblECC", "Machining Eccentricity, FIM =", {960, 4440});
    row("lblPR", "Operating Pressure =", {960, 4800});
    row("lblPSM", "% Nominal Stretch =", {960, 5160});
    row("Label3", "Assumptions for friction calculations:", {960, 5520});
    row("lblF70M", "Estimated Running Friction, 70 Duro, Lbs. =", {960, 6840});
    row("lblF80M", "Estimated Running Friction, 80 Duro, Lbs. =", {960, 7200});
    row("lblF90M", "Estimated Running Friction, 90 Duro, Lbs. =", {960, 7560});
    row("Label17", "Radial Squeeze", {rod ? 3720 : 3840, 8160});
    row("Label18", "Radial Squeeze Percent", {rod ? 4800 : 4920, 8085});  // three lines: set higher
    row("Label19", "Radial Extrusion Gap", {-1, 8160});
    row("Label20", "Radial Gland Height", {-1, 8160});
    row("Label21", "(Inch)", {rod ? 3960 : 3840, 8880});
    row("Label22", "(%)", {rod ? 5280 : 5400, -1});
    row("Label23", "(Inch)", {-1, 8880});
    row("Label24", "(Inch)", {-1, 8880});
    row("Label11", "Worst Case MMC Eccentric, Loaded Side", {1080, 9360});
    row("Label12", "MMC Concentric", {1080, -1});
    row("Label14", "Nominal", {1080, -1});
    row("Label15", "LMC Concentric", {1080, -1});
    row("Label16", "Worst Case LMC Eccentric, Unloaded Side", {1080, 11760});
  }
}

// Every fixed caption in bold Times, where the layout puts it (-1: left to the look).
void ResultsSheetTest::fixedCaptions() {
  QFETCH(QString, side);
  QFETCH(QString, name);
  QFETCH(QString, caption);
  QFETCH(QPoint, position);
  QFETCH(double, points);
  GlandRecord record = analysedExample(kindOf(side));
  ResultsSheet sheet(record, glandSide(kindOf(side)));
  auto* label = sheet.reportPage()->findChild<QLabel*>(name);
  QVERIFY(label);
  QCOMPARE(label->text(), caption);
  if (position.x() >= 0) QCOMPARE(label->x(), twips(position.x()));
  if (position.y() >= 0) QCOMPARE(label->y(), twips(position.y()));
  QCOMPARE(label->font().pointSizeF(), points);
  QVERIFY(label->font().bold());
}

void ResultsSheetTest::gridLinesStandWhereTheLayoutPutsThem_data() {
  QTest::addColumn<QString>("side");
  QTest::addColumn<QList<int>>("verticals");    // x, twips; each from y 8040 to 12360
  QTest::addColumn<QList<int>>("horizontals");  // y, twips; each from x 960 to 10560
  QTest::newRow("rod groove") << "rod" << QList<int>{960, 3720, 4800, 6240, 8520, 10560}
                              << QList<int>{8040, 9240, 9960, 10560, 11160, 11760, 12360};
  QTest::newRow("housing groove") << "housing" << QList<int>{960, 3720, 4800, 6360, 8520, 10560}
                                  << QList<int>{8040, 9360, 9960, 10560, 11160, 11760, 12360};
}

void ResultsSheetTest::gridLinesStandWhereTheLayoutPutsThem() {
  QFETCH(QString, side);
  QFETCH(QList<int>, verticals);
  QFETCH(QList<int>, horizontals);
  GlandRecord record = analysedExample(kindOf(side));
  ResultsSheet sheet(record, glandSide(kindOf(side)));
  QSet<QString> expected;
  for (int x : verticals) expected << QStringLiteral("%1,%2 1x%3").arg(twips(x)).arg(twips(8040)).arg(twips(12360 - 8040));
  for (int y : horizontals) expected << QStringLiteral("%1,%2 %3x1").arg(twips(960)).arg(twips(y)).arg(twips(10560 - 960));
  QSet<QString> actual, names;
  for (QFrame* line : gridLines(sheet)) {
    const QRect g = line->geometry();
    actual << QStringLiteral("%1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    names << line->objectName();
  }
  QCOMPARE(actual, expected);
  QSet<QString> lineNames;
  for (int i = 1; i <= 13; ++i) lineNames << QStringLiteral("Line%1").arg(i);
  QCOMPARE(names, lineNames);
}

void ResultsSheetTest::buttons_data() {
  QTest::addColumn<QString>("side");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QRect>("box");  // twips
  QTest::addColumn<bool>("bold");
  for (const char* side : {"rod", "housing"}) {
    const bool rod = QLatin1String(side) == QLatin1String("rod");
    auto row = [side](const char* name, const char* caption, QRect box, bool bold) {
      QTest::addRow("%s %s", side, name) << QString::fromLatin1(side) << QString::fromLatin1(name)
                                         << QString::fromLatin1(caption) << box << bold;
    };
    row("cmdHandbook", "O-RING HANDBOOK", {8160, 2040, 2535, 495}, true);
    row("cmdPrint", "PRINT REPORT", {8160, 2880, 2535, 495}, true);
    row("cmdEdit", "EDIT", {8160, 3720, 2535, 495}, true);
    row("cmdExit", "EXIT", {8160, 4560, 2535, 495}, true);
    row("cmdH1", "Help", {0, rod ? 4460 : 4440, 735, 255}, false);
    row("cmdH2", "Help", {0, 6840, 735, 255}, false);
  }
}

void ResultsSheetTest::buttons() {
  QFETCH(QString, side);
  QFETCH(QString, name);
  QFETCH(QString, caption);
  QFETCH(QRect, box);
  QFETCH(bool, bold);
  GlandRecord record = analysedExample(kindOf(side));
  ResultsSheet sheet(record, glandSide(kindOf(side)));
  auto* button = sheet.findChild<QPushButton*>(name);
  QVERIFY(button);
  QCOMPARE(button->text(), caption);
  QCOMPARE(button->geometry(), QRect(twips(box.x()), twips(box.y()), twips(box.width()), twips(box.height())));
  QCOMPARE(button->font().bold(), bold);
  QVERIFY(!sheet.reportPage()->isAncestorOf(button));
}

void ResultsSheetTest::textIsNeitherClippedNorCrossedByTheGrid_data() {
  QTest::addColumn<QString>("side");
  QTest::newRow("rod groove") << "rod";
  QTest::newRow("housing groove") << "housing";
}

void ResultsSheetTest::textIsNeitherClippedNorCrossedByTheGrid() {
  QFETCH(QString, side);
  GlandRecord record = analysedExample(kindOf(side));
  ResultsSheet sheet(record, glandSide(kindOf(side)));
  const QList<QFrame*> lines = gridLines(sheet);
  for (QLabel* label : pageLabels(sheet)) {
    const QRect text = textRect(label);
    QVERIFY2(label->geometry().contains(text),
             qPrintable(QStringLiteral("%1 clipped: text %2,%3 %4x%5 in %6,%7 %8x%9")
                            .arg(label->objectName())
                            .arg(text.x()).arg(text.y()).arg(text.width()).arg(text.height())
                            .arg(label->x()).arg(label->y()).arg(label->width()).arg(label->height())));
    QVERIFY2(sheet.rect().contains(label->geometry()), qPrintable(label->objectName()));
    for (QFrame* line : lines)
      QVERIFY2(!line->geometry().intersects(text.adjusted(1, 1, -1, -1)),
               qPrintable(label->objectName() + QLatin1String(" crosses ") + line->objectName()));
  }
}

// The rod-groove example of the stretch and squeeze checks: W 0.139, ID 1, GDM 1.02,
// BDM 1.25, PDM 1.24 gives PSM 2, EWM 0.1365953, GHM 0.115, CM 0.02159528, PCM 15.80968,
// EGM 0.005; the sheet rounds and shows them.
void ResultsSheetTest::workedExampleShowsItsFigures() {
  GlandRecord record = analysedGland(rodExampleInput());
  ResultsSheet sheet(record, kRodGroove);
  QWidget* page = sheet.reportPage();
  QCOMPARE(labelText(page, "lblEWMV"), QStringLiteral("0.1366 Inch"));
  QCOMPARE(labelText(page, "lblPSMV"), QStringLiteral("2 %"));
  QCOMPARE(labelText(page, "lblGHM"), QStringLiteral("0.115"));
  QCOMPARE(labelText(page, "lblCM"), QStringLiteral("0.0216"));
  QCOMPARE(labelText(page, "lblPCM"), QStringLiteral("15.81"));
  QCOMPARE(labelText(page, "lblEGM"), QStringLiteral("0.005"));
  QCOMPARE(labelText(page, "lblIDV"), QStringLiteral("1 Inch"));
  QCOMPARE(labelText(page, "lblPDMV"), QStringLiteral("1.24 Inch   Tolerance =  +/-  0.001"));
  QCOMPARE(labelText(page, "lblBDMV"), QStringLiteral("1.25 Inch   Tolerance =  +/-  0.002"));
  QCOMPARE(labelText(page, "lblGDMV"),
           QStringLiteral("1.02 Inch   Tolerance = +/-  ") + QString::fromStdString(NumberText(record.GDTM)));
  QCOMPARE(labelText(page, "lblWV"),
           QStringLiteral("0.139 Inch   Tolerance =  +/-  ") + QString::fromStdString(NumberText(record.WT)));
  QCOMPARE(labelText(page, "lblPRV"), QStringLiteral("1000 PSI"));
  QCOMPARE(labelText(page, "lblGCV"), QStringLiteral("Groove in Rod."));
  QCOMPARE(record.EWM, 0.1366f);
  QCOMPARE(record.PCM, 15.81f);
}

void ResultsSheetTest::labelsEqualTheBatchCalculatorsSheet_data() {
  QTest::addColumn<QString>("side");
  QTest::addColumn<int>("input");
  QTest::newRow("rod example") << "rod" << 0;
  QTest::newRow("rod, 30 % stretch") << "rod" << 1;
  QTest::newRow("rod, interference") << "rod" << 2;
  QTest::newRow("housing example") << "housing" << 3;
  QTest::newRow("housing, 31.58 % stretch") << "housing" << 4;
  QTest::newRow("housing, interference") << "housing" << 5;
}

// The same input through the batch calculator's session and through the core's selection
// and editor steps into the sheet widget: every value label and the whole record agree.
void ResultsSheetTest::labelsEqualTheBatchCalculatorsSheet() {
  QFETCH(int, input);
  calc::GlandInput inputs[] = {rodExampleInput(), rodExampleInput(), rodExampleInput(),
                               housingExampleInput(), housingExampleInput(), housingExampleInput()};
  inputs[1].housingDia = "1.5";
  inputs[1].edits = {{EditorBox::GD, "1.3"}, {EditorBox::PD, "1.49"}};
  inputs[2].edits.push_back({EditorBox::BD, "1.23"});
  inputs[4].edits = {{EditorBox::ID, "0.38"}};
  inputs[5].edits = {{EditorBox::BD, "0.49"}};
  const calc::GlandInput& chosen = inputs[input];

  const calc::SessionResult session = calc::runSession(chosen);
  QCOMPARE(int(session.outcome), int(calc::SessionOutcome::Results));
  GlandRecord record = analysedGland(chosen);
  ResultsSheet sheet(record, glandSide(*chosen.glandType));

  QCOMPARE(session.sheet.size(), std::size_t(34));
  for (const SheetLabel& label : session.sheet)
    QCOMPARE(labelText(sheet.reportPage(), QString::fromStdString(label.objectName)),
             QString::fromStdString(label.caption));
  QCOMPARE(recordFloats(record), recordFloats(session.record));
}

void ResultsSheetTest::glandTypeLineAndCodeAreKept_data() {
  QTest::addColumn<QString>("side");
  QTest::addColumn<QString>("code");
  QTest::addColumn<QString>("line");
  QTest::addColumn<QString>("subtitle");
  QTest::newRow("rod groove") << "rod" << "PLUG" << "Groove in Rod." << "Groove In Rod";
  QTest::newRow("housing groove") << "housing" << "THROAT" << "Groove in Housing." << "Groove In Housing";
  QTest::newRow("housing sheet, whatever the code") << "housing" << "PLUG" << "Groove in Housing."
                                                    << "Groove In Housing";
}

void ResultsSheetTest::glandTypeLineAndCodeAreKept() {
  QFETCH(QString, side);
  QFETCH(QString, code);
  QFETCH(QString, line);
  QFETCH(QString, subtitle);
  GlandRecord record = analysedExample(kindOf(side));
  record.GlandType = code.toStdString();
  ResultsSheet sheet(record, glandSide(kindOf(side)));
  QCOMPARE(labelText(sheet.reportPage(), "lblGCV"), line);
  QCOMPARE(labelText(sheet.reportPage(), "Label2"), subtitle);
  QCOMPARE(QString::fromStdString(record.GlandType), code);
}

void ResultsSheetTest::sheetShowsOnlyItsOwnGlandKind_data() { textIsNeitherClippedNorCrossedByTheGrid_data(); }

// Every variable of the other gland kind holds a figure that no label of this sheet may show.
void ResultsSheetTest::sheetShowsOnlyItsOwnGlandKind() {
  QFETCH(QString, side);
  const bool rod = side == QLatin1String("rod");
  GlandRecord record = analysedExample(kindOf(side));
  for (const FloatField& field : floatFields())
    if (glandKindLetter(field.name) == (rod ? 'F' : 'M')) record.*field.member = 987.654f;
  ResultsSheet sheet(record, glandSide(kindOf(side)));
  for (QLabel* label : pageLabels(sheet))
    QVERIFY2(!label->text().contains(QLatin1String("987.6")), qPrintable(label->objectName()));
  QCOMPARE(labelText(sheet.reportPage(), rod ? "lblGHM" : "lblGHF"),
           QString::fromStdString(NumberText(record.*glandSide(kindOf(side)).GH)));
}

void ResultsSheetTest::dateFollowsTheUsersShortDateForm_data() {
  QTest::addColumn<QLocale>("locale");
  QTest::addColumn<QString>("format");
  QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << "M/d/yy";
  QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << "dd.MM.yy";
}

void ResultsSheetTest::dateFollowsTheUsersShortDateForm() {
  QFETCH(QLocale, locale);
  QFETCH(QString, format);
  DefaultLocale userLocale(locale);
  GlandRecord record = analysedExample(GlandKind::RodGroove);
  ResultsSheet sheet(record, kRodGroove);
  QCOMPARE(labelText(sheet.reportPage(), "lblDate"), "Date: " + QDate::currentDate().toString(format));
}

void ResultsSheetTest::buttonsRequestTheirActions_data() {
  QTest::addColumn<QString>("side");
  QTest::addColumn<QString>("button");
  for (const char* side : {"rod", "housing"})
    for (const char* button : {"cmdHandbook", "cmdPrint", "cmdEdit", "cmdExit", "cmdH1", "cmdH2"})
      QTest::addRow("%s %s", side, button) << QString::fromLatin1(side) << QString::fromLatin1(button);
}

void ResultsSheetTest::buttonsRequestTheirActions() {
  QFETCH(QString, side);
  QFETCH(QString, button);
  GlandRecord record = analysedExample(kindOf(side));
  ResultsSheet sheet(record, glandSide(kindOf(side)));
  sheet.show();
  QSignalSpy handbook(&sheet, &ResultsSheet::handbookRequested);
  QSignalSpy print(&sheet, &ResultsSheet::printRequested);
  QSignalSpy edit(&sheet, &ResultsSheet::editRequested);
  QSignalSpy exit(&sheet, &MainScreen::exitRequested);
  QSignalSpy eccentricity(&sheet, &ResultsSheet::eccentricityHelpRequested);
  QSignalSpy friction(&sheet, &ResultsSheet::frictionHelpRequested);
  const QMap<QString, QSignalSpy*> spies{{"cmdHandbook", &handbook}, {"cmdPrint", &print}, {"cmdEdit", &edit},
                                         {"cmdExit", &exit},         {"cmdH1", &eccentricity}, {"cmdH2", &friction}};
  QVERIFY(ProgramFixture::click(&sheet, qPrintable(button)));
  for (auto it = spies.begin(); it != spies.end(); ++it) QCOMPARE(it.value()->count(), it.key() == button ? 1 : 0);
}

void ResultsSheetTest::frameCloseRequestsTheEnd() {
  GlandRecord record = analysedExample(GlandKind::HousingGroove);
  ResultsSheet sheet(record, kHousingGroove);
  sheet.show();
  QSignalSpy exit(&sheet, &MainScreen::exitRequested);
  ProgramFixture::closeByFrame(&sheet);
  QCOMPARE(exit.count(), 1);
  QVERIFY(sheet.isVisible());
}

QTEST_MAIN(ResultsSheetTest)
#include "results_sheet_test.moc"

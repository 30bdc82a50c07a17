// The gland selection screen: its controls as loaded, the focus order, select-all on
// focus, the gland-type options, and every refusal of its OK in order.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "model/calculations.h"
#include "tests/gui/program_fixture.h"

using namespace glandwise;
using namespace glandwise::testing;

Q_DECLARE_METATYPE(glandwise::testing::SelectionInput)

namespace {

QString textOf(QWidget* control) {
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* box = qobject_cast<QLineEdit*>(control)) return box->text();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  return QStringLiteral("<not a text control>");
}

// "name=text/enabled" for each control, to compare a whole screen state at once.
QStringList states(QWidget* screen, const QStringList& names) {
  QStringList result;
  for (const QString& name : names) {
    QWidget* control = ProgramFixture::control(screen, qPrintable(name));
    result.append(control ? QStringLiteral("%1=%2/%3").arg(name, textOf(control),
                                                             control->isEnabled() ? "enabled" : "disabled")
                          : name + QStringLiteral(" missing"));
  }
  return result;
}

// Makes `locale` the program's default locale for the life of the object.
class DefaultLocale {
 public:
  explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
  ~DefaultLocale() { QLocale::setDefault(previous_); }
  DefaultLocale(const DefaultLocale&) = delete;
  DefaultLocale& operator=(const DefaultLocale&) = delete;

 private:
  QLocale previous_;
};

const QStringList kDiameterRows{"lblPDF", "txtPDF", "lblPDFUnit", "lblBDM", "txtBDM", "lblBDMUnit"};

}  // namespace

class SelectionScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void loadShowsEveryControlAsSpecified_data();
  void loadShowsEveryControlAsSpecified();
  void optionGroupsHaveNoCaptionAndNothingSelected();
  void focusStartsInTheSealInsideDiameter();
  void focusOrderFollowsTheColumns();
  void tabSkipsTheDisabledDiameter_data();
  void tabSkipsTheDisabledDiameter();
  void focusSelectsTheWholeText_data();
  void focusSelectsTheWholeText();
  void crossSectionOptionSetsTheCrossSection_data();
  void crossSectionOptionSetsTheCrossSection();
  void glandTypeOptionsEnableAndReset_data();
  void glandTypeOptionsEnableAndReset();
  void refusalsInOrder_data();
  void refusalsInOrder();
  void sealFitOfARodGrooveComparesTheSealOutside();
  void boundaryInputsAreAccepted_data();
  void boundaryInputsAreAccepted();
  void numbersUseADecimalPointWhateverTheLocale();
};

void SelectionScreenTest::loadShowsEveryControlAsSpecified_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("enabled");
  const struct {
    const char* name;
    const char* text;
    bool enabled;
  } controls[] = {
      {"lblSelectDia", "Select Cross-Section Diameter", true},
      {"opt007", "0.070 Inch", true},
      {"opt103", "0.103 Inch", true},
      {"opt139", "0.139 Inch", true},
      {"opt210", "0.210 Inch", true},
      {"opt275", "0.275 Inch", true},
      {"lblGlandType", "Select Gland Type", true},
      {"optRod", "Groove in Rod", true},
      {"optHousing", "Groove in Housing", true},
      {"lblID", "Enter Seal Inside Dia.", true},
      {"txtID", "0", true},
      {"lblIDUnit", "Inch", true},
      {"lblPDF", "Enter Rod Dia. ", false},
      {"txtPDF", "0", false},
      {"lblPDFUnit", "Inch", false},
      {"lblBDM", "Enter Housing Dia.", false},
      {"txtBDM", "0", false},
      {"lblBDMUnit", "Inch", false},
      {"lblPR", "Enter Operating Pressure", true},
      {"txtPR", "1", true},
      {"lblPRUnit", "PSI", true},
      {"cmdHandbook", "O-RING HANDBOOK", true},
      {"Text1", "", true},
      {"cmdOk", "OK", true},
      {"cmdExit", "EXIT", true},
  };
  for (const auto& c : controls) QTest::newRow(c.name) << c.name << c.text << c.enabled;
}

void SelectionScreenTest::loadShowsEveryControlAsSpecified() {
  QFETCH(QString, name);
  QFETCH(QString, text);
  QFETCH(bool, enabled);
  ProgramFixture program;
  SelectionScreen* screen = program.toSelectionScreen();
  QVERIFY(screen);
  QCOMPARE(screen->windowTitle(), QStringLiteral("Glandwise Rev. 2.1a"));
  QWidget* control = ProgramFixture::control(screen, qPrintable(name));
  QVERIFY(control);
  QVERIFY(control->isVisible());
  QCOMPARE(textOf(control), text);
  QCOMPARE(control->isEnabled(), enabled);
  QCOMPARE(control->font().family(), QStringLiteral("Times New Roman"));
}

void SelectionScreenTest::optionGroupsHaveNoCaptionAndNothingSelected() {
  ProgramFixture program;
  SelectionScreen* screen = program.toSelectionScreen();
  QVERIFY(screen);
  const std::pair<const char*, QStringList> groups[] = {
      {"Frame1", {"opt007", "opt103", "opt139", "opt210", "opt275"}}, {"Frame2", {"optRod", "optHousing"}}};
  for (const auto& [groupName, options] : groups) {
    auto* group = ProgramFixture::control<QGroupBox>(screen, groupName);
    QVERIFY(group);
    QCOMPARE(group->title(), QString());
    int previousTop = -1;
    for (const QString& name : options) {
      auto* option = ProgramFixture::control<QAbstractButton>(group, qPrintable(name));
      QVERIFY2(option, qPrintable(name + " in " + groupName));
      QVERIFY(!option->isChecked());
      QVERIFY2(option->y() > previousTop, "options stacked from the top");
      previousTop = option->y();
    }
  }
}

void SelectionScreenTest::focusStartsInTheSealInsideDiameter() {
  ProgramFixture program;
  SelectionScreen* screen = program.toSelectionScreen();
  QVERIFY(screen);
  QVERIFY(QTest::qWaitForWindowActive(screen));
  QCOMPARE(QApplication::focusWidget(), ProgramFixture::control(screen, "txtID"));
}

void SelectionScreenTest::focusOrderFollowsTheColumns() {
  ProgramFixture program;
  SelectionScreen* screen = program.toSelectionScreen();
  QVERIFY(screen);
  const QStringList expected{"txtID",  "txtPDF", "txtBDM", "txtPR",  "cmdHandbook", "cmdOk",  "cmdExit",
                             "opt007", "opt103", "opt139", "opt210", "opt275",      "optRod", "optHousing",
                             "Text1"};
  QStringList chain;
  QWidget* start = ProgramFixture::control(screen, "txtID");
  QWidget* next = start;
  do {
    if (expected.contains(next->objectName())) chain.append(next->objectName());
    next = next->nextInFocusChain();
  } while (next != start);
  QCOMPARE(chain, expected);
}

void SelectionScreenTest::tabSkipsTheDisabledDiameter_data() {
  QTest::addColumn<QString>("glandType");  // empty: none chosen
  QTest::addColumn<QString>("afterSealInsideDia");
  QTest::newRow("no gland type") << QString() << "txtPR";
  QTest::newRow("groove in rod") << "optRod" << "txtBDM";
  QTest::newRow("groove in housing") << "optHousing" << "txtPDF";
}

void SelectionScreenTest::tabSkipsTheDisabledDiameter() {
  QFETCH(QString, glandType);
  QFETCH(QString, afterSealInsideDia);
  ProgramFixture program;
  SelectionScreen* screen = program.toSelectionScreen();
  QVERIFY(screen);
  if (!glandType.isEmpty()) QVERIFY(ProgramFixture::click(screen, qPrintable(glandType)));
  QVERIFY(QTest::qWaitForWindowActive(screen));
  ProgramFixture::control(screen, "txtID")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget()->objectName(), afterSealInsideDia);
}

void SelectionScreenTest::focusSelectsTheWholeText_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("glandType");
  QTest::addColumn<bool>("byMouse");
  for (bool byMouse : {false, true}) {
    const char* how = byMouse ? "mouse" : "tab";
    QTest::addRow("txtID, %s", how) << "txtID" << "optRod" << byMouse;
    QTest::addRow("txtPDF, %s", how) << "txtPDF" << "optHousing" << byMouse;
    QTest::addRow("txtBDM, %s", how) << "txtBDM" << "optRod" << byMouse;
    QTest::addRow("txtPR, %s", how) << "txtPR" << "optRod" << byMouse;
  }
}

void SelectionScreenTest::focusSelectsTheWholeText() {
  QFETCH(QString, box);
  QFETCH(QString, glandType);
  QFETCH(bool, byMouse);
  ProgramFixture program;
  SelectionScreen* screen = program.toSelectionScreen();
  QVERIFY(screen);
  QVERIFY(ProgramFixture::click(screen, qPrintable(glandType)));
  QVERIFY(ProgramFixture::type(screen, qPrintable(box), QStringLiteral("1.375")));
  QVERIFY(QTest::qWaitForWindowActive(screen));
  auto* field = ProgramFixture::control<QLineEdit>(screen, qPrintable(box));
  ProgramFixture::control(screen, "cmdOk")->setFocus(Qt::OtherFocusReason);
  field->setCursorPosition(2);
  QVERIFY(!field->hasSelectedText());

  if (byMouse)
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, field->height() / 2));
  else
    field->setFocus(Qt::TabFocusReason);
  QTRY_COMPARE(field->selectionLength(), 5);
  QCOMPARE(field->selectionStart(), 0);
  QCOMPARE(field->selectedText(), QStringLiteral("1.375"));
}

void SelectionScreenTest::crossSectionOptionSetsTheCrossSection_data() {
  QTest::addColumn<QString>("option");
  QTest::addColumn<float>("crossSection");
  QTest::newRow("opt007") << "opt007" << 0.07f;
  QTest::newRow("opt103") << "opt103" << 0.103f;
  QTest::newRow("opt139") << "opt139" << 0.139f;
  QTest::newRow("opt210") << "opt210" << 0.21f;
  QTest::newRow("opt275") << "opt275" << 0.275f;
}

void SelectionScreenTest::crossSectionOptionSetsTheCrossSection() {
  QFETCH(QString, option);
  QFETCH(float, crossSection);
  ProgramFixture program;
  SelectionScreen* screen = program.toSelectionScreen();
  QVERIFY(screen);
  // Another option first: the click must make the new one the only one selected.
  QVERIFY(ProgramFixture::click(screen, option == QLatin1String("opt275") ? "opt007" : "opt275"));
  QVERIFY(ProgramFixture::click(screen, qPrintable(option)));
  QCOMPARE(program.record().W, crossSection);
  for (const char* name : {"opt007", "opt103", "opt139", "opt210", "opt275"})
    QCOMPARE(ProgramFixture::control<QAbstractButton>(screen, name)->isChecked(), option == QLatin1String(name));
  QVERIFY(program.log.empty());
}

void SelectionScreenTest::glandTypeOptionsEnableAndReset_data() {
  QTest::addColumn<QStringList>("steps");  // "click NAME" or "type NAME TEXT"
  QTest::addColumn<QString>("glandType");
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("rod") << QStringList{"click optRod"} << "PLUG"
                       << QStringList{"lblPDF=Enter Rod Dia. /disabled", "txtPDF=0/disabled",
                                      "lblPDFUnit=Inch/disabled", "lblBDM=Enter Housing Dia./enabled",
                                      "txtBDM=0/enabled", "lblBDMUnit=Inch/enabled"};
  QTest::newRow("housing") << QStringList{"click optHousing"} << "THROAT"
                           << QStringList{"lblPDF=Enter Rod Dia. /enabled", "txtPDF=0/enabled",
                                          "lblPDFUnit=Inch/enabled", "lblBDM=Enter Housing Dia./disabled",
                                          "txtBDM=0/disabled", "lblBDMUnit=Inch/disabled"};
  QTest::newRow("housing loses the typed housing diameter")
      << QStringList{"click optRod", "type txtBDM 2.5", "click optHousing"} << "THROAT"
      << QStringList{"lblPDF=Enter Rod Dia. /enabled", "txtPDF=0/enabled", "lblPDFUnit=Inch/enabled",
                     "lblBDM=Enter Housing Dia./disabled", "txtBDM=0/disabled", "lblBDMUnit=Inch/disabled"};
  QTest::newRow("rod again keeps 0 and resets the rod diameter")
      << QStringList{"click optRod", "type txtBDM 2.5", "click optHousing", "type txtPDF 1.25", "click optRod"}
      << "PLUG"
      << QStringList{"lblPDF=Enter Rod Dia. /disabled", "txtPDF=0/disabled", "lblPDFUnit=Inch/disabled",
                     "lblBDM=Enter Housing Dia./enabled", "txtBDM=0/enabled", "lblBDMUnit=Inch/enabled"};
  QTest::newRow("the same option again keeps the enabled box's text")
      << QStringList{"click optHousing", "type txtPDF 1.25", "click optHousing"} << "THROAT"
      << QStringList{"lblPDF=Enter Rod Dia. /enabled", "txtPDF=1.25/enabled", "lblPDFUnit=Inch/enabled",
                     "lblBDM=Enter Housing Dia./disabled", "txtBDM=0/disabled", "lblBDMUnit=Inch/disabled"};
}

void SelectionScreenTest::glandTypeOptionsEnableAndReset() {
  QFETCH(QStringList, steps);
  QFETCH(QString, glandType);
  QFETCH(QStringList, expected);
  ProgramFixture program;
  SelectionScreen* screen = program.toSelectionScreen();
  QVERIFY(screen);
  for (const QString& step : steps) {
    const QStringList words = step.split(QLatin1Char(' '));
    if (words[0] == QLatin1String("click"))
      QVERIFY2(ProgramFixture::click(screen, qPrintable(words[1])), qPrintable(step));
    else
      QVERIFY2(ProgramFixture::type(screen, qPrintable(words[1]), words[2]), qPrintable(step));
  }
  QCOMPARE(QString::fromStdString(program.record().GlandType), glandType);
  QCOMPARE(states(screen, kDiameterRows), expected);
}

void SelectionScreenTest::refusalsInOrder_data() {
  QTest::addColumn<SelectionInput>("input");
  QTest::addColumn<QString>("message");
  QTest::addColumn<bool>("beep");
  const QString numeric = QStringLiteral("Enter numeric values only.");
  const QString pressure = QStringLiteral("Pressure should be > 0 psi and < = 1500 psi");
  QTest::newRow("nothing selected") << SelectionInput{} << "Select cross-section diameter." << true;
  QTest::newRow("gland type but no cross-section")
      << SelectionInput{.glandType = "optRod", .sealInsideDia = "x"} << "Select cross-section diameter." << true;
  QTest::newRow("cross-section but no gland type")
      << SelectionInput{.crossSection = "opt103", .sealInsideDia = "x"} << "Select gland type." << true;
  QTest::newRow("empty seal inside diameter")
      << SelectionInput{.crossSection = "opt139", .glandType = "optRod", .sealInsideDia = "", .housingDia = "0"}
      << numeric << true;
  QTest::newRow("pressure not a number")
      << SelectionInput{.crossSection = "opt139", .glandType = "optRod", .sealInsideDia = "1",
                        .housingDia = "2", .pressure = "high"}
      << numeric << true;
  QTest::newRow("housing diameter with a comma")
      << SelectionInput{.crossSection = "opt139", .glandType = "optRod", .sealInsideDia = "1",
                        .housingDia = "2,5"}
      << numeric << true;
  QTest::newRow("rod diameter 0, groove in housing")
      << SelectionInput{.crossSection = "opt139", .glandType = "optHousing", .sealInsideDia = "0", .rodDia = "0"}
      << "Enter rod  diameter." << true;
  QTest::newRow("rod diameter negative, groove in housing")
      << SelectionInput{.crossSection = "opt139", .glandType = "optHousing", .sealInsideDia = "1", .rodDia = "-1"}
      << "Enter rod  diameter." << true;
  QTest::newRow("housing diameter 0, groove in rod")
      << SelectionInput{.crossSection = "opt139", .glandType = "optRod", .sealInsideDia = "0", .housingDia = "0"}
      << "Enter housing diameter." << true;
  QTest::newRow("seal inside diameter 0")
      << SelectionInput{.crossSection = "opt139", .glandType = "optRod", .sealInsideDia = "0",
                        .housingDia = "2", .pressure = "0"}
      << "Seal inside diameter should be > 0 inch" << true;
  QTest::newRow("pressure 0")
      << SelectionInput{.crossSection = "opt139", .glandType = "optRod", .sealInsideDia = "1.5",
                        .housingDia = "2", .pressure = "0"}
      << pressure << true;
  QTest::newRow("pressure 1501")
      << SelectionInput{.crossSection = "opt139", .glandType = "optHousing", .sealInsideDia = "0.9",
                        .rodDia = "1", .pressure = "1501"}
      << pressure << true;
  QTest::newRow("seal inside diameter over the rod, groove in housing")
      << SelectionInput{.crossSection = "opt139", .glandType = "optHousing", .sealInsideDia = "1.05",
                        .rodDia = "1", .pressure = "500"}
      << "Calculation shows seal inside diameter  1.05  > 1  rod  diameter." << false;
}

void SelectionScreenTest::refusalsInOrder() {
  QFETCH(SelectionInput, input);
  QFETCH(QString, message);
  QFETCH(bool, beep);
  ProgramFixture program;
  SelectionScreen* screen = program.toSelectionScreen();
  QVERIFY(screen);
  QVERIFY(program.enterSelection(input));
  const QStringList before = states(screen, {"txtID", "txtPDF", "txtBDM", "txtPR"});

  QVERIFY(ProgramFixture::click(screen, "cmdOk"));
  ProgramFixture::settle();
  QCOMPARE(program.messageShown(), std::optional<QString>(message));
  QCOMPARE(QString::fromStdString(program.record().ErrorText), message);
  QCOMPARE(program.log, beep ? EventLog{"beep"} : EventLog{});
  QVERIFY2(!program.flow().editor(), "no editor opens");
  QVERIFY(screen->isVisible());
  QCOMPARE(states(screen, {"txtID", "txtPDF", "txtBDM", "txtPR"}), before);
}

void SelectionScreenTest::sealFitOfARodGrooveComparesTheSealOutside() {
  ProgramFixture program;
  QVERIFY(program.toSelectionScreen());
  QVERIFY(program.submitSelection({.crossSection = "opt007", .glandType = "optRod", .sealInsideDia = "1.45",
                                   .housingDia = "1.5", .pressure = "100"}));
  const std::optional<QString> shown = program.messageShown();
  QVERIFY(shown);
  QVERIFY2(shown->startsWith(QStringLiteral("Calculation shows seal nominal diameter  ")), qPrintable(*shown));
  QVERIFY2(shown->endsWith(QStringLiteral("  rod  diameter.")), qPrintable(*shown));
  QCOMPARE(program.beeper.count, 0);
  QVERIFY(!program.flow().editor());
}

void SelectionScreenTest::boundaryInputsAreAccepted_data() {
  QTest::addColumn<SelectionInput>("input");
  QTest::newRow("pressure 1500") << SelectionInput{.crossSection = "opt139", .glandType = "optRod",
                                                   .sealInsideDia = "1.75", .housingDia = "2", .pressure = "1500"};
  QTest::newRow("seal inside diameter equal to the rod")
      << SelectionInput{.crossSection = "opt139", .glandType = "optHousing", .sealInsideDia = "1", .rodDia = "1"};
  QTest::newRow("seal outside within the rod")
      << SelectionInput{.crossSection = "opt007", .glandType = "optRod", .sealInsideDia = "1.4", .housingDia = "1.5"};
}

void SelectionScreenTest::boundaryInputsAreAccepted() {
  QFETCH(SelectionInput, input);
  ProgramFixture program;
  GlandEditor* editor = program.toEditor(input);
  QVERIFY(editor);
  QVERIFY(!program.flow().messageDialog());
  QCOMPARE(program.beeper.count, 0);
}

void SelectionScreenTest::numbersUseADecimalPointWhateverTheLocale() {
  DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
  ProgramFixture program;
  QVERIFY(program.toSelectionScreen());
  QVERIFY(program.submitSelection({.crossSection = "opt139", .glandType = "optHousing", .sealInsideDia = "0,975",
                                   .rodDia = "1", .pressure = "500"}));
  QCOMPARE(program.messageShown(), std::optional<QString>(QStringLiteral("Enter numeric values only.")));
  QVERIFY(ProgramFixture::click(program.flow().messageDialog(), "cmdOk"));

  QVERIFY(program.submitSelection({.sealInsideDia = "0.975"}));
  QVERIFY(program.flow().editor());
  QCOMPARE(program.record().ID, 0.975f);
}

QTEST_MAIN(SelectionScreenTest)
#include "selection_screen_test.moc"

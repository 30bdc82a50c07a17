// The message dialog and the two information dialogs: texts, closing by button and by
// window frame, raise-not-reload, and a newer message replacing the one on display.

#include <algorithm>

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include "tests/gui/program_fixture.h"

using namespace glandwise;
using namespace glandwise::testing;

namespace {

const char* const kFrictionText =
    "Estimated running friction calculations are based on the procedure given in the \"Parker O-Ring Handbook\" "
    "ORD-001 p. (A6-5 to A6-8) for estimating the room temperature axial running friction of an o-ring on a 15 "
    "micro-inch chromed surface lubricated with MIL-H-5606 hydraulic oil. The friction calculation considers the "
    "combined effect of two frictions, friction due to fluid pressure and friction due to O-Ring compression. "
    "Nominal dimensions are considered for friction calculations. For detailed information please refer to the "
    "reference mentioned above. ";
const char* const kEccentricityText =
    "Eccentricity is the total dial indicator reading (TIR) between the O-Ring groove and the cylindrical rod or "
    "housing surface that the groove is cut into.";

// The information dialog of `help` ("cmdH1" or "cmdH2"), nullptr when it is not loaded.
InfoDialog* infoDialog(ProgramFixture& program, const QString& help) {
  return help == QLatin1String("cmdH1") ? program.flow().eccentricityInfo() : program.flow().frictionInfo();
}

// A program on its rod-groove results sheet; the sheet, or nullptr.
ResultsSheet* toSheet(ProgramFixture& program) {
  GlandEditor* editor = program.toEditor({.crossSection = "opt139", .glandType = "optRod", .sealInsideDia = "1.75",
                                          .housingDia = "2", .pressure = "500"});
  if (!ProgramFixture::click(editor, "cmdOk")) return nullptr;
  ProgramFixture::settle();
  return program.flow().resultsSheet();
}

// How a test closes a dialog.
enum class Closing { OwnButton, WindowFrame, EscapeKey };

// Closes `dialog` as `how` says; `button` is its own button.
bool close(QWidget* dialog, Closing how, const char* button) {
  switch (how) {
    case Closing::OwnButton:
      return ProgramFixture::click(dialog, button);
    case Closing::WindowFrame:
      ProgramFixture::closeByFrame(dialog);
      return true;
    case Closing::EscapeKey:
      QTest::keyClick(dialog, Qt::Key_Escape);
      return true;
  }
  return false;
}

constexpr Closing kEveryClosing[] = {Closing::OwnButton, Closing::WindowFrame, Closing::EscapeKey};

const char* closingName(Closing how) {
  switch (how) {
    case Closing::OwnButton:
      return "own button";
    case Closing::WindowFrame:
      return "window frame";
    case Closing::EscapeKey:
      return "Escape";
  }
  return "?";
}

QString labelText(QWidget* window, const char* name) {
  auto* label = ProgramFixture::control<QLabel>(window, name);
  return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

}  // namespace

Q_DECLARE_METATYPE(Closing)

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void refusalShowsTheMessageDialogWithoutBlocking();
  void messageDialogOkResetsTheTextAndUnloads_data();
  void messageDialogOkResetsTheTextAndUnloads();
  void secondMessageReplacesTheFirstInTheOpenDialog();
  void infoDialogsShowTheirTexts_data();
  void infoDialogsShowTheirTexts();
  void helpAgainRaisesTheOpenDialog_data();
  void helpAgainRaisesTheOpenDialog();
  void infoDialogCloses_data();
  void infoDialogCloses();
};

void DialogsTest::refusalShowsTheMessageDialogWithoutBlocking() {
  ProgramFixture program;
  SelectionScreen* selection = program.toSelectionScreen();
  QVERIFY(selection);
  QVERIFY(program.submitSelection({}));

  MessageDialog* dialog = program.flow().messageDialog();
  QVERIFY(dialog && dialog->isVisible());
  QVERIFY2(!dialog->isModal() && !QApplication::activeModalWidget(), "the message dialog never blocks");
  QCOMPARE(dialog->objectName(), QStringLiteral("frmError"));
  QCOMPARE(dialog->windowTitle(), QStringLiteral("Glandwise Rev. 2.1a"));
  QCOMPARE(labelText(dialog, "lblError"), QStringLiteral("Select cross-section diameter."));
  QVERIFY(ProgramFixture::control<QLabel>(dialog, "lblError")->alignment().testFlag(Qt::AlignHCenter));
  auto* sign = ProgramFixture::control<QLabel>(dialog, "Image1");
  QVERIFY(sign);
  QCOMPARE(sign->pixmap().size(), QSize(32, 32));
  QCOMPARE(ProgramFixture::control<QAbstractButton>(dialog, "cmdOk")->text(), QStringLiteral("OK"));
  // The screen below stays usable: OK can be pressed again.
  QVERIFY(selection->isVisible() && selection->isEnabled());
  QVERIFY(ProgramFixture::click(selection, "opt007"));
  QVERIFY(program.submitSelection({}));
  QCOMPARE(*program.messageShown(), QStringLiteral("Select gland type."));
}

void DialogsTest::messageDialogOkResetsTheTextAndUnloads_data() {
  QTest::addColumn<Closing>("how");
  for (Closing how : kEveryClosing) QTest::addRow("%s", closingName(how)) << how;
}

void DialogsTest::messageDialogOkResetsTheTextAndUnloads() {
  QFETCH(Closing, how);
  ProgramFixture program;
  QVERIFY(program.toSelectionScreen());
  QVERIFY(program.submitSelection({.crossSection = "opt210", .glandType = "optRod", .sealInsideDia = "1.5",
                                   .housingDia = "x2"}));
  QPointer<MessageDialog> dialog = program.flow().messageDialog();
  QVERIFY(dialog);
  QCOMPARE(program.record().ErrorText, std::string("Enter numeric values only."));

  QVERIFY(close(dialog, how, "cmdOk"));
  ProgramFixture::settle();
  QVERIFY(dialog.isNull());
  QVERIFY(!program.flow().messageDialog());
  QCOMPARE(program.record().ErrorText, std::string("ERROR"));
  QCOMPARE(program.endRequests(), 0);
  // The selection screen keeps the user's inputs.
  QCOMPARE(ProgramFixture::control<QLineEdit>(program.flow().selectionScreen(), "txtBDM")->text(),
           QStringLiteral("x2"));
}

void DialogsTest::secondMessageReplacesTheFirstInTheOpenDialog() {
  ProgramFixture program;
  QVERIFY(program.toSelectionScreen());
  QVERIFY(program.submitSelection({}));
  QPointer<MessageDialog> first = program.flow().messageDialog();
  QVERIFY(first);

  QVERIFY(program.submitSelection({.crossSection = "opt103", .glandType = "optHousing", .sealInsideDia = "0.5",
                                   .rodDia = "0"}));
  QCOMPARE(program.flow().messageDialog(), first.data());
  QCOMPARE(*program.messageShown(), QStringLiteral("Enter rod  diameter."));
  QVERIFY(first->isVisible());
  QCOMPARE(QApplication::activeWindow(), first.data());
  QCOMPARE(program.beeper.count, 2);
}

void DialogsTest::infoDialogsShowTheirTexts_data() {
  QTest::addColumn<QString>("help");
  QTest::addColumn<QString>("dialogName");
  QTest::addColumn<QString>("headingName");
  QTest::addColumn<QString>("heading");
  QTest::addColumn<QString>("bodyName");
  QTest::addColumn<QString>("body");
  QTest::newRow("eccentricity") << "cmdH1" << "frmEccInfo" << "lblEcc" << "Eccentricity:" << "lblEccInfo"
                                << kEccentricityText;
  QTest::newRow("friction") << "cmdH2" << "frmFrictionInfo" << "lblFriction" << "Estimated Running Friction:"
                            << "lblFrictionInfo" << kFrictionText;
}

void DialogsTest::infoDialogsShowTheirTexts() {
  QFETCH(QString, help);
  QFETCH(QString, dialogName);
  QFETCH(QString, headingName);
  QFETCH(QString, heading);
  QFETCH(QString, bodyName);
  QFETCH(QString, body);
  ProgramFixture program;
  ResultsSheet* sheet = toSheet(program);
  QVERIFY(sheet);
  QVERIFY(ProgramFixture::click(sheet, qPrintable(help)));

  InfoDialog* dialog = infoDialog(program, help);
  QVERIFY(dialog && dialog->isVisible());
  QVERIFY(!dialog->isModal() && !QApplication::activeModalWidget());
  QCOMPARE(dialog->objectName(), dialogName);
  QCOMPARE(dialog->windowTitle(), QStringLiteral("Glandwise Rev. 2.1a"));
  QCOMPARE(labelText(dialog, qPrintable(headingName)), heading);
  QVERIFY(ProgramFixture::control<QLabel>(dialog, qPrintable(headingName))->font().bold());
  QCOMPARE(labelText(dialog, qPrintable(bodyName)), body);
  QCOMPARE(ProgramFixture::control<QAbstractButton>(dialog, "cmdClose")->text(), QStringLiteral("Close"));
  QVERIFY(sheet->isVisible());
}

void DialogsTest::helpAgainRaisesTheOpenDialog_data() {
  QTest::addColumn<QString>("help");
  QTest::newRow("eccentricity") << "cmdH1";
  QTest::newRow("friction") << "cmdH2";
}

void DialogsTest::helpAgainRaisesTheOpenDialog() {
  QFETCH(QString, help);
  ProgramFixture program;
  ResultsSheet* sheet = toSheet(program);
  QVERIFY(sheet);
  QVERIFY(ProgramFixture::click(sheet, qPrintable(help)));
  QPointer<InfoDialog> first = infoDialog(program, help);
  QVERIFY(first);
  sheet->activateWindow();
  QTRY_COMPARE(QApplication::activeWindow(), sheet);

  QVERIFY(ProgramFixture::click(sheet, qPrintable(help)));
  ProgramFixture::settle();
  QVERIFY2(!first.isNull(), "the open dialog is not loaded again");
  QCOMPARE(infoDialog(program, help), first.data());
  const QWidgetList windows = QApplication::topLevelWidgets();
  QCOMPARE(std::count_if(windows.begin(), windows.end(),
                         [&](QWidget* w) { return w->objectName() == first->objectName(); }),
           1);
  QTRY_COMPARE(QApplication::activeWindow(), first.data());
}

void DialogsTest::infoDialogCloses_data() {
  QTest::addColumn<QString>("help");
  QTest::addColumn<Closing>("how");
  for (const auto& [help, dialog] : {std::pair{"cmdH1", "frmEccInfo"}, std::pair{"cmdH2", "frmFrictionInfo"}})
    for (Closing how : kEveryClosing)
      QTest::addRow("%s, %s", dialog, closingName(how)) << QString::fromLatin1(help) << how;
}

void DialogsTest::infoDialogCloses() {
  QFETCH(QString, help);
  QFETCH(Closing, how);
  ProgramFixture program;
  ResultsSheet* sheet = toSheet(program);
  QVERIFY(sheet);
  QVERIFY(ProgramFixture::click(sheet, qPrintable(help)));
  QPointer<InfoDialog> dialog = infoDialog(program, help);
  QVERIFY(dialog);

  QVERIFY(close(dialog, how, "cmdClose"));
  ProgramFixture::settle();
  QVERIFY(dialog.isNull());
  QVERIFY(!infoDialog(program, help));
  QCOMPARE(program.endRequests(), 0);
  // Help opens it anew.
  QVERIFY(ProgramFixture::click(sheet, qPrintable(help)));
  QVERIFY(infoDialog(program, help) && infoDialog(program, help)->isVisible());
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"

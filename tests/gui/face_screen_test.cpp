// The face seal designer, driven from the keyboard as a user would: it shows the figures
// the batch calculator gives for the same line, and a saved face seal reopens as it was.

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <nlohmann/json.hpp>

#include "tests/gui/program_fixture.h"

using namespace glandwise;
using namespace glandwise::testing;

namespace {

// Every figure and verdict the designer shows, by control name.
QStringList shownFigures(QWidget* designer) {
  QStringList shown;
  for (QLabel* label : designer->findChildren<QLabel*>())
    if (label->objectName().startsWith("lblFace")) shown << label->objectName() + "=" + label->text();
  shown.sort();
  return shown;
}

// The gland typed on the designer in the first test, as a batch line.
constexpr const char* kFaceLine = R"({"gland": "face", "as568": "-214", "pressure_from": "inside", "medium": "liquid", )"
                                  R"("pressure": "500", "edits": {"depth": "0.1"}, "review": {"flange_gap": 0.002}})"
                                  "\n";

QString percent(const nlohmann::json& value) { return QString::number(value.get<double>(), 'f', 1) + " %"; }

}  // namespace

class FaceScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void keyboardGivesTheBatchFiguresAndTheSavedSealReopens();
  void designerJudgesByAChosenRuleFileAndASavedSealKeepsIt();
};

// Catches a designer that works other entries than it shows (a retyped box not carried,
// other review inputs or tables than the batch calculator's), a key path that does not
// reach a box, a window larger than the screen, and a save that loses an entry.
void FaceScreenTest::keyboardGivesTheBatchFiguresAndTheSavedSealReopens() {
  Program program;
  QWidget* selection = program.walk({{"cmdOk"}});
  QVERIFY(selection && QTest::qWaitForWindowActive(selection));
  QTest::keyClick(selection, Qt::Key_F, Qt::AltModifier);  // FACE SEAL…
  QTRY_VERIFY(program.flow().faceDesigner() && program.flow().faceDesigner()->isVisible());
  QWidget* designer = program.flow().faceDesigner();
  QVERIFY(designer->frameGeometry().height() <= designer->screen()->availableGeometry().height());
  QVERIFY(QTest::qWaitForWindowActive(designer));
  const auto type = [](const char* text) { QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text)); };
  const auto key = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
  QCOMPARE(QApplication::focusWidget(), child(designer, "txtFaceAS568"));
  type("214");
  key(Qt::Key_Return);
  for (const char* option : {"optFaceInside", "optFaceLiquid"}) {
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child(designer, option));
    key(Qt::Key_Space);
  }
  key(Qt::Key_Tab);
  type("500");  // the box selects its text on focus: typing replaces it
  for (int i = 0; i < 3; ++i) key(Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), child(designer, "txtFaceDepth"));
  type("0.1");
  QVERIFY(Program::act(designer, {"txtFaceGap=0.002"}));

  QProcess calc;
  calc.start(QStringLiteral(GLANDWISE_CALC_PROGRAM), {});
  calc.write(kFaceLine);
  calc.closeWriteChannel();
  QVERIFY(calc.waitForFinished(30000));  // a deadlock fails here, not at CTest's timeout
  QCOMPARE(calc.exitCode(), 0);
  const nlohmann::json face = nlohmann::json::parse(calc.readAllStandardOutput().toStdString()).at("face");
  const QList<std::pair<const char*, QString>> expected{
      {"lblFaceResult11", percent(face["squeeze"]["nominal_percent"])},
      {"lblFaceResult12", percent(face["squeeze"]["mmc_percent"])},
      {"lblFaceResult13", percent(face["squeeze"]["lmc_percent"])},
      {"lblFaceResult21", percent(face["fill"]["nominal_percent"])},
      {"lblFaceResult22", percent(face["fill"]["mmc_percent"])},
      {"lblFaceResult23", percent(face["fill"]["lmc_percent"])},
      {"lblFaceResult41", QString::number(face["fit"]["nominal_percent"].get<double>(), 'f', 2)},
      {"lblFaceOverall", QString::fromStdString(face["review"]["overall"].get<std::string>()).toUpper()},
      {"lblFace_squeeze_Verdict",
       QString::fromStdString(face["review"]["squeeze"]["verdict"].get<std::string>()).toUpper()},
      {"lblFace_fill_Reason", QString::fromStdString(face["review"]["fill"]["reason"].get<std::string>())},
      {"lblFace_flange_gap_Reason", QString::fromStdString(face["review"]["flange_gap"]["reason"].get<std::string>())}};
  for (const auto& [name, text] : expected) QCOMPARE(child<QLabel>(designer, name)->text(), text);
  QCOMPARE(face["groove"]["depth"].get<float>(), 0.1f);  // the retyped depth, not the standard

  QTemporaryDir folder;
  program.fake.files = {folder.filePath("flange").toStdString()};  // the suffix is added
  QTest::keySequence(designer, QKeySequence::Save);
  QCOMPARE(program.fake.log, QStringList{"save dialog: Save face seal"});
  const QStringList shown = shownFigures(designer);
  QTest::keyClick(designer, Qt::Key_Escape);
  Program::settle();
  QVERIFY(!program.flow().faceDesigner());
  program.flow().openGlandFile(folder.filePath("flange.gland.json").toStdString());
  QVERIFY(program.flow().faceDesigner());
  QCOMPARE(shownFigures(program.flow().faceDesigner()), shown);
  // The batch line itself, its ring given as "-214", shows that ring's section and inside diameter.
  QFile line(folder.filePath("line.gland.json"));
  QVERIFY(line.open(QIODevice::WriteOnly) && line.write(kFaceLine) > 0);
  line.close();
  program.flow().openGlandFile(line.fileName().toStdString());
  designer = program.flow().faceDesigner();
  QCOMPARE(shownFigures(designer), shown);
  QCOMPARE(child<QLineEdit>(designer, "txtFaceID")->text(), QStringLiteral("0.984"));
  QVERIFY(child<QRadioButton>(designer, "optFace139")->isChecked());
}

// Catches a rule file chosen on the designer that it does not judge by, name or take its
// materials from; a file without face seal rows that changes anything or is not told; a
// saved face seal that forgets its rules or reopens judged by the program's own; a
// designer that opens with the program's own rules instead of those chosen last.
void FaceScreenTest::designerJudgesByAChosenRuleFileAndASavedSealKeepsIt() {
  QTemporaryDir folder;
  QFile defaults(GLANDWISE_REVIEW_RULES);
  QVERIFY(defaults.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(defaults.readAll());
  const auto write = [&](const char* name, const QString& content) {
    QFile file(folder.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(content.toUtf8()) > 0 ? file.fileName().toStdString() : "";
  };
  // ACME's squeeze limit is 28 %: the standard -214 gland squeezes 29.4 % at MMC.
  const std::string own = write("own.csv", QString(text)
                                               .replace("face,squeeze_max,,,,,,,32,", "face,squeeze_max,,,,,,,28,")
                                               .replace("NBR (nitrile)", "ACME nitrile"));
  const std::string radial = write("radial.csv", QString(text).remove(QRegularExpression("\nface,[^\n]*")));
  const QString savedSeal = folder.filePath("flange.gland.json");
  {
    Program program;
    QVERIFY(Program::act(program.walk({{"cmdOk"}}), {"cmdFaceSeal"}));
    QWidget* designer = program.flow().faceDesigner();
    QVERIFY(Program::act(designer, {"txtFaceAS568=214"}));
    QTest::keyClick(child(designer, "txtFaceAS568"), Qt::Key_Return);
    QVERIFY(Program::act(designer, {"optFaceInside", "optFaceLiquid", "txtFacePR=500"}));
    const auto shown = [&](const char* name) { return child<QLabel>(designer, name)->text(); };
    const QString shipped = shown("lblFaceRules");
    QCOMPARE(shipped, "Design rules: Glandwise defaults (public tables) (" GLANDWISE_REVIEW_RULES ")");
    QCOMPARE(shown("lblFace_squeeze_Verdict"), "PASS");
    program.fake.files = {radial, own, savedSeal.toStdString()};
    QVERIFY(Program::act(designer, {"cmdFaceRules"}));
    QVERIFY2(program.fake.log.last().contains(QString::fromStdString(radial) + ": the rules \"Glandwise defaults "
                                                                             "(public tables)\" have no face seal rule"),
             qPrintable(program.fake.log.last()));
    QCOMPARE(shown("lblFaceRules"), shipped);
    QCOMPARE(shown("lblFace_squeeze_Verdict"), "PASS");
    QVERIFY(Program::act(designer, {"cmdFaceRules"}));
    const QString chosen = shown("lblFaceRules");
    QCOMPARE(chosen, QString::fromStdString("Design rules: Glandwise defaults (public tables) (" + own + ")"));
    QCOMPARE(shown("lblFace_squeeze_Verdict"), "FAIL");
    QCOMPARE(child<QComboBox>(designer, "cboFaceCompound")->currentText(), "ACME nitrile");
    QTest::keySequence(designer, QKeySequence::Save);
    QTest::keyClick(designer, Qt::Key_Escape);
    Program::settle();
    QVERIFY(Program::act(program.shown(), {"cmdFaceSeal"}));  // the file chosen last
    QCOMPARE(child<QLabel>(program.flow().faceDesigner(), "lblFaceRules")->text(), chosen);
  }
  Program program;  // settings of its own: no file chosen last
  program.walk({{"cmdOk"}});
  program.flow().openGlandFile(savedSeal.toStdString());
  QWidget* reopened = program.flow().faceDesigner();
  QVERIFY(reopened);
  QCOMPARE(child<QLabel>(reopened, "lblFace_squeeze_Verdict")->text(), "FAIL");
  QVERIFY(child<QLabel>(reopened, "lblFaceRules")->text().endsWith(QString::fromStdString(own + ")")));
}

QTEST_MAIN(FaceScreenTest)
#include "face_screen_test.moc"

// The screen flow: every navigation button and window-frame close of every screen, what is
// loaded, hidden or unloaded afterwards, and which values survive a return.

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include "model/editor.h"
#include "tests/gui/program_fixture.h"

using namespace glandwise;
using namespace glandwise::testing;

namespace {

// Selections that reach the editor of each kind and pass its OK without a question.
const SelectionInput kRodGland{.crossSection = "opt139", .glandType = "optRod", .sealInsideDia = "1.75",
                               .housingDia = "2", .pressure = "500"};
const SelectionInput kHousingGland{.crossSection = "opt139", .glandType = "optHousing", .sealInsideDia = "0.975",
                                   .rodDia = "1", .pressure = "500"};

// The main screens a test can stand on.
enum class Stage { Title, Selection, RodEditor, HousingEditor, RodSheet, HousingSheet };

// Drives a fresh program to `stage`; the visible main screen, or nullptr.
QWidget* reach(ProgramFixture& program, Stage stage) {
  switch (stage) {
    case Stage::Title:
      return program.flow().titleScreen();
    case Stage::Selection:
      return program.toSelectionScreen();
    case Stage::RodEditor:
      return program.toEditor(kRodGland);
    case Stage::HousingEditor:
      return program.toEditor(kHousingGland);
    case Stage::RodSheet:
    case Stage::HousingSheet: {
      GlandEditor* editor = program.toEditor(stage == Stage::RodSheet ? kRodGland : kHousingGland);
      if (!ProgramFixture::click(editor, "cmdOk")) return nullptr;
      ProgramFixture::settle();
      return program.flow().resultsSheet();
    }
  }
  return nullptr;
}

// The nine editor boxes' texts, by EditorBox.
QStringList editorTexts(GlandEditor* editor) {
  QStringList texts;
  for (std::size_t box = 0; box < kEditorBoxCount; ++box) {
    const std::string name(editorBoxName(editor->side(), EditorBox(box)));
    auto* field = ProgramFixture::control<QLineEdit>(editor, name.c_str());
    texts.append(field ? field->text() : QStringLiteral("<missing %1>").arg(QString::fromStdString(name)));
  }
  return texts;
}

}  // namespace

Q_DECLARE_METATYPE(Stage)

class NavigationTest : public QObject {
  Q_OBJECT

 private slots:
  void startShowsOnlyTheTitleScreen();
  void titleOkUnloadsTheTitleForGood();
  void selectionOkOpensTheEditorOfTheChosenKind_data();
  void selectionOkOpensTheEditorOfTheChosenKind();
  void backUnloadsTheEditorAndShowsTheSelectionAsLeft();
  void backThenOkGivesAFreshStandardGland();
  void editorOkHidesTheEditorAndShowsANewSheet_data();
  void editorOkHidesTheEditorAndShowsANewSheet();
  void editShowsTheEditorWithTheUsersEdits();
  void exitEndsTheProgram_data();
  void exitEndsTheProgram();
  void windowFrameCloseOfAMainScreenEndsTheProgram_data();
  void windowFrameCloseOfAMainScreenEndsTheProgram();
  void exitWithADialogOpenEndsTheProgram_data();
  void exitWithADialogOpenEndsTheProgram();
};

void NavigationTest::startShowsOnlyTheTitleScreen() {
  ProgramFixture program;
  ScreenFlow& flow = program.flow();
  QVERIFY(flow.titleScreen() && flow.titleScreen()->isVisible());
  QCOMPARE(flow.titleScreen()->objectName(), QStringLiteral("frmTitle"));
  QCOMPARE(flow.titleScreen()->windowTitle(), QStringLiteral("Glandwise Rev. 2.1a"));
  QVERIFY(!flow.selectionScreen() && !flow.editor() && !flow.resultsSheet() && !flow.messageDialog());
  QVERIFY(program.log.empty());
}

void NavigationTest::titleOkUnloadsTheTitleForGood() {
  ProgramFixture program;
  program.settingsStore.save("MyApp", "Config", "SelectedFile", "/docs/handbook.pdf");
  QPointer<QWidget> title = program.flow().titleScreen();

  SelectionScreen* selection = program.toSelectionScreen();
  QVERIFY(selection && selection->isVisible());
  QCOMPARE(selection->objectName(), QStringLiteral("frmFirst"));
  QVERIFY(!program.flow().titleScreen());
  QVERIFY2(title.isNull(), "the title screen is unloaded, not hidden");
  // Loading the selection screen read the handbook path.
  QCOMPARE(ProgramFixture::control<QLineEdit>(selection, "Text1")->text(), QStringLiteral("/docs/handbook.pdf"));
  QCOMPARE(program.record().SelectedFile, std::string("/docs/handbook.pdf"));
}

void NavigationTest::selectionOkOpensTheEditorOfTheChosenKind_data() {
  QTest::addColumn<bool>("rodGroove");
  QTest::addColumn<QString>("editorName");
  QTest::addColumn<QString>("glandType");
  QTest::newRow("groove in rod") << true << QStringLiteral("frmGrooveInMale") << QStringLiteral("PLUG");
  QTest::newRow("groove in housing") << false << QStringLiteral("frmGrooveInFemale") << QStringLiteral("THROAT");
}

void NavigationTest::selectionOkOpensTheEditorOfTheChosenKind() {
  QFETCH(bool, rodGroove);
  QFETCH(QString, editorName);
  QFETCH(QString, glandType);
  ProgramFixture program;
  GlandEditor* editor = program.toEditor(rodGroove ? kRodGland : kHousingGland);
  QVERIFY(editor);
  QCOMPARE(editor->objectName(), editorName);
  QCOMPARE(editor->side().kind, rodGroove ? GlandKind::RodGroove : GlandKind::HousingGroove);
  QCOMPARE(QString::fromStdString(program.record().GlandType), glandType);
  SelectionScreen* selection = program.flow().selectionScreen();
  QVERIFY2(selection && !selection->isVisible(), "the selection screen stays loaded, hidden");
  QVERIFY(!program.flow().messageDialog());
  QCOMPARE(program.beeper.count, 0);
}

void NavigationTest::backUnloadsTheEditorAndShowsTheSelectionAsLeft() {
  ProgramFixture program;
  QPointer<GlandEditor> editor = program.toEditor(kHousingGland);
  QVERIFY(editor);
  SelectionScreen* selection = program.flow().selectionScreen();

  QVERIFY(ProgramFixture::click(editor, "cmdBack"));
  ProgramFixture::settle();
  QVERIFY(editor.isNull());
  QVERIFY(!program.flow().editor());
  QCOMPARE(program.flow().selectionScreen(), selection);
  QVERIFY(selection->isVisible());
  const std::pair<const char*, QString> kept[] = {{"txtID", *kHousingGland.sealInsideDia},
                                                  {"txtPDF", *kHousingGland.rodDia},
                                                  {"txtBDM", QStringLiteral("0")},
                                                  {"txtPR", *kHousingGland.pressure}};
  for (const auto& [name, text] : kept) QCOMPARE(ProgramFixture::control<QLineEdit>(selection, name)->text(), text);
  for (const char* option : {kHousingGland.crossSection, kHousingGland.glandType})
    QVERIFY2(ProgramFixture::control<QAbstractButton>(selection, option)->isChecked(), option);
}

void NavigationTest::backThenOkGivesAFreshStandardGland() {
  ProgramFixture program;
  GlandEditor* first = program.toEditor(kRodGland);
  QVERIFY(first);
  const QStringList generated = editorTexts(first);
  const std::string grooveBox(editorBoxName(first->side(), EditorBox::GD));
  QVERIFY(ProgramFixture::type(first, grooveBox.c_str(), QStringLiteral("1.8")));
  QVERIFY(ProgramFixture::click(first, "cmdBack"));
  ProgramFixture::settle();

  QVERIFY(ProgramFixture::click(program.flow().selectionScreen(), "cmdOk"));
  ProgramFixture::settle();
  GlandEditor* second = program.flow().editor();
  QVERIFY(second && second->isVisible());
  QCOMPARE(editorTexts(second), generated);
}

void NavigationTest::editorOkHidesTheEditorAndShowsANewSheet_data() {
  QTest::addColumn<bool>("rodGroove");
  QTest::addColumn<QString>("sheetName");
  QTest::newRow("groove in rod") << true << QStringLiteral("frmResultsMale");
  QTest::newRow("groove in housing") << false << QStringLiteral("frmResultsFemale");
}

void NavigationTest::editorOkHidesTheEditorAndShowsANewSheet() {
  QFETCH(bool, rodGroove);
  QFETCH(QString, sheetName);
  ProgramFixture program;
  GlandEditor* editor = program.toEditor(rodGroove ? kRodGland : kHousingGland);
  QVERIFY(editor);

  QVERIFY(ProgramFixture::click(editor, "cmdOk"));
  ProgramFixture::settle();
  ResultsSheet* sheet = program.flow().resultsSheet();
  QVERIFY(sheet && sheet->isVisible());
  QCOMPARE(sheet->objectName(), sheetName);
  QCOMPARE(&sheet->side(), &editor->side());
  QCOMPARE(program.flow().editor(), editor);
  QVERIFY2(!editor->isVisible(), "the editor stays loaded, hidden");
  QVERIFY(program.messageBoxes.texts.empty());
}

void NavigationTest::editShowsTheEditorWithTheUsersEdits() {
  ProgramFixture program;
  GlandEditor* editor = program.toEditor(kRodGland);
  QVERIFY(editor);
  const std::string eccentricityBox(editorBoxName(editor->side(), EditorBox::ECC));
  QVERIFY(ProgramFixture::type(editor, eccentricityBox.c_str(), QStringLiteral("0.001")));
  const QStringList edited = editorTexts(editor);
  QVERIFY(ProgramFixture::click(editor, "cmdOk"));
  ProgramFixture::settle();
  QPointer<ResultsSheet> firstSheet = program.flow().resultsSheet();
  QVERIFY(firstSheet);

  QVERIFY(ProgramFixture::click(firstSheet, "cmdEdit"));
  ProgramFixture::settle();
  QVERIFY2(firstSheet.isNull(), "EDIT unloads the sheet");
  QVERIFY(!program.flow().resultsSheet());
  QCOMPARE(program.flow().editor(), editor);
  QVERIFY(editor->isVisible());
  QCOMPARE(editorTexts(editor), edited);

  QVERIFY(ProgramFixture::click(editor, "cmdOk"));
  ProgramFixture::settle();
  QVERIFY(program.flow().resultsSheet() && program.flow().resultsSheet()->isVisible());
}

void NavigationTest::exitEndsTheProgram_data() {
  QTest::addColumn<Stage>("stage");
  QTest::newRow("title") << Stage::Title;
  QTest::newRow("selection") << Stage::Selection;
  QTest::newRow("rod-groove editor") << Stage::RodEditor;
  QTest::newRow("housing-groove editor") << Stage::HousingEditor;
  QTest::newRow("rod-groove sheet") << Stage::RodSheet;
  QTest::newRow("housing-groove sheet") << Stage::HousingSheet;
}

void NavigationTest::exitEndsTheProgram() {
  QFETCH(Stage, stage);
  ProgramFixture program;
  QWidget* screen = reach(program, stage);
  QVERIFY(screen && screen->isVisible());
  QCOMPARE(program.endRequests(), 0);
  QVERIFY(ProgramFixture::click(screen, "cmdExit"));
  QCOMPARE(program.endRequests(), 1);
  QVERIFY2(program.messageBoxes.texts.empty(), "no question before ending");
}

void NavigationTest::windowFrameCloseOfAMainScreenEndsTheProgram_data() { exitEndsTheProgram_data(); }

void NavigationTest::windowFrameCloseOfAMainScreenEndsTheProgram() {
  QFETCH(Stage, stage);
  ProgramFixture program;
  QWidget* screen = reach(program, stage);
  QVERIFY(screen);
  ProgramFixture::closeByFrame(screen);
  QCOMPARE(program.endRequests(), 1);
  QVERIFY2(screen->isVisible(), "nothing is unloaded before the program ends");
}

void NavigationTest::exitWithADialogOpenEndsTheProgram_data() {
  QTest::addColumn<Stage>("stage");
  QTest::addColumn<QString>("helpButton");  // empty: a refusal opens the message dialog
  QTest::newRow("message over selection") << Stage::Selection << QString();
  QTest::newRow("message over editor") << Stage::RodEditor << QString();
  QTest::newRow("eccentricity info over sheet") << Stage::RodSheet << QStringLiteral("cmdH1");
  QTest::newRow("friction info over sheet") << Stage::HousingSheet << QStringLiteral("cmdH2");
}

void NavigationTest::exitWithADialogOpenEndsTheProgram() {
  QFETCH(Stage, stage);
  QFETCH(QString, helpButton);
  ProgramFixture program;
  QWidget* screen = reach(program, stage);
  QVERIFY(screen);
  if (helpButton.isEmpty()) {
    auto* editor = qobject_cast<GlandEditor*>(screen);
    const std::string idBox = editor ? std::string(editorBoxName(editor->side(), EditorBox::ID)) : "txtID";
    QVERIFY(ProgramFixture::type(screen, idBox.c_str(), QStringLiteral("one")));
    QVERIFY(ProgramFixture::click(screen, "cmdOk"));
    QVERIFY(program.messageShown());
  } else {
    QVERIFY(ProgramFixture::click(screen, qPrintable(helpButton)));
    QVERIFY(program.flow().eccentricityInfo() || program.flow().frictionInfo());
  }
  QVERIFY(ProgramFixture::click(screen, "cmdExit"));
  QCOMPARE(program.endRequests(), 1);
}

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"

// The title screen's texts and pictures, and the look of every window of the shell: no
// text clipped by its control, no two controls on top of each other, Times New Roman.

#include <QAbstractButton>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "tests/gui/program_fixture.h"

using namespace glandwise;
using namespace glandwise::testing;

namespace {

enum class Window { Title, Selection, Message, EccentricityInfo, FrictionInfo };

// Opens `window` in a fresh program; the window, or nullptr.
QWidget* open(ProgramFixture& program, Window window) {
  ScreenFlow& flow = program.flow();
  switch (window) {
    case Window::Title:
      return flow.titleScreen();
    case Window::Selection:
      return program.toSelectionScreen();
    case Window::Message:
      // The longest message the selection screen gives.
      program.toSelectionScreen();
      flow.record().ErrorText = "Calculation shows seal nominal diameter  12.34568  > 12.34567  rod  diameter.";
      flow.showMessage(false);
      return flow.messageDialog();
    case Window::EccentricityInfo:
      flow.openEccentricityInfo();
      return flow.eccentricityInfo();
    case Window::FrictionInfo:
      flow.openFrictionInfo();
      return flow.frictionInfo();
  }
  return nullptr;
}

// True for the controls that show a text: labels without a picture, buttons, text boxes.
bool showsText(QWidget* control) {
  if (auto* label = qobject_cast<QLabel*>(control)) return label->pixmap().isNull();
  return qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control);
}

// Why the text of `control` does not fit it, or an empty text when it fits.
QString clipping(QWidget* control) {
  const QSize hint = control->sizeHint();
  if (auto* label = qobject_cast<QLabel*>(control); label && label->wordWrap()) {
    if (label->heightForWidth(label->width()) > label->height())
      return QStringLiteral("%1 needs %2 px of height, has %3")
          .arg(control->objectName())
          .arg(label->heightForWidth(label->width()))
          .arg(label->height());
    return {};
  }
  if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)) {
    if (hint.width() > control->width() || hint.height() > control->height() + 2)
      return QStringLiteral("%1 needs %2x%3 px, has %4x%5")
          .arg(control->objectName())
          .arg(hint.width())
          .arg(hint.height())
          .arg(control->width())
          .arg(control->height());
  }
  return {};
}

}  // namespace

Q_DECLARE_METATYPE(Window)

class ShellWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void titleScreenShowsNameRevisionAndDescription();
  void disclaimerCoversEveryPoint_data();
  void disclaimerCoversEveryPoint();
  void titleScreenPlacesItsParts();
  void noTextIsClipped_data();
  void noTextIsClipped();
  void noControlsOverlap_data();
  void noControlsOverlap();
  void returnPressesTheFocusedButton();
  void endingLeavesTheEventLoopAtOnce();
};

void ShellWindowsTest::titleScreenShowsNameRevisionAndDescription() {
  ProgramFixture program;
  TitleScreen* title = program.flow().titleScreen();
  QVERIFY(title);
  const std::pair<const char*, QString> texts[] = {
      {"Label3", QStringLiteral("Glandwise")},
      {"Label4", QStringLiteral("Rev. 2.1a")},
      {"Label1", QStringLiteral("DISCLAIMER")},
      {"Label2",
       QStringLiteral("Glandwise generates 'Standard' static o-ring gland dimensions and presents them in an editable "
                      "format so the user can optimize them for function, manufacturability, ease of assembly, etc. "
                      "Compression results take into account cross-sectional reduction due to stretch. Compression "
                      "and extrusion gap results are given for nominal and worst case sizes, and for concentric and "
                      "eccentric positions. Nominal running friction is also calculated. All dimensions are in "
                      "inches. All dimensions use bilateral tolerances.")},
  };
  for (const auto& [name, text] : texts) QCOMPARE(ProgramFixture::control<QLabel>(title, name)->text(), text);
  QCOMPARE(ProgramFixture::control<QAbstractButton>(title, "cmdOk")->text(), QStringLiteral("OK"));
  QCOMPARE(ProgramFixture::control<QAbstractButton>(title, "cmdExit")->text(), QStringLiteral("EXIT"));

  const QString notice = ProgramFixture::control<QLabel>(title, "Label6")->text();
  QVERIFY2(notice.contains(QLatin1String("Glandwise")) && notice.contains(QRegularExpression(QStringLiteral("20\\d\\d"))),
           qPrintable(notice));
  QVERIFY2(!notice.contains(QLatin1Char('\n')), "the publisher notice is one line");
  const QPixmap logo = ProgramFixture::control<QLabel>(title, "Image1")->pixmap();
  QCOMPARE(logo.size(), QSize(163, 35));
  QVERIFY2(logo.toImage().pixelColor(0, 0).alpha() == 0 && logo.toImage().pixelColor(17, 17).alpha() == 255,
           "a picture on a clear ground");
}

void ShellWindowsTest::disclaimerCoversEveryPoint_data() {
  QTest::addColumn<QString>("point");
  for (const char* point : {"ENTIRELY AT YOUR OWN RISK", "\"AS IS\"", "WITH ALL FAULTS", "NO WARRANTY", "EXPRESS OR IMPLIED",
                            "MERCHANTABILITY", "PERFORMANCE", "FITNESS FOR A PARTICULAR USE OR PURPOSE", "AGENTS",
                            "EMPLOYEES", "LOSS OR DAMAGE OF ANY KIND", "USE OF, REFERENCE TO, OR RELIANCE ON",
                            "CONSEQUENTIAL", "SPECIAL (INCLUDING LOSS OF PROFIT)", "DIRECT", "INDIRECT",
                            "INCIDENTAL", "EVEN IF ADVISED OF THE POSSIBILITY"})
    QTest::newRow(point) << QString::fromLatin1(point);
}

void ShellWindowsTest::disclaimerCoversEveryPoint() {
  QFETCH(QString, point);
  ProgramFixture program;
  auto* disclaimer = ProgramFixture::control<QLabel>(program.flow().titleScreen(), "Label5");
  QVERIFY(disclaimer);
  QVERIFY(disclaimer->text().contains(point));
  QCOMPARE(disclaimer->text(), disclaimer->text().toUpper());
  QVERIFY(disclaimer->font().bold());
}

void ShellWindowsTest::titleScreenPlacesItsParts() {
  ProgramFixture program;
  TitleScreen* title = program.flow().titleScreen();
  QVERIFY(title);
  auto place = [&](const char* name) { return ProgramFixture::control(title, name)->geometry(); };
  auto font = [&](const char* name) { return ProgramFixture::control(title, name)->font(); };
  const QRect client = title->rect();

  QVERIFY2(font("Label3").bold() && font("Label3").pointSizeF() > font("Label2").pointSizeF(), "large bold name");
  QVERIFY(font("Label4").bold() && font("Label1").bold());
  QVERIFY2(font("Label6").pointSizeF() < font("Label2").pointSizeF(), "small notice");
  QVERIFY2(place("Label4").left() > place("Label3").right(), "revision right of the name");
  QVERIFY2(place("Image1").right() > client.width() * 3 / 4 && place("Image1").top() < client.height() / 8,
           "logo top right");
  QVERIFY2(place("Label2").top() > place("Label3").bottom(), "description under the name");
  QVERIFY(place("Label1").top() > place("Label2").bottom());
  QVERIFY(place("Label5").top() > place("Label1").bottom());
  QVERIFY2(place("Label6").left() < client.width() / 4 && place("Label6").top() > place("Label5").bottom(),
           "notice bottom left");
  QVERIFY2(place("cmdOk").top() > place("Label5").bottom() && place("cmdExit").left() > place("cmdOk").right(),
           "OK, then EXIT, bottom right");
  QVERIFY(client.contains(place("cmdExit")));
}

void ShellWindowsTest::noTextIsClipped_data() {
  QTest::addColumn<Window>("window");
  QTest::newRow("frmTitle") << Window::Title;
  QTest::newRow("frmFirst") << Window::Selection;
  QTest::newRow("frmError") << Window::Message;
  QTest::newRow("frmEccInfo") << Window::EccentricityInfo;
  QTest::newRow("frmFrictionInfo") << Window::FrictionInfo;
}

void ShellWindowsTest::noTextIsClipped() {
  QFETCH(Window, window);
  ProgramFixture program;
  QWidget* shown = open(program, window);
  QVERIFY(shown && shown->isVisible());
  for (QWidget* control : shown->findChildren<QWidget*>()) {
    if (showsText(control))
      QVERIFY2(control->font().family() == QLatin1String("Times New Roman"), qPrintable(control->objectName()));
    const QString why = clipping(control);
    QVERIFY2(why.isEmpty(), qPrintable(why));
    QVERIFY2(shown->rect().contains(control->geometry()) || control->parentWidget() != shown,
             qPrintable(control->objectName() + " outside its window"));
  }
}

void ShellWindowsTest::noControlsOverlap_data() { noTextIsClipped_data(); }

void ShellWindowsTest::noControlsOverlap() {
  QFETCH(Window, window);
  ProgramFixture program;
  QWidget* shown = open(program, window);
  QVERIFY(shown);
  QList<QWidget*> parents{shown};
  for (QGroupBox* group : shown->findChildren<QGroupBox*>()) parents.append(group);
  for (QWidget* parent : parents) {
    const QList<QWidget*> controls = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < controls.size(); ++i)
      for (qsizetype j = i + 1; j < controls.size(); ++j)
        QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                 qPrintable(controls[i]->objectName() + " overlaps " + controls[j]->objectName()));
  }
}

void ShellWindowsTest::returnPressesTheFocusedButton() {
  ProgramFixture program;
  TitleScreen* title = program.flow().titleScreen();
  QVERIFY(QTest::qWaitForWindowActive(title));
  QCOMPARE(QApplication::focusWidget(), ProgramFixture::control(title, "cmdOk"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  ProgramFixture::settle();
  SelectionScreen* selection = program.flow().selectionScreen();
  QVERIFY(selection && selection->isVisible());

  QVERIFY(QTest::qWaitForWindowActive(selection));
  ProgramFixture::control(selection, "cmdExit")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QCOMPARE(program.endRequests(), 1);
}

void ShellWindowsTest::endingLeavesTheEventLoopAtOnce() {
  TemporarySettings temporary;
  ProgramRun program;  // the program's own end
  ScreenFlow& flow = program.flow;
  EventLog& log = program.log;
  flow.start();
  flow.openFrictionInfo();

  QEventLoop loop;
  QTimer::singleShot(0, &loop, [&] { ProgramFixture::click(flow.titleScreen(), "cmdExit"); });
  QTimer::singleShot(5000, &loop, [&] { loop.exit(1); });
  QCOMPARE(loop.exec(), 0);
  QVERIFY2(log.empty(), "no question, no beep");
}

QTEST_MAIN(ShellWindowsTest)
#include "shell_windows_test.moc"

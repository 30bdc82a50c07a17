// The Qt platform services: settings store, document opener and message boxes.

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "tests/gui/program_fixture.h"
#include "platform/qt_platform.h"

using namespace glandwise;
using namespace glandwise::testing;

namespace {

// What a modal message box looked like when it opened.
struct SeenBox {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::Information;
  QStringList buttons;
};

// Inspects the next modal message box once it is open and presses `press` on it.
void answerNextBox(SeenBox& seen, QMessageBox::StandardButton press) {
  QTimer::singleShot(0, [&seen, press] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    seen = {box->windowTitle(), box->text(), box->icon(), {}};
    for (QAbstractButton* button : box->buttons()) seen.buttons.append(button->text().remove(QLatin1Char('&')));
    box->button(press)->click();
  });
}

}  // namespace

class PlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void settingsStoreKeepsTextsPerUser();
  void documentOpenerReportsAMissingFile();
  void questionBoxHasYesAndNo_data();
  void questionBoxHasYesAndNo();
  void noticeBoxHasOkOnly();
};

void PlatformTest::settingsStoreKeepsTextsPerUser() {
  TemporarySettings temporary;
  QtSettingsStore store;
  QCOMPARE(store.get("MyApp", "Config", "SelectedFile", "none yet"), std::string("none yet"));

  store.save("MyApp", "Config", "SelectedFile", "/home/engineer/O-Ring Handbook.pdf");
  QCOMPARE(store.get("MyApp", "Config", "SelectedFile", ""), std::string("/home/engineer/O-Ring Handbook.pdf"));
  QSettings written(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("MyApp"));
  QVERIFY2(written.fileName().startsWith(temporary.folder()), qPrintable(written.fileName()));
  QCOMPARE(written.value(QStringLiteral("Config/SelectedFile")).toString(),
           QStringLiteral("/home/engineer/O-Ring Handbook.pdf"));

  // An empty text is stored as such, not taken for a missing value.
  store.save("MyApp", "Config", "SelectedFile", "");
  QCOMPARE(store.get("MyApp", "Config", "SelectedFile", "fallback"), std::string());
}

void PlatformTest::documentOpenerReportsAMissingFile() {
  QTemporaryDir folder;
  QtDocumentOpener opener;
  QVERIFY(!opener.open((folder.path() + QStringLiteral("/missing.pdf")).toStdString()));
  QVERIFY(!opener.open(""));
}

void PlatformTest::questionBoxHasYesAndNo_data() {
  QTest::addColumn<int>("press");
  QTest::addColumn<bool>("answer");
  QTest::newRow("Yes") << int(QMessageBox::Yes) << true;
  QTest::newRow("No") << int(QMessageBox::No) << false;
}

void PlatformTest::questionBoxHasYesAndNo() {
  QFETCH(int, press);
  QFETCH(bool, answer);
  QtMessageBoxes boxes;
  SeenBox seen;
  answerNextBox(seen, QMessageBox::StandardButton(press));
  const std::string text = "Stretch is < 5 % .\n\nDo you want to edit dimensions ?";
  QCOMPARE(boxes.askYesNo(text), answer);
  QCOMPARE(seen.title, QStringLiteral("Glandwise v 2.1a"));
  QCOMPARE(seen.text, QString::fromStdString(text));
  QCOMPARE(seen.icon, QMessageBox::NoIcon);
  QCOMPARE(seen.buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
}

void PlatformTest::noticeBoxHasOkOnly() {
  QtMessageBoxes boxes;
  SeenBox seen;
  answerNextBox(seen, QMessageBox::Ok);
  boxes.notify("Interference <b>between</b> parts.");
  QCOMPARE(seen.title, QStringLiteral("Glandwise v 2.1a"));
  QCOMPARE(seen.text, QStringLiteral("Interference <b>between</b> parts."));
  QCOMPARE(seen.icon, QMessageBox::NoIcon);
  QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
}

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"

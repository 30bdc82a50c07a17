// glandwise [FILE.gland.json]: the desktop program. Starts on the title screen; every EXIT ends
// it. A saved gland given on the command line opens on the selection screen.

#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "app/screen_flow.h"
#include "platform/qt_platform.h"
#include "platform/runtime_dir.h"
#include "widgets/artwork.h"

namespace {

QtMessageHandler qtMessages = nullptr;  // Qt's own handler, for everything but the start-up failure

// While the application starts: Qt ends a program that finds no display with an abort and
// the advice to reinstall it. Say plainly what is wrong instead, and end with status 1.
void reportMissingDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg && message.contains(QStringLiteral("platform plugin"))) {
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr,
                 "glandwise: cannot open the display %s%s%s: it needs a graphical desktop session "
                 "(glandwise-calc works without one).\n",
                 display ? "\"" : "", display ? display : "(DISPLAY is not set)", display ? "\"" : "");
    std::exit(1);
  }
  // The platform's own complaint about the display comes before the failure: it is said above.
  if (QByteArrayView(context.category).startsWith("qt.qpa.")) return;
  qtMessages(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
  glandwise::provideRuntimeDirectory();
  qtMessages = qInstallMessageHandler(reportMissingDisplay);
  QApplication application(argc, argv);
  qInstallMessageHandler(qtMessages);
  QApplication::setApplicationName(QStringLiteral("Glandwise"));
  QApplication::setDesktopFileName(QStringLiteral("glandwise"));
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(glandwise::appIconImage(64))));
  // The screen flow ends the program itself: a screen is hidden or unloaded between two
  // others, which must not count as the last window closing.
  QApplication::setQuitOnLastWindowClosed(false);

  glandwise::QtPlatform services;
  glandwise::ScreenFlow flow(services.platform());
  // `glandwise FILE.gland.json` opens that saved gland once the title screen is passed.
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() == 2) flow.openOnSelection(arguments[1].toStdString());
  flow.start();
  return QApplication::exec();
}

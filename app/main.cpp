// glandwise: the desktop program. Starts on the title screen; every EXIT ends it.

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "widgets/artwork.h"
#include "platform/qt_platform.h"
#include "app/screen_flow.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Glandwise"));
  QApplication::setDesktopFileName(QStringLiteral("glandwise"));
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(glandwise::appIconImage(64))));
  // The screen flow ends the program itself: a screen is hidden or unloaded between two
  // others, which must not count as the last window closing.
  QApplication::setQuitOnLastWindowClosed(false);

  glandwise::QtPlatform services;
  glandwise::ScreenFlow flow(services.platform());
  flow.start();
  return QApplication::exec();
}

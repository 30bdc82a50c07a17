// A bare Qt Widgets window: an empty top-level widget with a title and nothing else, the
// yardstick of bench/startup.sh. What it costs to start and to hold in memory is what any
// Qt Widgets program costs on the machine; the desktop program is measured against it.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);  // takes -geometry WxH for the window's size
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare Qt window"));
  window.show();
  return application.exec();
}

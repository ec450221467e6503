// sorvane: the desktop clock on Linux.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <exception>

#include "shells/qt/app_title.h"
#include "shells/qt/run_clock.h"

int main(int argc, char** argv) {
  // A shaped window that places itself and stays on top needs X11; Wayland gives a window
  // neither its place nor its shape. Unless told otherwise, run through XWayland.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication application(argc, argv);
  // The clock ends when its window closes, not when a dialog does.
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/sorvane/sorvane.png")));
  try {
    return sorvane::qt::RunClock(application);
  } catch (const std::exception& error) {
    // Only the window itself failing to appear ends up here.
    QMessageBox::critical(nullptr, QString::fromLatin1(sorvane::qt::kAppTitle), error.what());
    return 1;
  }
}

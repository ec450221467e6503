// sorvane: the desktop clock on Linux.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <exception>

#include "app/program/run_program.h"
#include "shells/qt/app_title.h"
#include "shells/qt/qt_program.h"
#include "shells/qt/second_start.h"
#include "shells/qt/single_instance.h"

int main(int argc, char** argv) {
  // A shaped window that places itself and stays on top needs X11; Wayland gives a window
  // neither its place nor its shape. Unless told otherwise, run through XWayland.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication application(argc, argv);
  // The program ends by its own Close, not when a dialog or a removed clock's window does.
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/sorvane/sorvane.png")));
  try {
    // Before any window exists: copies started at the same moment cannot all run.
    const QString runtime = sorvane::qt::RuntimeFolder();
    const sorvane::qt::SingleInstanceLock one_copy(runtime);
    if (one_copy.AnotherCopyHoldsIt()) {
      // End without a word, as on Windows; a clock its user cannot reach shows its menu.
      sorvane::qt::TellRunningCopy(runtime);
      return 0;
    }
    sorvane::qt::QtProgram program(application, runtime);
    return sorvane::RunProgram(program);
  } catch (const std::exception& error) {
    // Only the windows themselves failing to appear ends up here.
    QMessageBox::critical(nullptr, QString::fromLatin1(sorvane::qt::kAppTitle), error.what());
    return 1;
  }
}

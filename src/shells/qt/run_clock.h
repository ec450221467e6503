#pragma once
#include <QApplication>

namespace sorvane::qt {

// The whole program: the single-instance lock, the clock window, start-up, the tray icon
// and the event loop. Returns the process exit code.
int RunClock(QApplication& application);

}  // namespace sorvane::qt

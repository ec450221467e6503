#pragma once
// A second start of the program reaches the running copy through a local socket beside the
// single-instance lock: the running copy listens, a second copy connects and ends. The
// connection itself is the whole message.
#include <QLocalServer>
#include <QString>
#include <functional>

namespace sorvane::qt {

class SecondStartListener {
 public:
  // Listens in `folder` and calls `heard` (from the event loop) at each second start. The
  // copy that holds the lock owns the name: a socket a killed copy left behind is replaced.
  SecondStartListener(const QString& folder, std::function<void()> heard);

 private:
  std::function<void()> heard_;
  QLocalServer server_;
};

// Tells the copy running with its lock in `folder` that the program was started again;
// nothing when none listens.
void TellRunningCopy(const QString& folder);

}  // namespace sorvane::qt

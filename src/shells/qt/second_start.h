#pragma once
// A second start of the program reaches the running copy through a local (Unix domain)
// socket beside the single-instance lock: the running copy listens, a second copy connects
// and ends. The connection itself is the whole message. Plain POSIX sockets: Qt's own local
// sockets come with Qt Network, whose libraries took half the clock's start-up to load.
#include <QSocketNotifier>
#include <QString>
#include <functional>
#include <memory>
#include <string>

namespace sorvane::qt {

class SecondStartListener {
 public:
  // Listens in `folder` and calls `heard` (from the event loop) at each second start. The
  // copy that holds the lock owns the name: a socket a killed copy left behind is replaced.
  SecondStartListener(const QString& folder, std::function<void()> heard);
  ~SecondStartListener();
  SecondStartListener(const SecondStartListener&) = delete;
  SecondStartListener& operator=(const SecondStartListener&) = delete;

 private:
  void Accept();

  std::function<void()> heard_;
  std::string path_;
  int fd_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
};

// Tells the copy running with its lock in `folder` that the program was started again;
// nothing when none listens.
void TellRunningCopy(const QString& folder);

}  // namespace sorvane::qt

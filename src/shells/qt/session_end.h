#pragma once
// The end of the session as Linux tells it: SIGTERM (a log-off, a shutdown, a service
// manager), SIGHUP (the terminal went) and SIGINT (Ctrl-C) save and end the program; the
// session manager's request to commit data saves, and its order to die then ends the event
// loop. A signal handler may do almost nothing safely, so it only writes the signal's number
// to a pipe; the event loop reads it and does the rest.
#include <QSocketNotifier>
#include <memory>

#include "app/ports/program_events.h"

namespace sorvane::qt {

class SessionEnd {
 public:
  // Installs the signal handlers; one SessionEnd at a time.
  explicit SessionEnd(ports::ProgramEvents& events);
  // Puts the signals' default actions back.
  ~SessionEnd();
  SessionEnd(const SessionEnd&) = delete;
  SessionEnd& operator=(const SessionEnd&) = delete;

 private:
  void OnSignal();

  ports::ProgramEvents& events_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace sorvane::qt

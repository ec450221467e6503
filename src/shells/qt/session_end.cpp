#include "shells/qt/session_end.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <array>
#include <csignal>

namespace sorvane::qt {

namespace {

constexpr std::array<int, 3> kEndSignals = {SIGTERM, SIGHUP, SIGINT};

// The handler's end of the pair [0] and the event loop's [1].
int signal_pipe[2] = {-1, -1};

extern "C" void WriteSignal(int number) {
  const int saved_errno = errno;
  const char byte = static_cast<char>(number);
  [[maybe_unused]] const ssize_t written = ::write(signal_pipe[0], &byte, 1);
  errno = saved_errno;
}

void SetHandler(int number, void (*handler)(int)) {
  struct sigaction action = {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(number, &action, nullptr);
}

}  // namespace

SessionEnd::SessionEnd(ports::ProgramEvents& events) : events_(events) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signal_pipe) == 0) {
    notifier_ = std::make_unique<QSocketNotifier>(signal_pipe[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { OnSignal(); });
    for (int number : kEndSignals) SetHandler(number, WriteSignal);
  }
#if QT_CONFIG(sessionmanager)
  QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, notifier_.get(),
                   [this](QSessionManager&) { events_.SessionEnding(); });
#endif
}

SessionEnd::~SessionEnd() {
  for (int number : kEndSignals) SetHandler(number, SIG_DFL);
  notifier_.reset();
  for (int& fd : signal_pipe) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

void SessionEnd::OnSignal() {
  char bytes[16];
  while (::read(signal_pipe[1], bytes, sizeof(bytes)) > 0) {
  }
  events_.SessionEnding();
  QCoreApplication::quit();
}

}  // namespace sorvane::qt

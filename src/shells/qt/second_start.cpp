#include "shells/qt/second_start.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTimer>
#include <cstring>
#include <optional>

namespace sorvane::qt {

namespace {

std::string SocketPath(const QString& folder) {
  return QFile::encodeName(QDir(folder).filePath(QStringLiteral("sorvane.socket"))).toStdString();
}

// None when the path does not fit the address.
std::optional<sockaddr_un> AddressOf(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof(address.sun_path)) return std::nullopt;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return address;
}

}  // namespace

SecondStartListener::SecondStartListener(const QString& folder, std::function<void()> heard)
    : heard_(std::move(heard)), path_(SocketPath(folder)) {
  const std::optional<sockaddr_un> address = AddressOf(path_);
  if (!address) return;
  fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd_ < 0) return;
  unlink(path_.c_str());
  // Only this user may connect: the socket is made without rights for anyone else.
  const mode_t mask = umask(0177);
  const bool bound = bind(fd_, reinterpret_cast<const sockaddr*>(&*address),
                          sizeof(sockaddr_un)) == 0;
  umask(mask);
  if (!bound || listen(fd_, 8) != 0) {
    close(fd_);
    fd_ = -1;
    return;
  }
  notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Accept(); });
}

SecondStartListener::~SecondStartListener() {
  notifier_.reset();
  if (fd_ < 0) return;
  close(fd_);
  unlink(path_.c_str());
}

void SecondStartListener::Accept() {
  int heard = 0;
  for (int connection; (connection = accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
    close(connection);
    ++heard;
  }
  // The menu runs its own event loop: not inside the notifier's signal.
  if (heard > 0) QTimer::singleShot(0, notifier_.get(), [this] { heard_(); });
}

// A local connection is made by the kernel at once, even while the running copy is busy
// with a dialog; it is heard when that copy's event loop runs again. Never waits: with the
// running copy's queue full, a start is already waiting to be heard.
void TellRunningCopy(const QString& folder) {
  const std::optional<sockaddr_un> address = AddressOf(SocketPath(folder));
  if (!address) return;
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(sockaddr_un));
  close(fd);
}

}  // namespace sorvane::qt

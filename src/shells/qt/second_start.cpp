#include "shells/qt/second_start.h"

#include <QDir>
#include <QLocalSocket>
#include <QTimer>

namespace sorvane::qt {

namespace {

constexpr int kConnectWait = 2000;  // ms: the running copy may be busy with a dialog

QString SocketPath(const QString& folder) {
  return QDir(folder).filePath(QStringLiteral("sorvane.socket"));
}

}  // namespace

SecondStartListener::SecondStartListener(const QString& folder, std::function<void()> heard)
    : heard_(std::move(heard)) {
  const QString path = SocketPath(folder);
  QLocalServer::removeServer(path);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  server_.listen(path);
  QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      socket->disconnectFromServer();
      socket->deleteLater();
    }
    // The menu runs its own event loop: not inside the server's signal.
    QTimer::singleShot(0, &server_, [this] { heard_(); });
  });
}

void TellRunningCopy(const QString& folder) {
  QLocalSocket socket;
  socket.connectToServer(SocketPath(folder));
  if (socket.waitForConnected(kConnectWait)) socket.disconnectFromServer();
}

}  // namespace sorvane::qt

#include "shells/qt/system_zone_watch.h"

#include <sys/stat.h>

#include <QFileInfo>
#include <ctime>

namespace sorvane::qt {

SystemZoneWatch::SystemZoneWatch(std::function<void()> changed, QString file)
    : changed_(std::move(changed)), file_(std::move(file)), identity_(Identity()) {
  watcher_.addPath(QFileInfo(file_).absolutePath());
  if (QFileInfo::exists(file_)) watcher_.addPath(file_);
  QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, &watcher_, [this] { Look(); });
  QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, &watcher_,
                   [this] { Look(); });
}

// The data's inode and time of change, as the C library itself tells whether to read it
// again; the link's target for a link turned to a zone file of the same age.
QString SystemZoneWatch::Identity() const {
  struct stat data {};
  if (stat(file_.toLocal8Bit().constData(), &data) != 0) return QString();
  return QStringLiteral("%1 %2 %3 %4.%5")
      .arg(QFileInfo(file_).symLinkTarget())
      .arg(data.st_dev)
      .arg(data.st_ino)
      .arg(data.st_mtim.tv_sec)
      .arg(data.st_mtim.tv_nsec);
}

// A replaced file loses its watch: it is watched again. Anything else changing in the
// folder leaves the identity as it was.
void SystemZoneWatch::Look() {
  if (!watcher_.files().contains(file_) && QFileInfo::exists(file_)) watcher_.addPath(file_);
  const QString now = Identity();
  if (now == identity_) return;
  identity_ = now;
  tzset();
  changed_();
}

}  // namespace sorvane::qt

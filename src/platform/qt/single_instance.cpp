#include "platform/qt/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace sorvane::qt {

namespace {

QString LockPath(const QString& folder) {
  const QString where =
      folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) : folder;
  return QDir(where).filePath(QStringLiteral("sorvane.lock"));
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(const QString& folder) : lock_(LockPath(folder)) {
  // Never stale by age: a clock runs for weeks. Only an owner that no longer runs loses it.
  lock_.setStaleLockTime(0);
  held_ = lock_.tryLock(0);
}

}  // namespace sorvane::qt

#include "shells/qt/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace sorvane::qt {

QString RuntimeFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

SingleInstanceLock::SingleInstanceLock(const QString& folder)
    : lock_(QDir(folder.isEmpty() ? RuntimeFolder() : folder)
                .filePath(QStringLiteral("sorvane.lock"))) {
  // Never stale by age: a clock runs for weeks. Only an owner that no longer runs loses it.
  lock_.setStaleLockTime(0);
  held_ = lock_.tryLock(0);
}

}  // namespace sorvane::qt

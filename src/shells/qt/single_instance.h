#pragma once
// One clock per user session: a lock file in the user's runtime folder, taken before any
// window exists, so copies started at the same moment cannot all run or all end.
#include <QLockFile>
#include <QString>

namespace sorvane::qt {

// The user's runtime folder ($XDG_RUNTIME_DIR), where the lock and the running copy's
// socket live.
QString RuntimeFolder();

class SingleInstanceLock {
 public:
  // The lock file in `folder` ($XDG_RUNTIME_DIR when empty).
  explicit SingleInstanceLock(const QString& folder = QString());
  // True when another running copy holds the lock. A copy that was killed leaves its lock
  // behind; QLockFile sees that its process is gone and this copy takes the lock over.
  bool AnotherCopyHoldsIt() const { return !held_; }

 private:
  QLockFile lock_;
  bool held_ = false;
};

}  // namespace sorvane::qt

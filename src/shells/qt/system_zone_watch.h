#pragma once
// Tells when the system's own time zone changes: the file the C library reads it from
// (/etc/localtime) replaced, as a settings tool does, or written over. The clocks in local
// time then show the new zone at once, not at their next tick, which may be a minute away.
// A change of the clock itself is the timer's to hear (wall_clock_timer.h).
#include <QFileSystemWatcher>
#include <QString>
#include <functional>

namespace sorvane::qt {

class SystemZoneWatch {
 public:
  explicit SystemZoneWatch(std::function<void()> changed,
                           QString file = QStringLiteral("/etc/localtime"));

 private:
  // What the file holds now: its link's target and the identity of the data behind it.
  QString Identity() const;
  void Look();

  std::function<void()> changed_;
  QString file_;
  QString identity_;
  // The file itself (written over) and its folder (the file replaced, a link turned).
  QFileSystemWatcher watcher_;
};

}  // namespace sorvane::qt

#pragma once
// Tells when the screens change: a screen added or removed, the primary one changed, or the
// size or work area of any of them. One change of the desktop often comes as several of
// Qt's signals; the program hears of it once, after the last of them.
#include <QTimer>
#include <functional>

class QScreen;

namespace sorvane::qt {

class ScreenWatcher {
 public:
  explicit ScreenWatcher(std::function<void()> changed);

 private:
  void Watch(QScreen* screen);
  void ChangedSoon() { soon_.start(); }

  std::function<void()> changed_;
  QTimer soon_;  // single shot, at the next turn of the event loop
};

}  // namespace sorvane::qt

#pragma once
// The clock's icon in the notification area (an XEmbed tray or a StatusNotifier host),
// with the clock's menu on a right click. A hidden clock is reached through it.
#include <QSystemTrayIcon>

#include "shells/qt/menu_view.h"

namespace sorvane::qt {

class QtTrayIcon {
 public:
  explicit QtTrayIcon(QtMenuView& menu);
  // Shows the icon; a tray that appears later takes it then (Qt watches for one).
  void Show() { icon_.show(); }
  // Whether a tray shows the icon now, so that the user can reach the menu through it.
  bool Shown() const { return icon_.isVisible() && QSystemTrayIcon::isSystemTrayAvailable(); }

 private:
  QSystemTrayIcon icon_;
};

}  // namespace sorvane::qt

#include "shells/qt/tray_icon.h"

#include <QIcon>

namespace sorvane::qt {

QtTrayIcon::QtTrayIcon(QtMenuView& menu) : icon_(QIcon(QStringLiteral(":/sorvane/tray.png"))) {
  // No tooltip, as on Windows; a left click opens nothing, a right click the menu.
  icon_.setContextMenu(&menu.TrayMenu());
}

}  // namespace sorvane::qt

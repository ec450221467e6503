#include "shells/qt/system_services.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include "shells/qt/app_title.h"

namespace sorvane::qt {

namespace {

Rect ToRect(const QRect& r) {
  return Rect{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

}  // namespace

Size QtScreen::PrimarySize() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QRect r = screen->geometry();
  return Size{r.width(), r.height()};
}

std::vector<Rect> QtScreen::Monitors() const {
  std::vector<Rect> monitors;
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (primary != nullptr) monitors.push_back(ToRect(primary->geometry()));
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen != primary) monitors.push_back(ToRect(screen->geometry()));
  }
  return monitors;
}

// The desktop's panels are left out where the window manager tells (_NET_WORKAREA); with
// none, the whole primary screen.
Rect QtScreen::PrimaryWorkArea() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  return ToRect(screen->availableGeometry());
}

void MessageBoxErrors::ShowError(const std::string& text) {
  QMessageBox::critical(owner_, QString::fromLatin1(kAppTitle), QString::fromStdString(text));
}

}  // namespace sorvane::qt

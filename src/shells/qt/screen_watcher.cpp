#include "shells/qt/screen_watcher.h"

#include <QGuiApplication>
#include <QScreen>

namespace sorvane::qt {

ScreenWatcher::ScreenWatcher(std::function<void()> changed) : changed_(std::move(changed)) {
  soon_.setSingleShot(true);
  soon_.setInterval(0);
  QObject::connect(&soon_, &QTimer::timeout, &soon_, [this] { changed_(); });
  for (QScreen* screen : QGuiApplication::screens()) Watch(screen);
  QObject::connect(qGuiApp, &QGuiApplication::screenAdded, &soon_, [this](QScreen* screen) {
    Watch(screen);
    ChangedSoon();
  });
  QObject::connect(qGuiApp, &QGuiApplication::screenRemoved, &soon_, [this] { ChangedSoon(); });
  QObject::connect(qGuiApp, &QGuiApplication::primaryScreenChanged, &soon_,
                   [this] { ChangedSoon(); });
}

// A removed screen's connections go with it.
void ScreenWatcher::Watch(QScreen* screen) {
  QObject::connect(screen, &QScreen::geometryChanged, &soon_, [this] { ChangedSoon(); });
  QObject::connect(screen, &QScreen::availableGeometryChanged, &soon_, [this] { ChangedSoon(); });
}

}  // namespace sorvane::qt

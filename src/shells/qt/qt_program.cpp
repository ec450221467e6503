#include "shells/qt/qt_program.h"

#include <QTimer>

#include "shells/qt/clock_window.h"
#include "shells/qt/locale_reader.h"
#include "shells/qt/xdg_folders.h"

namespace sorvane::qt {

namespace {

ports::Folders MadeFolders() {
  const ports::Folders folders = XdgFolders(QApplication::applicationDirPath());
  MakeSettingsFolder(folders);
  return folders;
}

}  // namespace

QtProgram::QtProgram(QApplication& application, const QString& runtime)
    : application_(application),
      runtime_(runtime),
      folders_(MadeFolders()),
      shell_(folders_.help),
      login_(files_, XdgLoginStart::DefaultFolder(),
             QApplication::applicationFilePath().toStdString()),
      services_{*this,  screen_,         clock_,   text_,  dialogs_, shell_, errors_,
                menu_,  files_,          ReadUserLocale(), folders_, &login_},
      timer_(
          [this] {
            if (events_ != nullptr) events_->Tick();
          },
          [this] {
            if (events_ != nullptr) events_->TimeChanged();
          }),
      compositor_([this] {
        if (events_ != nullptr) events_->SmoothEdgesAvailabilityChanged();
      }),
      zone_watch_([this] {
        if (events_ != nullptr) events_->TimeChanged();
      }) {}

QtProgram::~QtProgram() {
  timer_.Stop();
}

// The program's events start with its clocks shown: the second starts, the screens and the
// session's end are heard from then on.
void QtProgram::Connect(ports::ProgramEvents* events) {
  events_ = events;
  menu_.SetTraySource(events);
  if (events == nullptr) {
    session_end_.reset();
    screens_.reset();
    second_starts_.reset();
    timer_.Stop();
    return;
  }
  second_starts_ = std::make_unique<SecondStartListener>(runtime_, [this] {
    if (events_ != nullptr) events_->SecondStart(tray_ != nullptr && tray_->Shown());
  });
  screens_ = std::make_unique<ScreenWatcher>([this] {
    if (events_ != nullptr) events_->ScreensChanged();
  });
  session_end_ = std::make_unique<SessionEnd>(*events);
}

// A desktop without a tray still has the clocks' own menus.
void QtProgram::ShowTrayIcon() {
  tray_ = std::make_unique<QtTrayIcon>(menu_);
  tray_->Show();
}

std::unique_ptr<ports::ClockWindow> QtProgram::MakeClockWindow(
    ports::ClockWindowEvents& events) {
  auto window = std::make_unique<QtClockWindow>(&events);
  window->SetPressHandler([this](QWidget* pressed) { OwnWith(pressed); });
  return window;
}

// Queued behind the event at hand, in the program's own context.
void QtProgram::Defer(std::function<void()> task) {
  QTimer::singleShot(0, &deferrer_, [this, task = std::move(task)] {
    task();
    if (owner_.isNull()) OwnWith(nullptr);  // the window that went owned the dialogs
  });
}

void QtProgram::OwnWith(QWidget* window) {
  owner_ = window;
  dialogs_.SetOwner(window);
  errors_.SetOwner(window);
}

}  // namespace sorvane::qt

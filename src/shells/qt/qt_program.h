#pragma once
// The program as the Linux desktop runs it: the system's services through Qt, windows for
// the clocks, the program's timer, the tray icon, the session's end, the screens and the
// second starts, and Qt's event loop.
#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "app/ports/program_host.h"
#include "app/program/remembered_text_lines.h"
#include "app/program/run_program.h"
#include "shells/qt/compositor_watch.h"
#include "shells/qt/dialogs.h"
#include "shells/qt/menu_view.h"
#include "shells/qt/qt_time_source.h"
#include "shells/qt/screen_watcher.h"
#include "shells/qt/second_start.h"
#include "shells/qt/session_end.h"
#include "shells/qt/shell_links.h"
#include "shells/qt/sorted_files.h"
#include "shells/qt/system_services.h"
#include "shells/qt/system_zone_watch.h"
#include "shells/qt/text_outlines.h"
#include "shells/qt/tray_icon.h"
#include "shells/qt/wall_clock_timer.h"
#include "shells/qt/xdg_login_start.h"

namespace sorvane::qt {

class QtProgram final : public ProgramShell, public ports::ProgramHost {
 public:
  // `runtime` is the folder of the single-instance lock, where second starts knock.
  QtProgram(QApplication& application, const QString& runtime);
  ~QtProgram() override;

  ports::Services& Services() override { return services_; }
  void Connect(ports::ProgramEvents* events) override;
  void ShowTrayIcon() override;
  int RunEventLoop() override { return application_.exec(); }

  std::unique_ptr<ports::ClockWindow> MakeClockWindow(ports::ClockWindowEvents& events) override;
  void ScheduleTick(int32_t milliseconds) override { timer_.Start(milliseconds); }
  void Defer(std::function<void()> task) override;
  void Quit() override { QCoreApplication::quit(); }
  bool SmoothEdgesAvailable() const override { return compositor_.Running(); }

 private:
  // Dialogs and the error box open over the clock last pressed.
  void OwnWith(QWidget* window);

  QApplication& application_;
  QString runtime_;
  ports::Folders folders_;
  QtScreen screen_;
  QtTimeSource clock_;
  QtTextOutlines qt_text_;
  RememberedTextLines text_{qt_text_};  // the date line is drawn once a day, not every second
  QtDialogs dialogs_;
  QtShell shell_;
  MessageBoxErrors errors_;
  QtMenuView menu_;
  SortedFiles files_{DiskFiles()};
  XdgLoginStart login_;
  ports::Services services_;
  ports::ProgramEvents* events_ = nullptr;
  WallClockTimer timer_;
  CompositorWatch compositor_;
  SystemZoneWatch zone_watch_;
  std::unique_ptr<QtTrayIcon> tray_;
  std::unique_ptr<SecondStartListener> second_starts_;
  std::unique_ptr<ScreenWatcher> screens_;
  std::unique_ptr<SessionEnd> session_end_;
  QObject deferrer_;  // the context of deferred work, gone with the program
  QPointer<QWidget> owner_;  // the clock window that owns dialogs, none once it is gone
};

}  // namespace sorvane::qt

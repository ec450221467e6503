#include "shells/qt/run_clock.h"

#include <QCoreApplication>

#include "app/clock_form.h"
#include "app/clock_form_events.h"
#include "app/remembered_text_lines.h"
#include "files/file_service.h"
#include "shells/qt/clock_window.h"
#include "shells/qt/dialogs.h"
#include "shells/qt/locale_reader.h"
#include "shells/qt/menu_view.h"
#include "shells/qt/screen_watcher.h"
#include "shells/qt/second_start.h"
#include "shells/qt/session_end.h"
#include "shells/qt/shell_links.h"
#include "shells/qt/single_instance.h"
#include "shells/qt/sorted_files.h"
#include "shells/qt/system_services.h"
#include "shells/qt/text_outlines.h"
#include "shells/qt/tray_icon.h"
#include "shells/qt/xdg_folders.h"
#include "shells/qt/xdg_login_start.h"
#include "app/ports/report_errors.h"

namespace sorvane::qt {

namespace {

// The services the clock is given, all living as long as the program.
struct QtServices {
  QtServices(QtClockWindow& window, const ports::Folders& folders) : shell(folders.help) {
    errors.SetOwner(&window);
    dialogs.SetOwner(&window);
  }
  QtScreen screen;
  QtTimeSource clock;
  QtTextOutlines qt_text;
  RememberedTextLines text{qt_text};  // the date line is drawn once a day, not every second
  QtDialogs dialogs;
  QtShell shell;
  MessageBoxErrors errors;
  QtMenuView menu;
  SortedFiles files{DiskFiles()};
};

}  // namespace

int RunClock(QApplication& application) {
  // Before any window exists: copies started at the same moment cannot all run.
  const QString runtime = RuntimeFolder();
  const SingleInstanceLock one_copy(runtime);
  if (one_copy.AnotherCopyHoldsIt()) {
    // End without a word, as on Windows; a clock its user cannot reach shows its menu.
    TellRunningCopy(runtime);
    return 0;
  }
  const ports::Folders folders = XdgFolders(QApplication::applicationDirPath());
  MakeSettingsFolder(folders);
  QtClockWindow window;
  QtServices system(window, folders);
  ports::Services services{window,         system.screen,    system.clock,  system.text,
                              system.dialogs, system.shell,     system.errors, system.menu,
                              system.files,   ReadUserLocale(), folders};
  XdgLoginStart login(system.files, XdgLoginStart::DefaultFolder(),
                      QApplication::applicationFilePath().toStdString());
  services.login_start = &login;
  ClockForm form(services);
  ClockFormEvents events(form, system.errors, [] { QCoreApplication::quit(); });
  system.menu.SetModelSource([&form] {
    form.RefreshMenu();
    return &form.Menu();
  });
  system.menu.SetCommandHandler([&events](int32_t id) { events.Command(id); });

  bool starts = true;
  ports::ReportErrors(system.errors, [&] {
    window.SetEvents(&events);
    starts = form.Start();
  });
  if (!starts) {
    window.SetEvents(nullptr);
    return 0;
  }
  window.show();
  QtTrayIcon tray(system.menu);
  tray.Show();  // a desktop without a tray still has the clock's own menu
  SecondStartListener second_starts(runtime, [&] { events.SecondStart(tray.Shown()); });
  ScreenWatcher screens([&events] { events.ScreensChanged(); });
  const SessionEnd session_end(events);
  const int exit_code = application.exec();
  events.SessionEnded();  // the session manager's end: what changed since its save request
  return exit_code;
}

}  // namespace sorvane::qt

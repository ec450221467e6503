#include "shells/win32/run_clock.h"

#include <filesystem>
#include <string>

#include "app/clock_form.h"
#include "app/clock_form_events.h"
#include "app/remembered_text_lines.h"
#include "files/file_service.h"
#include "app/ports/report_errors.h"
#include "shells/win32/application_window.h"
#include "shells/win32/clock_window.h"
#include "shells/win32/common_dialogs.h"
#include "shells/win32/gdi_text_outlines.h"
#include "shells/win32/locale_reader.h"
#include "shells/win32/popup_menu_view.h"
#include "shells/win32/run_key_login_start.h"
#include "shells/win32/shell_links.h"
#include "shells/win32/single_instance.h"
#include "shells/win32/system_services.h"
#include "shells/win32/tray_icon.h"

namespace sorvane::win32 {

namespace {

std::filesystem::path ProgramFolder() {
  return std::filesystem::path(RunningProgramPath()).parent_path();
}

int RunMessageLoop() {
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

// The services the clock is given, all living as long as the program.
struct Win32Services {
  Win32Services(HINSTANCE instance, HWND clock_window) : menu(instance) {
    errors.SetOwner(clock_window);
    dialogs.SetOwner(clock_window);
    shell.SetOwner(clock_window);
  }
  Win32Screen screen;
  Win32TimeSource clock;
  GdiTextOutlines gdi_text;
  RememberedTextLines text{gdi_text};  // the date line is drawn once a day, not every second
  Win32Dialogs dialogs;
  Win32Shell shell;
  MessageBoxErrors errors;
  PopupMenuView menu;
};

}  // namespace

int RunClock(HINSTANCE instance) {
  // Before any window exists: copies started at the same moment cannot all see each other's
  // windows (and all end) or see none (and all stay).
  const SingleInstanceLock one_copy;
  if (one_copy.AnotherCopyHoldsIt()) {
    // End without a word, as a second copy does below; a clock its user cannot reach shows
    // its menu instead.
    AskRunningCopyForItsMenu(nullptr);
    return 0;
  }
  ApplicationWindow application(instance);
  Win32ClockWindow window(instance, application.handle());
  Win32Services system(instance, window.handle());
  RunKeyLoginStart login = RunKeyLoginStart::ForThisProgram();
  ports::Services services{window,
                              system.screen,
                              system.clock,
                              system.text,
                              system.dialogs,
                              system.shell,
                              system.errors,
                              system.menu,
                              DiskFiles(),
                              ReadUserLocale(),
                              ports::Folders::AllIn(ProgramFolder()),
                              &login,
                              &window};
  ClockForm form(services);
  ClockFormEvents events(form, system.errors, [] { PostQuitMessage(0); });
  // The tray icon's menu opens without the clock's knowing: the model is read afresh.
  system.menu.SetModelSource([&form] {
    form.RefreshMenu();
    return &form.Menu();
  });
  system.menu.SetCommandHandler([&](UINT id) { events.Command(static_cast<int32_t>(id)); });

  bool starts = true;
  ReportErrors(system.errors, [&] {
    window.SetEvents(&events);
    starts = form.Start();
  });
  if (!starts) {
    // Another copy runs: end silently, without a word to the clock's handlers.
    window.SetEvents(nullptr);
    AskRunningCopyForItsMenu(application.handle());
    return 0;
  }
  window.Show();
  TrayIcon tray(instance, system.menu);
  tray.Add();  // a desktop without a notification area still has the clock's own menu
  application.SetEvents(&events, [&tray] { return tray.Shown(); });
  const int exit_code = RunMessageLoop();
  application.SetEvents(nullptr, nullptr);
  return exit_code;
}

}  // namespace sorvane::win32

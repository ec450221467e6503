#pragma once
// The program as Windows runs it: the hidden application window, the system's services,
// windows for the clocks, the tray icon and the message loop.
#include <memory>

#include "app/ports/program_host.h"
#include "app/program/remembered_text_lines.h"
#include "app/program/run_program.h"
#include "shells/win32/application_window.h"
#include "shells/win32/common_dialogs.h"
#include "shells/win32/gdi_text_outlines.h"
#include "shells/win32/popup_menu_view.h"
#include "shells/win32/run_key_login_start.h"
#include "shells/win32/shell_links.h"
#include "shells/win32/system_services.h"
#include "shells/win32/tray_icon.h"
#include "shells/win32/win32_time_source.h"
#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

class Win32Program final : public ProgramShell, public ports::ProgramHost {
 public:
  explicit Win32Program(HINSTANCE instance);
  ~Win32Program() override;

  ports::Services& Services() override { return services_; }
  void Connect(ports::ProgramEvents* events) override;
  void ShowTrayIcon() override;
  int RunEventLoop() override;

  std::unique_ptr<ports::ClockWindow> MakeClockWindow(ports::ClockWindowEvents& events) override;
  void ScheduleTick(int32_t milliseconds) override { application_.ScheduleTick(milliseconds); }
  void Defer(std::function<void()> task) override;
  void Quit() override { PostQuitMessage(0); }
  bool SmoothEdgesAvailable() const override { return true; }

  HWND application_window() const { return application_.handle(); }

 private:
  // Dialogs, message boxes and help open over the clock last pressed: owned by a topmost
  // window they stay above the clocks.
  void OwnWith(HWND window);

  HINSTANCE instance_;
  ApplicationWindow application_;
  Win32Screen screen_;
  Win32TimeSource clock_;
  GdiTextOutlines gdi_text_;
  RememberedTextLines text_{gdi_text_};  // the date line is drawn once a day, not every second
  Win32Dialogs dialogs_;
  Win32Shell shell_;
  MessageBoxErrors errors_;
  PopupMenuView menu_;
  RunKeyLoginStart login_;
  ports::Services services_;
  ports::ProgramEvents* events_ = nullptr;
  std::unique_ptr<TrayIcon> tray_;
  HWND owner_ = nullptr;
};

}  // namespace sorvane::win32

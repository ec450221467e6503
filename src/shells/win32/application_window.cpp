#include "shells/win32/application_window.h"

#include "shells/win32/app_title.h"
#include "shells/win32/single_instance.h"

namespace sorvane::win32 {

namespace {

// Several of the system's messages may tell of one change of the screens (the display
// settings and the work area): the clock is placed again once, after the last of them.
constexpr UINT kScreensChanged = WM_APP + 2;

}  // namespace

ApplicationWindow::ApplicationWindow(HINSTANCE instance) : second_start_(SecondStartMessage()) {
  Create(instance, WindowClass{"SorvaneApplication"}, WindowParams{}, "application window");
  const LONG ex_style = GetWindowLongA(handle(), GWL_EXSTYLE);
  SetWindowLongA(handle(), GWL_EXSTYLE, ex_style | WS_EX_TOOLWINDOW);
  SetWindowTextA(handle(), kAppTitle);
}

UINT ApplicationWindow::SecondStartMessage() {
  return RegisterWindowMessageA("Sorvane.SecondStart");
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (events_ == nullptr) return DefWindowProcA(handle(), message, wparam, lparam);
  switch (message) {
    case WM_QUERYENDSESSION:
      events_->SessionEnding();
      return TRUE;  // the clock never holds a session back
    case WM_ENDSESSION:
      if (wparam != FALSE) events_->SessionEnded();
      return 0;
    case WM_DISPLAYCHANGE:
      ScreensChangedSoon();
      return 0;
    case WM_SETTINGCHANGE:
      if (wparam == SPI_SETWORKAREA) ScreensChangedSoon();
      return 0;
    case kScreensChanged:
      screens_change_posted_ = false;
      events_->ScreensChanged();
      return 0;
    default:
      if (message != 0 && message == second_start_) {
        events_->SecondStart(tray_icon_shown_ && tray_icon_shown_());
        return 0;
      }
      return DefWindowProcA(handle(), message, wparam, lparam);
  }
}

void ApplicationWindow::ScreensChangedSoon() {
  if (screens_change_posted_) return;
  screens_change_posted_ = PostMessageA(handle(), kScreensChanged, 0, 0) != FALSE;
}

void AskRunningCopyForItsMenu(HWND own_app_window) {
  const UINT message = ApplicationWindow::SecondStartMessage();
  for (HWND window : UnownedWindowsTitled(own_app_window, kAppTitle)) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    AllowSetForegroundWindow(process);
    PostMessageA(window, message, 0, 0);
  }
}

}  // namespace sorvane::win32

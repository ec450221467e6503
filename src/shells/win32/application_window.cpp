#include "shells/win32/application_window.h"

#include <algorithm>

#include "shells/win32/app_title.h"
#include "shells/win32/single_instance.h"

namespace sorvane::win32 {

namespace {

// Several of the system's messages may tell of one change of the screens (the display
// settings and the work area): the clocks are placed again once, after the last of them.
constexpr UINT kScreensChanged = WM_APP + 2;
constexpr UINT kRunDeferred = WM_APP + 3;

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

// A Windows timer repeats; this one is killed as it fires, so each arming gives one tick.
// The system cannot wait less than USER_TIMER_MINIMUM, which also serves for "at once".
void ApplicationWindow::ScheduleTick(int32_t milliseconds) {
  const auto delay = static_cast<UINT>(std::max<int32_t>(milliseconds, USER_TIMER_MINIMUM));
  SetTimer(handle(), kTickTimer, delay, nullptr);
}

void ApplicationWindow::Defer(std::function<void()> task) {
  deferred_.push_back(std::move(task));
  PostMessageA(handle(), kRunDeferred, 0, 0);
}

void ApplicationWindow::RunDeferred() {
  while (!deferred_.empty()) {
    std::function<void()> task = std::move(deferred_.front());
    deferred_.pop_front();
    task();
  }
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kRunDeferred) {
    RunDeferred();
    return 0;
  }
  if (events_ != nullptr && HandleProgramMessage(message, wparam)) {
    return message == WM_QUERYENDSESSION || message == WM_POWERBROADCAST ? TRUE : 0;
  }
  return DefWindowProcA(handle(), message, wparam, lparam);
}

// The system's time, its zone or the machine's sleep (the timer slept with it) may have
// changed what the clocks show and when they next change.
bool ApplicationWindow::HandleProgramMessage(UINT message, WPARAM wparam) {
  switch (message) {
    case WM_TIMER:
      if (wparam != kTickTimer) return false;
      KillTimer(handle(), kTickTimer);
      events_->Tick();
      return true;
    case WM_TIMECHANGE:
      TimeOrZoneChanged();
      return true;
    case WM_POWERBROADCAST:
      if (wparam == PBT_APMRESUMEAUTOMATIC) events_->TimeChanged();
      return true;
    case WM_QUERYENDSESSION:
      events_->SessionEnding();
      return true;  // answered yes: the clock never holds a session back
    case WM_ENDSESSION:
      if (wparam != FALSE) events_->SessionEnded();
      return true;
    case WM_DISPLAYCHANGE:
      ScreensChangedSoon();
      return true;
    case WM_SETTINGCHANGE:
      if (wparam == SPI_SETWORKAREA) {
        ScreensChangedSoon();
      } else {
        TimeOrZoneChanged();  // a new time zone comes as a change of settings too
      }
      return true;
    case kScreensChanged:
      screens_change_posted_ = false;
      events_->ScreensChanged();
      return true;
    default:
      if (message == 0 || message != second_start_) return false;
      events_->SecondStart(tray_icon_shown_ && tray_icon_shown_());
      return true;
  }
}

void ApplicationWindow::TimeOrZoneChanged() {
  if (zone_data_changed_) zone_data_changed_();
  events_->TimeChanged();
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

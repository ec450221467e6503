#pragma once
// The hidden application window: never shown, it owns the clock windows, carries the
// application title (what a second copy looks for) and, as a tool window, keeps the
// program off the taskbar and out of the task switcher. As the program's one unowned
// top-level window it hears what concerns the program as a whole: its timer, the system's
// time and time zone, the end of the session, changes of the screens, a second copy asking
// for the menu; and it runs the work the program defers until an event is over.
#include <deque>
#include <functional>

#include "app/ports/program_events.h"
#include "shells/win32/base_window.h"
#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

class ApplicationWindow : public BaseWindow<ApplicationWindow> {
 public:
  static constexpr UINT_PTR kTickTimer = 2;  // the program's one-shot timer

  explicit ApplicationWindow(HINSTANCE instance);

  // Where the program's events go, and how to tell whether the tray icon shows; nothing is
  // forwarded while unset.
  void SetEvents(ports::ProgramEvents* events, std::function<bool()> tray_icon_shown) {
    events_ = events;
    tray_icon_shown_ = std::move(tray_icon_shown);
  }

  // Called before the program hears of a new time or new settings, either of which may come
  // with new zone data: the rules kept from the old are then forgotten.
  void SetZoneDataChanged(std::function<void()> changed) { zone_data_changed_ = std::move(changed); }

  // The program's timer: one Tick, `milliseconds` from now; arming again replaces it.
  void ScheduleTick(int32_t milliseconds);
  // Runs `task` from the message loop, once the message at hand is handled.
  void Defer(std::function<void()> task);

  // The message a second copy posts to the running copy's application window.
  static UINT SecondStartMessage();

 private:
  friend BaseWindow;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  bool HandleProgramMessage(UINT message, WPARAM wparam);
  void ScreensChangedSoon();
  void TimeOrZoneChanged();
  void RunDeferred();

  ports::ProgramEvents* events_ = nullptr;
  std::function<bool()> tray_icon_shown_;
  std::function<void()> zone_data_changed_;
  UINT second_start_ = 0;
  bool screens_change_posted_ = false;
  std::deque<std::function<void()>> deferred_;
};

// Posts SecondStartMessage to every unowned top-level window titled as the program, other
// than `own_app_window` (none when this copy made none), and lets their process take the
// foreground for the menu it may open.
void AskRunningCopyForItsMenu(HWND own_app_window);

}  // namespace sorvane::win32

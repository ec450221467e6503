#pragma once
// The hidden application window: never shown, it owns the clock window, carries the
// application title (what a second copy looks for) and, as a tool window, keeps the
// program off the taskbar and out of the task switcher. As the program's one unowned
// top-level window it hears what concerns the program as a whole: the end of the session,
// changes of the screens, and a second copy asking for the menu.
#include <functional>

#include "app/ports/program_events.h"
#include "shells/win32/base_window.h"
#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

class ApplicationWindow : public BaseWindow<ApplicationWindow> {
 public:
  explicit ApplicationWindow(HINSTANCE instance);

  // Where the program's events go, and how to tell whether the tray icon shows; nothing is
  // forwarded while unset.
  void SetEvents(ports::ProgramEvents* events, std::function<bool()> tray_icon_shown) {
    events_ = events;
    tray_icon_shown_ = std::move(tray_icon_shown);
  }

  // The message a second copy posts to the running copy's application window.
  static UINT SecondStartMessage();

 private:
  friend BaseWindow;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void ScreensChangedSoon();

  ports::ProgramEvents* events_ = nullptr;
  std::function<bool()> tray_icon_shown_;
  UINT second_start_ = 0;
  bool screens_change_posted_ = false;
};

// Posts SecondStartMessage to every unowned top-level window titled as the program, other
// than `own_app_window` (none when this copy made none), and lets their process take the
// foreground for the menu it may open.
void AskRunningCopyForItsMenu(HWND own_app_window);

}  // namespace sorvane::win32

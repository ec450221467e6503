#pragma once
// The hidden application window: never shown, it owns the clock window, carries the
// application title (what a second copy looks for) and, as a tool window, keeps the
// program off the taskbar and out of the task switcher.
#include "platform/win32/base_window.h"
#include "platform/win32/windows_api.h"

namespace sorvane::win32 {

class ApplicationWindow : public BaseWindow<ApplicationWindow> {
 public:
  explicit ApplicationWindow(HINSTANCE instance);

 private:
  friend BaseWindow;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
};

}  // namespace sorvane::win32

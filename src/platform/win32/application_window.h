#pragma once
// The hidden application window: never shown, it owns the clock window, carries the
// application title (what a second copy looks for) and, as a tool window, keeps the
// program off the taskbar and out of the task switcher.
#include "platform/win32/windows_api.h"

namespace sorvane::win32 {

class ApplicationWindow {
 public:
  explicit ApplicationWindow(HINSTANCE instance);
  ApplicationWindow(const ApplicationWindow&) = delete;
  ApplicationWindow& operator=(const ApplicationWindow&) = delete;
  ~ApplicationWindow();

  HWND handle() const { return handle_; }

 private:
  HWND handle_ = nullptr;
};

}  // namespace sorvane::win32

#pragma once
// The hidden window behind the popup menu and the notification-area icon. It owns the menu
// while it is open (and so draws its owner-drawn items), receives the icon's mouse messages
// and hears when the taskbar is created anew, e.g. after Explorer restarts.
#include <functional>

#include "shells/win32/base_window.h"
#include "shells/win32/menu_painter.h"
#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

// The message the notification-area icon sends its window; lParam holds the mouse message.
inline constexpr UINT kTrayIconMessage = WM_APP + 1;

class MenuOwnerWindow : public BaseWindow<MenuOwnerWindow> {
 public:
  explicit MenuOwnerWindow(HINSTANCE instance);
  const MenuPainter& painter() const { return painter_; }

  // Called with the mouse message (WM_RBUTTONUP, ...) of the notification-area icon.
  void SetTrayMouseHandler(std::function<void(UINT)> handler) {
    on_tray_mouse_ = std::move(handler);
  }
  // Called when a new taskbar has come up and knows no icons yet.
  void SetTaskbarCreatedHandler(std::function<void()> handler) {
    on_taskbar_created_ = std::move(handler);
  }

 private:
  friend BaseWindow;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  UINT taskbar_created_ = 0;
  MenuPainter painter_;
  std::function<void(UINT)> on_tray_mouse_;
  std::function<void()> on_taskbar_created_;
};

}  // namespace sorvane::win32

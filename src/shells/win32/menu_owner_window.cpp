#include "shells/win32/menu_owner_window.h"

namespace sorvane::win32 {

MenuOwnerWindow::MenuOwnerWindow(HINSTANCE instance) {
  // A hidden top-level window rather than a message-only one: only a top-level window can
  // become the foreground window, which a popup menu needs to close on a click elsewhere.
  Create(instance, WindowClass{"SorvaneMenuOwner"}, WindowParams{WS_EX_TOOLWINDOW}, "menu window");
  taskbar_created_ = RegisterWindowMessageA("TaskbarCreated");
}

LRESULT MenuOwnerWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
      if (measure->CtlType != ODT_MENU) break;
      painter_.Measure(*measure);
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (draw->CtlType != ODT_MENU) break;
      painter_.Draw(*draw);
      return TRUE;
    }
    case kTrayIconMessage:
      if (on_tray_mouse_) on_tray_mouse_(static_cast<UINT>(LOWORD(lparam)));
      return 0;
    default:
      if (message != 0 && message == taskbar_created_ && on_taskbar_created_) {
        on_taskbar_created_();
        return 0;
      }
      break;
  }
  return DefWindowProcA(handle(), message, wparam, lparam);
}

}  // namespace sorvane::win32

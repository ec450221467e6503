#include "platform/win32/menu_owner_window.h"

#include <stdexcept>

namespace sorvane::win32 {

namespace {

constexpr const char* kClassName = "SorvaneMenuOwner";

void RegisterClassOnce(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw std::runtime_error("Cannot register the menu window class.");
  }
}

}  // namespace

MenuOwnerWindow::MenuOwnerWindow(HINSTANCE instance) {
  RegisterClassOnce(instance, &Procedure);
  // A hidden top-level window rather than a message-only one: only a top-level window can
  // become the foreground window, which a popup menu needs to close on a click elsewhere.
  handle_ = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, instance, nullptr);
  if (handle_ == nullptr) throw std::runtime_error("Cannot create the menu window.");
  SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  taskbar_created_ = RegisterWindowMessageA("TaskbarCreated");
}

MenuOwnerWindow::~MenuOwnerWindow() {
  SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);  // no message reaches a half-destroyed object
  DestroyWindow(handle_);
}

LRESULT CALLBACK MenuOwnerWindow::Procedure(HWND window, UINT message, WPARAM wparam,
                                            LPARAM lparam) {
  auto* self = reinterpret_cast<MenuOwnerWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wparam, lparam);
  return self->Handle(message, wparam, lparam);
}

LRESULT MenuOwnerWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
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
  return DefWindowProcA(handle_, message, wparam, lparam);
}

}  // namespace sorvane::win32

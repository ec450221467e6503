#include "platform/win32/application_window.h"

#include "platform/win32/app_title.h"

namespace sorvane::win32 {

ApplicationWindow::ApplicationWindow(HINSTANCE instance) {
  Create(instance, WindowClass{"SorvaneApplication"}, WindowParams{}, "application window");
  const LONG ex_style = GetWindowLongA(handle(), GWL_EXSTYLE);
  SetWindowLongA(handle(), GWL_EXSTYLE, ex_style | WS_EX_TOOLWINDOW);
  SetWindowTextA(handle(), kAppTitle);
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(handle(), message, wparam, lparam);
}

}  // namespace sorvane::win32

#include "platform/win32/application_window.h"

#include <stdexcept>

#include "platform/win32/app_title.h"

namespace sorvane::win32 {

namespace {

constexpr const char* kClassName = "SorvaneApplication";

void RegisterClassOnce(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw std::runtime_error("Cannot register the application window class.");
  }
}

}  // namespace

ApplicationWindow::ApplicationWindow(HINSTANCE instance) {
  RegisterClassOnce(instance);
  handle_ = CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            instance, nullptr);
  if (handle_ == nullptr) throw std::runtime_error("Cannot create the application window.");
  const LONG ex_style = GetWindowLongA(handle_, GWL_EXSTYLE);
  SetWindowLongA(handle_, GWL_EXSTYLE, ex_style | WS_EX_TOOLWINDOW);
  SetWindowTextA(handle_, kAppTitle);
}

ApplicationWindow::~ApplicationWindow() {
  if (handle_ != nullptr) DestroyWindow(handle_);
}

}  // namespace sorvane::win32

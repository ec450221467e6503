#include "shells/win32/base_window.h"

#include <stdexcept>
#include <string>

namespace sorvane::win32 {

void WindowDestroyer::operator()(HWND window) const {
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
}

void RegisterWindowClass(HINSTANCE instance, const WindowClass& window_class, WNDPROC procedure,
                         const char* what) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hIcon = window_class.icon;
  wc.hCursor = window_class.cursor;
  wc.lpszClassName = window_class.name;
  // No class brush: each window erases its own background, if it shows one.
  if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw std::runtime_error("Cannot register the " + std::string(what) + " class.");
  }
}

void CreateWindowFor(void* self, HINSTANCE instance, const WindowClass& window_class,
                     const WindowParams& params, const char* what) {
  const HWND window =
      CreateWindowExA(params.ex_style, window_class.name, params.title, params.style,
                      params.left, params.top, params.width, params.height, params.owner,
                      nullptr, instance, self);
  if (window == nullptr) throw std::runtime_error("Cannot create the " + std::string(what) + ".");
}

}  // namespace sorvane::win32

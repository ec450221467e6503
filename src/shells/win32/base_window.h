#pragma once
// What every window of the shell has in common, so that each window class says only what is
// its own: the window class registered once, `this` bound to the window at WM_NCCREATE (before
// any other message arrives) and every message handed to the derived class's HandleMessage,
// and the window owned by its object, so the object's end is the window's end.
//
//   class ClockWindow : public BaseWindow<ClockWindow> {
//     friend BaseWindow;
//     LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
//   };
#include <memory>
#include <type_traits>

#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

// Destroys a window, unbound from its object first: the messages of its destruction then
// reach no C++ object that is itself ending.
struct WindowDestroyer {
  void operator()(HWND window) const;
};
using WindowHandle = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// A window class: its name and what every window of it starts with.
struct WindowClass {
  const char* name = "";
  HICON icon = nullptr;
  HCURSOR cursor = nullptr;
};

// How one window is made: the arguments of CreateWindowExA that differ between windows.
struct WindowParams {
  DWORD ex_style = 0;
  const char* title = "";
  DWORD style = WS_POPUP;
  int left = 0, top = 0, width = 0, height = 0;
  HWND owner = nullptr;
};

// Registers the class for `procedure` unless it is registered already. Throws
// std::runtime_error naming `what` (e.g. "clock window") when it cannot.
void RegisterWindowClass(HINSTANCE instance, const WindowClass& window_class, WNDPROC procedure,
                         const char* what);
// Creates a window of a registered class with `self` as its creation parameter. Throws
// std::runtime_error naming `what` when it cannot.
void CreateWindowFor(void* self, HINSTANCE instance, const WindowClass& window_class,
                     const WindowParams& params, const char* what);

template <typename Derived>
class BaseWindow {
 public:
  BaseWindow(const BaseWindow&) = delete;
  BaseWindow& operator=(const BaseWindow&) = delete;

  // Nothing once the window is gone (destroyed by a WM_CLOSE, say).
  HWND handle() const { return window_.get(); }

 protected:
  BaseWindow() = default;
  ~BaseWindow() = default;

  // Registers the class (once) and creates the window; `handle()` is set by the time the
  // first message arrives.
  void Create(HINSTANCE instance, const WindowClass& window_class, const WindowParams& params,
              const char* what) {
    RegisterWindowClass(instance, window_class, &Procedure, what);
    CreateWindowFor(static_cast<Derived*>(this), instance, window_class, params, what);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
      auto* self = static_cast<Derived*>(create->lpCreateParams);
      self->window_.reset(window);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Derived*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wparam, lparam);
    const LRESULT result = self->HandleMessage(message, wparam, lparam);
    if (message == WM_NCDESTROY) {
      // The window is gone: its object lets go of the handle and hears nothing more.
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      static_cast<void>(self->window_.release());
    }
    return result;
  }

  WindowHandle window_;
};

}  // namespace sorvane::win32

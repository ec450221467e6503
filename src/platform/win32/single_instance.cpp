#include "platform/win32/single_instance.h"

#include <cstring>

namespace sorvane::win32 {

bool UnownedWindowTitled(HWND any_top_level, HWND own_app_window, const char* title) {
  for (HWND window = GetWindow(any_top_level, GW_HWNDFIRST); window != nullptr;
       window = GetWindow(window, GW_HWNDNEXT)) {
    if (window == own_app_window || GetWindow(window, GW_OWNER) != nullptr) continue;
    char text[128] = {};
    GetWindowTextA(window, text, sizeof(text));
    if (std::strcmp(text, title) == 0) return true;
  }
  return false;
}

}  // namespace sorvane::win32

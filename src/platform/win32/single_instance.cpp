#include "platform/win32/single_instance.h"

#include <cstring>

namespace sorvane::win32 {

SingleInstanceLock::SingleInstanceLock() : mutex_(CreateMutexA(nullptr, FALSE, kMutexName)) {
  if (mutex_ == nullptr) return;
  // A copy killed while holding it leaves it abandoned; the next one to ask owns it then.
  const DWORD result = WaitForSingleObject(mutex_, 0);
  owned_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
  another_holds_ = result == WAIT_TIMEOUT;
}

SingleInstanceLock::~SingleInstanceLock() {
  if (owned_) ReleaseMutex(mutex_);
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

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

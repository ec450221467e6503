#include "shells/win32/single_instance.h"

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

std::vector<HWND> UnownedWindowsTitled(HWND own_app_window, const char* title) {
  struct Search {
    HWND own;
    const char* title;
    std::vector<HWND> found;
  } search{own_app_window, title, {}};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(context);
        if (window == s.own || GetWindow(window, GW_OWNER) != nullptr) return TRUE;
        char text[128] = {};
        GetWindowTextA(window, text, sizeof(text));
        if (std::strcmp(text, s.title) == 0) s.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace sorvane::win32

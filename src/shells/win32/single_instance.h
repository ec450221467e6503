#pragma once
// The single-instance rule. Copies started together settle it by a named mutex of the
// session, taken before anything else: exactly one of them holds it. A copy that started
// earlier (or a version of the program without the mutex) shows itself by its hidden
// application window, an unowned top-level window carrying the application title.
#include <vector>

#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

// The session's one-copy mutex, taken without waiting; released when this goes (or when
// the process ends in any way, which leaves it abandoned for the next copy to take).
class SingleInstanceLock {
 public:
  static constexpr const char* kMutexName = "Local\\Sorvane.DesktopClock.OneCopy";

  SingleInstanceLock();
  ~SingleInstanceLock();
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

  // True when another copy holds the mutex. A mutex that cannot be had at all (the name
  // taken by another kind of object) holds no one back: the window check remains.
  bool AnotherCopyHoldsIt() const { return another_holds_; }

 private:
  HANDLE mutex_ = nullptr;
  bool owned_ = false;
  bool another_holds_ = false;
};

// The top-level windows other than `own_app_window` that have no owner and are titled
// exactly `title` (case counts; titles longer than 127 characters are compared by their
// first 127), in Z order.
std::vector<HWND> UnownedWindowsTitled(HWND own_app_window, const char* title);

}  // namespace sorvane::win32

#pragma once
#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

// The whole program: application window, clock window, start-up, message loop.
// Returns the process exit code.
int RunClock(HINSTANCE instance);

}  // namespace sorvane::win32

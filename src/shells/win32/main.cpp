// sorvane.exe: the desktop clock.
#include "shells/win32/windows_api.h"

#include <exception>

#include "shells/win32/app_title.h"
#include "shells/win32/run_clock.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  try {
    return sorvane::win32::RunClock(instance);
  } catch (const std::exception& error) {
    // Only the windows themselves failing to appear ends up here.
    MessageBoxA(nullptr, error.what(), sorvane::win32::kAppTitle, MB_OK | MB_ICONSTOP);
    return 1;
  }
}

// sorvane.exe: the desktop clock.
#include "shells/win32/windows_api.h"

#include <exception>

#include "app/program/run_program.h"
#include "shells/win32/app_title.h"
#include "shells/win32/application_window.h"
#include "shells/win32/single_instance.h"
#include "shells/win32/win32_program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace sorvane::win32;
  try {
    // Before any window exists: copies started at the same moment cannot all see each
    // other's windows (and all end) or see none (and all stay). A copy that started earlier
    // without the lock shows itself by its application window.
    const SingleInstanceLock one_copy;
    if (one_copy.AnotherCopyHoldsIt() || !UnownedWindowsTitled(nullptr, kAppTitle).empty()) {
      // End without a word; a clock its user cannot reach shows its menu instead.
      AskRunningCopyForItsMenu(nullptr);
      return 0;
    }
    Win32Program program(instance);
    return sorvane::RunProgram(program);
  } catch (const std::exception& error) {
    // Only the windows themselves failing to appear ends up here.
    MessageBoxA(nullptr, error.what(), kAppTitle, MB_OK | MB_ICONSTOP);
    return 1;
  }
}

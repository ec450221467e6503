// The notification-area icon: added, removed, and added again when a new taskbar comes up.
#include "shells/win32/tray_icon.h"

#include <gtest/gtest.h>
#include <shellapi.h>

namespace sorvane::win32 {
namespace {

// Whether the notification area holds an icon of this window (a change to it succeeds).
bool IconShown(HWND owner) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner;
  data.uID = 1;
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// A program whose tray menu is never asked for here.
struct NoProgram final : ports::ProgramEvents {
  void Tick() override {}
  void TimeChanged() override {}
  void SessionEnding() override {}
  void SessionEnded() override {}
  void ScreensChanged() override {}
  void SecondStart(bool) override {}
  void SmoothEdgesAvailabilityChanged() override {}
  const MenuModel* TrayMenu() override { return nullptr; }
  void TrayMenuItemChosen(int32_t) override {}
};

TEST(TrayIcon, ComesBackWhenTheTaskbarIsCreatedAnew) {
  PopupMenuView view(GetModuleHandleA(nullptr));
  NoProgram program;
  HWND owner = view.owner().handle();
  {
    TrayIcon tray(GetModuleHandleA(nullptr), view, program);
    if (!tray.Add()) GTEST_SKIP() << "no notification area on this desktop";
    EXPECT_TRUE(IconShown(owner));

    // A restarted taskbar knows no icons; it tells every window so.
    NOTIFYICONDATAA gone{};
    gone.cbSize = sizeof(gone);
    gone.hWnd = owner;
    gone.uID = 1;
    Shell_NotifyIconA(NIM_DELETE, &gone);
    ASSERT_FALSE(IconShown(owner));
    SendMessageA(owner, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(IconShown(owner));
  }
  EXPECT_FALSE(IconShown(owner)) << "the icon goes with the program";
}

}  // namespace
}  // namespace sorvane::win32

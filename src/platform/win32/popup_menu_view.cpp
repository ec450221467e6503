#include "platform/win32/popup_menu_view.h"

#include <memory>
#include <type_traits>

namespace sorvane::win32 {

namespace {

struct MenuDeleter {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using MenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

}  // namespace

HMENU BuildPopupMenu() {
  HMENU menu = CreatePopupMenu();
  if (menu != nullptr) AppendMenuA(menu, MF_STRING, kCloseCommand, "Close");
  return menu;
}

void PopupMenuView::PopupAt(int32_t screen_x, int32_t screen_y) {
  MenuHandle menu(BuildPopupMenu());
  if (!menu) return;
  // A popup menu closes on a click elsewhere only when its owner is the foreground window.
  SetForegroundWindow(owner_);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, screen_x,
      screen_y, 0, owner_, nullptr));
  PostMessageA(owner_, WM_NULL, 0, 0);
  if (chosen != 0 && on_command_) on_command_(chosen);
}

}  // namespace sorvane::win32

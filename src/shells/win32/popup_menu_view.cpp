#include "shells/win32/popup_menu_view.h"

#include "shells/win32/menu_builder.h"

namespace sorvane::win32 {

// The item data points into the model: nothing changes it while the menu is open, as the
// chosen command runs only after TrackPopupMenu has returned.
int32_t PopupMenuView::PopupAt(const MenuModel& model, Point screen) {
  MenuHandle menu = BuildPopupMenu(model.Items());
  // A popup menu closes on a click elsewhere only when its owner is the foreground window.
  SetForegroundWindow(owner_.handle());
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                     screen.x, screen.y, 0, owner_.handle(), nullptr));
  // Lets the owner's message queue move on, so the next click on the icon opens the menu.
  PostMessageA(owner_.handle(), WM_NULL, 0, 0);
  return static_cast<int32_t>(chosen);
}

int32_t PopupMenuView::PopupAtPointer(const MenuModel& model) {
  POINT cursor{};
  GetCursorPos(&cursor);
  return PopupAt(model, {cursor.x, cursor.y});
}

}  // namespace sorvane::win32

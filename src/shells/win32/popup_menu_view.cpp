#include "shells/win32/popup_menu_view.h"

#include "shells/win32/menu_builder.h"

namespace sorvane::win32 {

void PopupMenuView::PopupAt(int32_t screen_x, int32_t screen_y) {
  const MenuModel* model = model_ ? model_() : nullptr;
  if (model == nullptr) return;
  // The item data points into the model: nothing changes it while the menu is open, as the
  // chosen command runs only after TrackPopupMenu has returned.
  MenuHandle menu = BuildPopupMenu(model->Items());
  // A popup menu closes on a click elsewhere only when its owner is the foreground window.
  SetForegroundWindow(owner_.handle());
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                     screen_x, screen_y, 0, owner_.handle(), nullptr));
  // Lets the owner's message queue move on, so the next click on the icon opens the menu.
  PostMessageA(owner_.handle(), WM_NULL, 0, 0);
  menu.reset();
  if (chosen != 0 && on_command_) on_command_(chosen);
}

void PopupMenuView::PopupAtPointer() {
  POINT cursor{};
  GetCursorPos(&cursor);
  PopupAt(cursor.x, cursor.y);
}

}  // namespace sorvane::win32

#pragma once
// A clock's popup menu, built afresh from its menu model each time it opens so that its
// check marks and enabled states are those of the moment, and shown modally at a point.
#include "app/ports/shell.h"
#include "shells/win32/menu_owner_window.h"
#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

class PopupMenuView final : public ports::MenuView {
 public:
  explicit PopupMenuView(HINSTANCE instance) : owner_(instance) {}

  MenuOwnerWindow& owner() { return owner_; }

  // Shows the menu modally and gives back the chosen item's id, 0 for none.
  int32_t PopupAt(const MenuModel& menu, Point screen) override;
  int32_t PopupAtPointer(const MenuModel& menu) override;

 private:
  MenuOwnerWindow owner_;
};

}  // namespace sorvane::win32

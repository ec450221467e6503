#pragma once
// Turns the menu model into a Windows popup menu. Every item is owner-drawn, yet keeps its
// caption as the item's text, so GetMenuStringA and accessibility tools still read it and
// the menu's own "&" keyboard handling finds the accelerator letters.
#include <memory>
#include <type_traits>

#include "app/ports/menu_model.h"
#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

struct MenuDeleter {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using MenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

// A new popup menu of these items, with a submenu for every submenu item. The item data
// of each entry points to its model item, which must outlive the menu.
MenuHandle BuildPopupMenu(const std::vector<MenuItem>& items);

}  // namespace sorvane::win32

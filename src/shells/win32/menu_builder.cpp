#include "shells/win32/menu_builder.h"

#include <stdexcept>

namespace sorvane::win32 {

namespace {

UINT TypeOf(const MenuItem& item) {
  UINT type = MFT_OWNERDRAW;
  if (item.kind == MenuItemKind::Separator) type |= MFT_SEPARATOR;
  if (item.radio) type |= MFT_RADIOCHECK;
  return type;
}

UINT StateOf(const MenuItem& item) {
  UINT state = 0;
  if (item.checked) state |= MFS_CHECKED;
  if (!item.enabled) state |= MFS_DISABLED;
  return state;
}

void AppendItem(HMENU menu, const MenuItem& item) {
  MenuHandle submenu;
  if (item.kind == MenuItemKind::Submenu) submenu = BuildPopupMenu(item.children);

  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
  info.fType = TypeOf(item);
  info.fState = StateOf(item);
  info.wID = static_cast<UINT>(item.id);
  info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
  if (item.kind != MenuItemKind::Separator) {
    info.fMask |= MIIM_STRING;
    // The menu copies the text; the cast only satisfies the structure's non-const field.
    info.dwTypeData = const_cast<char*>(item.caption.c_str());
  }
  if (submenu) {
    info.fMask |= MIIM_SUBMENU;
    info.hSubMenu = submenu.get();
  }
  const UINT position = static_cast<UINT>(GetMenuItemCount(menu));
  if (!InsertMenuItemA(menu, position, TRUE, &info)) {
    throw std::runtime_error("Cannot build the popup menu.");
  }
  submenu.release();  // now destroyed with its parent
}

}  // namespace

MenuHandle BuildPopupMenu(const std::vector<MenuItem>& items) {
  MenuHandle menu(CreatePopupMenu());
  if (!menu) throw std::runtime_error("Cannot create the popup menu.");
  for (const MenuItem& item : items) AppendItem(menu.get(), item);
  return menu;
}

}  // namespace sorvane::win32

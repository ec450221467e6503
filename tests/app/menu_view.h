#pragma once
// The popup menu written out the way a user sees it: one line per item, submenus indented
// by two blanks, accelerator marks removed. A checked radio item shows "(*)", a checked
// check item "[x]", an unchecked one "[ ]"; a disabled item ends in " (disabled)".
#include <string>

#include "app/ports/menu_model.h"
#include "files/tokenizer.h"

namespace sorvane::testing {

inline void RenderItems(const std::vector<MenuItem>& items, int depth, std::string& out) {
  for (const MenuItem& item : items) {
    out.append(static_cast<size_t>(depth) * 2, ' ');
    if (item.radio) out += item.checked ? "(*) " : "( ) ";
    if (item.checkable) out += item.checked ? "[x] " : "[ ] ";
    out += item.kind == MenuItemKind::Separator ? "-----" : StripAmpersands(item.caption);
    if (item.kind == MenuItemKind::Submenu) out += " >";
    if (!item.enabled) out += " (disabled)";
    out += '\n';
    RenderItems(item.children, depth + 1, out);
  }
}

inline std::string Render(const MenuModel& menu) {
  std::string out;
  RenderItems(menu.Items(), 0, out);
  return out;
}

}  // namespace sorvane::testing

#pragma once
// The clock's menu model drawn into a QMenu: captions with their accelerator marks, check
// marks, radio groups, disabled items and submenus as the model has them. Every action
// carries its item's id.
#include <QMenu>
#include <vector>

#include "app/ports/menu_model.h"

namespace sorvane::qt {

// Appends the actions of `items` to `menu`. The chosen item's id is the data of the action
// that QMenu::exec returns or QMenu::triggered reports, submenus included.
void BuildMenu(QMenu& menu, const std::vector<MenuItem>& items);

// Empties a built menu: its actions, submenus and radio groups (QMenu::clear alone leaves
// the last two behind, and a menu filled at every opening would grow).
void ClearMenu(QMenu& menu);

// The id an action of a built menu stands for; 0 (no item) for any other action.
int32_t ItemIdOf(const QAction* action);

}  // namespace sorvane::qt

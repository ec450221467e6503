// Finding items in the menu tree and keeping their check marks and enabled states.
#include "app/ports/menu_model.h"

#include <stdexcept>

namespace sorvane {

namespace {

template <typename Item>
Item* FindIn(std::vector<Item>& items, int32_t id) {
  for (Item& item : items) {
    if (item.id == id) return &item;
    if (Item* found = FindIn(item.children, id)) return found;
  }
  return nullptr;
}

template <typename Item>
const Item* FindIn(const std::vector<Item>& items, int32_t id) {
  for (const Item& item : items) {
    if (item.id == id) return &item;
    if (const Item* found = FindIn(item.children, id)) return found;
  }
  return nullptr;
}

MenuItem* ParentIn(std::vector<MenuItem>& items, int32_t id) {
  for (MenuItem& item : items) {
    for (const MenuItem& child : item.children) {
      if (child.id == id) return &item;
    }
    if (MenuItem* found = ParentIn(item.children, id)) return found;
  }
  return nullptr;
}

}  // namespace

const MenuItem* MenuModel::Find(int32_t id) const {
  return FindIn(items_, id);
}
MenuItem* MenuModel::Find(int32_t id) {
  return FindIn(items_, id);
}

const MenuItem& MenuModel::At(int32_t id) const {
  const MenuItem* item = Find(id);
  if (item == nullptr) throw std::out_of_range("no menu item " + std::to_string(id));
  return *item;
}

MenuItem& MenuModel::At(int32_t id) {
  MenuItem* item = Find(id);
  if (item == nullptr) throw std::out_of_range("no menu item " + std::to_string(id));
  return *item;
}

MenuItem* MenuModel::ParentOf(int32_t id) {
  return ParentIn(items_, id);
}

std::vector<MenuItem>& MenuModel::SiblingsOf(int32_t id) {
  MenuItem* parent = ParentOf(id);
  return parent != nullptr ? parent->children : items_;
}

void MenuModel::SetChecked(int32_t id, bool checked) {
  MenuItem& item = At(id);
  if (checked && item.radio) {
    for (MenuItem& sibling : SiblingsOf(id)) {
      if (sibling.radio && sibling.group == item.group) sibling.checked = false;
    }
  }
  item.checked = checked;
}

bool MenuModel::ToggleChecked(int32_t id) {
  const bool checked = !At(id).checked;
  SetChecked(id, checked);
  return checked;
}

void MenuModel::SetEnabled(int32_t id, bool enabled) {
  At(id).enabled = enabled;
}

}  // namespace sorvane

#pragma once
// The popup menu as data: a tree of items with captions, Tags, radio groups, check and
// enabled states. The clock keeps the check marks in step with its profile; the Windows
// shell draws the menu from this tree and hands the chosen item's id back to the clock.
#include <cstdint>
#include <string>
#include <vector>

namespace sorvane {

enum class MenuItemKind { Title, Separator, Submenu, Command };

// Which of the clock's handlers a command item calls.
enum class MenuHandler {
  None,
  Huge1Click,
  Showseconds2Click,
  ShowSeconds1Click,
  ShowDate1Click,
  EnableAnalogClock1Click,
  N24HFormat1Click,
  N12HFormat1Click,
  N41Click,
  Clockcolor1Click,
  Timecolor1Click,
  ChooseFont1Click,
  Skins1Click,
  Help1Click,
  WebLink1Click,
  WebLink2Click,
  WebLink3Click,
  Close1Click,
};

struct MenuItem {
  int32_t id = 0;       // the command id of the item; unique, never 0
  std::string name;     // the component name, e.g. "ShowSeconds2"
  std::string caption;  // may hold "&" accelerator marks
  int32_t Tag = 0;
  int32_t GroupIndex = 0;
  MenuItemKind kind = MenuItemKind::Command;
  bool RadioItem = false;  // excludes the other radio items of its submenu and group
  bool CheckItem = false;  // an on/off item that shows a check mark when on
  bool Checked = false;
  bool Enabled = true;
  MenuHandler handler = MenuHandler::None;
  std::vector<MenuItem> children;  // the items of a submenu, in display order
};

class MenuModel {
 public:
  // The items of the popup menu itself, in display order.
  const std::vector<MenuItem>& Items() const { return items_; }
  std::vector<MenuItem>& Items() { return items_; }

  // The item with this id anywhere in the tree; nullptr when there is none.
  const MenuItem* Find(int32_t id) const;
  MenuItem* Find(int32_t id);
  // The item with this id; throws std::out_of_range when there is none.
  const MenuItem& At(int32_t id) const;
  MenuItem& At(int32_t id);
  // The submenu holding this item; nullptr for a top-level or unknown item.
  MenuItem* ParentOf(int32_t id);

  // Sets the check mark. Checking a radio item unchecks the radio items of the same
  // submenu and group.
  void SetChecked(int32_t id, bool checked);
  // Inverts the check mark and returns the new state.
  bool ToggleChecked(int32_t id);
  void SetEnabled(int32_t id, bool enabled);

 private:
  std::vector<MenuItem>& SiblingsOf(int32_t id);

  std::vector<MenuItem> items_;
};

}  // namespace sorvane

#pragma once
// The popup menu as data: a tree of items with captions, tags, radio groups, check and
// enabled states. The clock keeps the check marks in step with its profile; the Windows
// shell draws the menu from this tree and hands the chosen item's id back to the clock.
#include <cstdint>
#include <string>
#include <vector>

namespace sorvane {

enum class MenuItemKind { Title, Separator, Submenu, Command };

// What a command item does: each value names the command it runs (the two
// enable items and the two hour formats pass their choice; sizes, date formats and skins
// their tag; web links their number).
enum class MenuCommand {
  None,
  ChooseSize,
  ToggleAnalogSeconds,
  ToggleDigitalSeconds,
  ToggleDate,
  ToggleAnalogFace,
  ToggleDigitalFace,
  ChooseHours24,
  ChooseHours12,
  ChooseDateFormat,
  ChooseAnalogColor,
  ChooseDigitalColor,
  ChooseFont,
  ChooseSkin,
  OpenHelp,
  OpenWebLink,
  SaveAndClose,
  ToggleLoginStart,
  ToggleSmoothEdges,
  ChooseOpacity,  // the item's tag is the percent
  ChooseTimeZone,
  EditLabel,
  NewClock,
  RemoveClock,
};

struct MenuItem {
  int32_t id = 0;       // the command id of the item; unique, never 0
  std::string name;     // the component name, e.g. "ShowSeconds2"
  std::string caption;  // may hold "&" accelerator marks
  int32_t tag = 0;      // a size's row, a date format's number, a skin's index
  int32_t group = 0;    // radio items exclude each other within a submenu and group
  MenuItemKind kind = MenuItemKind::Command;
  bool radio = false;      // excludes the other radio items of its submenu and group
  bool checkable = false;  // an on/off item that shows a check mark when on
  bool checked = false;
  bool enabled = true;
  MenuCommand command = MenuCommand::None;
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

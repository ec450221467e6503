#include "app/menu_tree.h"

#include <algorithm>
#include <utility>

#include "app/web_links.h"
#include "geometry/clock_sizes.h"

namespace sorvane {

namespace {

// Captions of the Size items in menu order, with their accelerator marks, and the rows of
// kClockSizes they stand for.
struct SizeEntry {
  const char* name;
  const char* caption;
  int32_t row;
};
constexpr std::array<SizeEntry, 7> kSizeEntries{{
    {"FullScreen1", "&FullScreen", 7},
    {"Huge1", "&Huge", 1},
    {"Large1", "&Large", 2},
    {"Medium1", "&Medium", 3},
    {"Small1", "&Small", 4},
    {"Tiny1", "&Tiny", 5},
    {"SuperTiny1", "S&uperTiny", 6},
}};

MenuItem Command(int32_t id, std::string name, std::string caption, MenuHandler handler) {
  MenuItem item;
  item.id = id;
  item.name = std::move(name);
  item.caption = std::move(caption);
  item.handler = handler;
  return item;
}

MenuItem Check(int32_t id, std::string name, std::string caption, MenuHandler handler) {
  MenuItem item = Command(id, std::move(name), std::move(caption), handler);
  item.CheckItem = true;
  return item;
}

MenuItem Radio(int32_t id, std::string name, std::string caption, int32_t group,
               MenuHandler handler) {
  MenuItem item = Command(id, std::move(name), std::move(caption), handler);
  item.RadioItem = true;
  item.GroupIndex = group;
  return item;
}

MenuItem Submenu(int32_t id, std::string name, std::string caption,
                 std::vector<MenuItem> children) {
  MenuItem item = Command(id, std::move(name), std::move(caption), MenuHandler::None);
  item.kind = MenuItemKind::Submenu;
  item.children = std::move(children);
  return item;
}

// Separators are numbered in the order they are made, which is display order.
class TreeBuilder {
 public:
  MenuItem Separator(int32_t tag = 0, int32_t group = 0) {
    ++separators_;
    MenuItem item = Command(menu_id::FirstSeparator + separators_, SeparatorName(separators_),
                            std::string(1, '-'), MenuHandler::None);
    item.kind = MenuItemKind::Separator;
    item.Tag = tag;
    item.GroupIndex = group;
    return item;
  }

 private:
  static std::string SeparatorName(int32_t number) {
    std::string name(1, 'N');
    name.append(std::to_string(number));
    return name;
  }

  int32_t separators_ = 0;
};

MenuItem WithTag(MenuItem item, int32_t tag) {
  item.Tag = tag;
  return item;
}

MenuItem WithGroup(MenuItem item, int32_t group) {
  item.GroupIndex = group;
  return item;
}

MenuItem AnalogSubmenu(TreeBuilder& b) {
  constexpr int32_t tag = kFixedAnalogItemTag;
  return Submenu(menu_id::AnalogClock2, "AnalogClock2", "Analog Clock",
                 {WithTag(Check(menu_id::EnableAnalogClock1, "EnableAnalogClock1",
                                "Enable Analog Clock", MenuHandler::EnableAnalogClock1Click),
                          tag),
                  b.Separator(tag),
                  WithTag(Check(menu_id::ShowSeconds2, "ShowSeconds2", "Show Seconds",
                                MenuHandler::Showseconds2Click),
                          tag),
                  b.Separator(tag)});
}

MenuItem DateFormatItem(int32_t number) {
  const std::string text = std::to_string(number);
  return WithTag(
      Radio(menu_id::DateFormat(number), "DateFormatItem" + text, text, 0, MenuHandler::N41Click),
      number);
}

MenuItem DateFormatSubmenu(TreeBuilder& b) {
  std::vector<MenuItem> items{DateFormatItem(1), DateFormatItem(2), b.Separator()};
  for (int32_t n = 3; n <= 6; ++n) items.push_back(DateFormatItem(n));
  items.push_back(b.Separator());
  for (int32_t n = 7; n <= 10; ++n) items.push_back(DateFormatItem(n));
  return WithGroup(Submenu(menu_id::DateFormat1, "DateFormat1", "Date Format", std::move(items)),
                   2);
}

MenuItem DigitalSubmenu(TreeBuilder& b) {
  std::vector<MenuItem> items;
  items.push_back(Check(menu_id::EnableDigitalClock1, "EnableDigitalClock1", "Enable Digital Clock",
                        MenuHandler::EnableAnalogClock1Click));
  items.push_back(b.Separator());
  items.push_back(
      Check(menu_id::ShowSeconds1, "ShowSeconds1", "Show Seconds", MenuHandler::ShowSeconds1Click));
  items.push_back(b.Separator(0, 2));
  items.push_back(WithGroup(
      Check(menu_id::ShowDate1, "ShowDate1", "Show Date", MenuHandler::ShowDate1Click), 2));
  items.push_back(DateFormatSubmenu(b));
  items.push_back(b.Separator(0, 2));
  MenuItem n24 =
      Radio(menu_id::N24HFormat1, "N24HFormat1", "24H Format", 2, MenuHandler::N24HFormat1Click);
  n24.Checked = true;
  items.push_back(std::move(n24));
  items.push_back(
      Radio(menu_id::N12HFormat1, "N12HFormat1", "12H Format", 2, MenuHandler::N12HFormat1Click));
  items.push_back(b.Separator(0, 2));
  items.push_back(WithGroup(
      Command(menu_id::ChooseFont1, "ChooseFont1", "Font", MenuHandler::ChooseFont1Click), 2));
  return Submenu(menu_id::DigitalClock2, "DigitalClock2", "Digital Clock", std::move(items));
}

MenuItem ColorSubmenu() {
  return Submenu(menu_id::Color1, "Color1", "Color",
                 {Command(menu_id::SetClockColor1, "SetClockColor1", "Set Analog Color",
                          MenuHandler::Clockcolor1Click),
                  Command(menu_id::SetDateColor1, "SetDateColor1", "Set Digital Color",
                          MenuHandler::Timecolor1Click)});
}

MenuItem SizeSubmenu() {
  std::vector<MenuItem> items;
  for (const SizeEntry& entry : kSizeEntries) {
    MenuItem item = WithTag(
        Radio(menu_id::Size(entry.row), entry.name, entry.caption, 1, MenuHandler::Huge1Click),
        entry.row);
    item.Checked = entry.row == 4;  // "Small" until the profile says otherwise
    items.push_back(std::move(item));
  }
  return Submenu(menu_id::Size1, "Size1", "Size", std::move(items));
}

MenuItem WebLinksSubmenu(TreeBuilder& b) {
  constexpr std::array<MenuHandler, 3> handlers{
      MenuHandler::WebLink1Click, MenuHandler::WebLink2Click, MenuHandler::WebLink3Click};
  std::vector<MenuItem> items;
  for (size_t i = 0; i < kWebLinks.size(); ++i) {
    const WebLink& link = kWebLinks[i];
    items.push_back(Command(menu_id::WebLink(static_cast<int32_t>(i) + 1), std::string(link.name),
                            std::string(link.caption), handlers[i]));
    if (i == 0) items.push_back(b.Separator());
  }
  return Submenu(menu_id::WebLinks1, "WebLinks1", std::string(kWebLinksCaption), std::move(items));
}

bool IsSkinItem(const MenuItem& item) {
  return item.id >= menu_id::FirstSkin;
}

}  // namespace

MenuModel BuildClockMenu() {
  TreeBuilder b;
  MenuModel menu;
  std::vector<MenuItem>& items = menu.Items();
  MenuItem title = Command(menu_id::TitleItem, "TitleItem", "Sorvane", MenuHandler::None);
  title.kind = MenuItemKind::Title;
  title.Enabled = false;
  items.push_back(std::move(title));
  items.push_back(b.Separator());
  items.push_back(AnalogSubmenu(b));
  items.push_back(DigitalSubmenu(b));
  items.push_back(ColorSubmenu());
  items.push_back(SizeSubmenu());
  items.push_back(b.Separator());
  items.push_back(Command(menu_id::Help1, "Help1", "Help", MenuHandler::Help1Click));
  items.push_back(WebLinksSubmenu(b));
  items.push_back(b.Separator());
  items.push_back(Command(menu_id::Close1, "Close1", "Close", MenuHandler::Close1Click));
  return menu;
}

void SetDateFormatCaptions(MenuModel& menu, const std::array<std::string, 11>& captions) {
  for (int32_t n = 1; n <= 10; ++n) {
    menu.At(menu_id::DateFormat(n)).caption = captions[static_cast<size_t>(n)];
  }
}

void AddSkinItem(MenuModel& menu, const std::string& name, int32_t index) {
  if (index < 0 || index > menu_id::LastSkin - menu_id::FirstSkin) return;
  MenuItem item = WithTag(Radio(menu_id::Skin(index), "Skin" + std::to_string(index), name, 0,
                                MenuHandler::Skins1Click),
                          index);
  menu.At(menu_id::AnalogClock2).children.push_back(std::move(item));
}

void RemoveSkinItems(MenuModel& menu) {
  std::vector<MenuItem>& items = menu.At(menu_id::AnalogClock2).children;
  items.erase(std::remove_if(items.begin(), items.end(), IsSkinItem), items.end());
}

}  // namespace sorvane

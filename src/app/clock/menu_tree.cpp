#include "app/clock/menu_tree.h"

#include <algorithm>
#include <utility>

#include "app/clock/web_links.h"
#include "files/profile.h"
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

MenuItem Command(int32_t id, std::string name, std::string caption, MenuCommand command) {
  MenuItem item;
  item.id = id;
  item.name = std::move(name);
  item.caption = std::move(caption);
  item.command = command;
  return item;
}

MenuItem Check(int32_t id, std::string name, std::string caption, MenuCommand command) {
  MenuItem item = Command(id, std::move(name), std::move(caption), command);
  item.checkable = true;
  return item;
}

MenuItem Radio(int32_t id, std::string name, std::string caption, int32_t group,
               MenuCommand command) {
  MenuItem item = Command(id, std::move(name), std::move(caption), command);
  item.radio = true;
  item.group = group;
  return item;
}

MenuItem Submenu(int32_t id, std::string name, std::string caption,
                 std::vector<MenuItem> children) {
  MenuItem item = Command(id, std::move(name), std::move(caption), MenuCommand::None);
  item.kind = MenuItemKind::Submenu;
  item.children = std::move(children);
  return item;
}

// Separators are numbered in the order they are made, which is display order.
class TreeBuilder {
 public:
  MenuItem Separator(int32_t tag = 0, int32_t group = 0) {
    ++separators_;
    MenuItem item = Command(menu_id::SeparatorBase + separators_, SeparatorName(separators_),
                            std::string(1, '-'), MenuCommand::None);
    item.kind = MenuItemKind::Separator;
    item.tag = tag;
    item.group = group;
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
  item.tag = tag;
  return item;
}

MenuItem WithGroup(MenuItem item, int32_t group) {
  item.group = group;
  return item;
}

MenuItem AnalogSubmenu(TreeBuilder& b) {
  constexpr int32_t tag = kFixedAnalogItemTag;
  return Submenu(menu_id::AnalogSubmenu, "AnalogClock2", "Analog Clock",
                 {WithTag(Check(menu_id::EnableAnalog, "EnableAnalogClock1", "Enable Analog Clock",
                                MenuCommand::ToggleAnalogFace),
                          tag),
                  b.Separator(tag),
                  WithTag(Check(menu_id::AnalogSeconds, "ShowSeconds2", "Show Seconds",
                                MenuCommand::ToggleAnalogSeconds),
                          tag),
                  b.Separator(tag)});
}

MenuItem DateFormatEntry(int32_t number) {
  const std::string text = std::to_string(number);
  return WithTag(Radio(menu_id::DateFormatItem(number), "DateFormatItem" + text, text, 0,
                       MenuCommand::ChooseDateFormat),
                 number);
}

MenuItem DateFormatSubmenu(TreeBuilder& b) {
  std::vector<MenuItem> items{DateFormatEntry(1), DateFormatEntry(2), b.Separator()};
  for (int32_t n = 3; n <= 6; ++n) items.push_back(DateFormatEntry(n));
  items.push_back(b.Separator());
  for (int32_t n = 7; n <= 10; ++n) items.push_back(DateFormatEntry(n));
  return WithGroup(
      Submenu(menu_id::DateFormatSubmenu, "DateFormat1", "Date Format", std::move(items)), 2);
}

MenuItem DigitalSubmenu(TreeBuilder& b) {
  std::vector<MenuItem> items;
  items.push_back(Check(menu_id::EnableDigital, "EnableDigitalClock1", "Enable Digital Clock",
                        MenuCommand::ToggleDigitalFace));
  items.push_back(b.Separator());
  items.push_back(Check(menu_id::DigitalSeconds, "ShowSeconds1", "Show Seconds",
                        MenuCommand::ToggleDigitalSeconds));
  items.push_back(b.Separator(0, 2));
  items.push_back(
      WithGroup(Check(menu_id::ShowDate, "ShowDate1", "Show Date", MenuCommand::ToggleDate), 2));
  items.push_back(DateFormatSubmenu(b));
  items.push_back(b.Separator(0, 2));
  MenuItem n24 =
      Radio(menu_id::Hours24, "N24HFormat1", "24H Format", 2, MenuCommand::ChooseHours24);
  n24.checked = true;
  items.push_back(std::move(n24));
  items.push_back(
      Radio(menu_id::Hours12, "N12HFormat1", "12H Format", 2, MenuCommand::ChooseHours12));
  items.push_back(b.Separator(0, 2));
  items.push_back(
      WithGroup(Command(menu_id::Font, "ChooseFont1", "Font", MenuCommand::ChooseFont), 2));
  return Submenu(menu_id::DigitalSubmenu, "DigitalClock2", "Digital Clock", std::move(items));
}

MenuItem OpacitySubmenu() {
  std::vector<MenuItem> items;
  for (const int32_t percent : kOpacities) {
    const std::string text = std::to_string(percent);
    MenuItem item = WithTag(Radio(menu_id::OpacityItem(percent), "Opacity" + text, text + " %", 3,
                                  MenuCommand::ChooseOpacity),
                            percent);
    item.checked = percent == 100;
    items.push_back(std::move(item));
  }
  return Submenu(menu_id::OpacitySubmenu, "Opacity1", "Opacity", std::move(items));
}

// The look items come last, so the colour items keep their places.
MenuItem ColorSubmenu(TreeBuilder& b) {
  return Submenu(menu_id::ColorSubmenu, "Color1", "Color",
                 {Command(menu_id::AnalogColor, "SetClockColor1", "Set Analog Color",
                          MenuCommand::ChooseAnalogColor),
                  Command(menu_id::DigitalColor, "SetDateColor1", "Set Digital Color",
                          MenuCommand::ChooseDigitalColor),
                  b.Separator(), OpacitySubmenu()});
}

MenuItem SizeSubmenu() {
  std::vector<MenuItem> items;
  for (const SizeEntry& entry : kSizeEntries) {
    MenuItem item = WithTag(
        Radio(menu_id::SizeItem(entry.row), entry.name, entry.caption, 1, MenuCommand::ChooseSize),
        entry.row);
    item.checked = entry.row == 4;  // "Small" until the profile says otherwise
    items.push_back(std::move(item));
  }
  return Submenu(menu_id::SizeSubmenu, "Size1", "Size", std::move(items));
}

MenuItem WebLinksSubmenu(TreeBuilder& b) {
  std::vector<MenuItem> items;
  for (size_t i = 0; i < kWebLinks.size(); ++i) {
    const WebLink& link = kWebLinks[i];
    items.push_back(Command(menu_id::WebLinkItem(static_cast<int32_t>(i) + 1),
                            std::string(link.name), std::string(link.caption),
                            MenuCommand::OpenWebLink));
    if (i == 0) items.push_back(b.Separator());
  }
  return Submenu(menu_id::WebLinksSubmenu, "WebLinks1", std::string(kWebLinksCaption),
                 std::move(items));
}

// The items of one clock among several: its zone and label, and the clocks themselves.
void AppendWorldClockItems(std::vector<MenuItem>& items) {
  items.push_back(
      Command(menu_id::TimeZone, "TimeZone1", "Time Zone...", MenuCommand::ChooseTimeZone));
  items.push_back(Command(menu_id::Label, "Label1", "Label...", MenuCommand::EditLabel));
  items.push_back(Command(menu_id::NewClock, "NewClock1", "New Clock", MenuCommand::NewClock));
  items.push_back(
      Command(menu_id::RemoveClock, "RemoveClock1", "Remove Clock", MenuCommand::RemoveClock));
}

bool IsSkinItem(const MenuItem& item) {
  return item.id >= menu_id::FirstSkinItem;
}

}  // namespace

MenuModel BuildClockMenu() {
  TreeBuilder b;
  MenuModel menu;
  std::vector<MenuItem>& items = menu.Items();
  MenuItem title = Command(menu_id::Title, "TitleItem", "Sorvane", MenuCommand::None);
  title.kind = MenuItemKind::Title;
  title.enabled = false;
  items.push_back(std::move(title));
  items.push_back(b.Separator());
  items.push_back(AnalogSubmenu(b));
  items.push_back(DigitalSubmenu(b));
  items.push_back(ColorSubmenu(b));
  items.push_back(SizeSubmenu());
  items.push_back(b.Separator());
  AppendWorldClockItems(items);
  items.push_back(b.Separator());
  items.push_back(Command(menu_id::Help, "Help1", "Help", MenuCommand::OpenHelp));
  items.push_back(WebLinksSubmenu(b));
  items.push_back(b.Separator());
  items.push_back(Command(menu_id::Close, "Close1", "Close", MenuCommand::SaveAndClose));
  return menu;
}

void SetDateFormatCaptions(MenuModel& menu, const std::array<std::string, 11>& captions) {
  for (int32_t n = 1; n <= 10; ++n) {
    menu.At(menu_id::DateFormatItem(n)).caption = captions[static_cast<size_t>(n)];
  }
}

void AddLoginStartItem(MenuModel& menu, const std::string& caption) {
  std::vector<MenuItem>& items = menu.Items();
  const auto help = std::find_if(items.begin(), items.end(),
                                 [](const MenuItem& item) { return item.id == menu_id::Help; });
  items.insert(
      help, Check(menu_id::StartAtLogin, "StartAtLogin1", caption, MenuCommand::ToggleLoginStart));
}

void AddSmoothEdgesItem(MenuModel& menu) {
  std::vector<MenuItem>& items = menu.At(menu_id::ColorSubmenu).children;
  const auto opacity = std::find_if(items.begin(), items.end(), [](const MenuItem& item) {
    return item.id == menu_id::OpacitySubmenu;
  });
  items.insert(opacity, Check(menu_id::SmoothEdges, "SmoothEdges1", "Smooth Edges",
                              MenuCommand::ToggleSmoothEdges));
}

void RemoveSmoothEdgesItem(MenuModel& menu) {
  std::vector<MenuItem>& items = menu.At(menu_id::ColorSubmenu).children;
  std::erase_if(items, [](const MenuItem& item) { return item.id == menu_id::SmoothEdges; });
}

void AddSkinItem(MenuModel& menu, const std::string& name, int32_t index) {
  if (index < 0 || index > menu_id::LastSkinItem - menu_id::FirstSkinItem) return;
  MenuItem item = WithTag(Radio(menu_id::SkinItem(index), "Skin" + std::to_string(index), name, 0,
                                MenuCommand::ChooseSkin),
                          index);
  menu.At(menu_id::AnalogSubmenu).children.push_back(std::move(item));
}

void RemoveSkinItems(MenuModel& menu) {
  std::vector<MenuItem>& items = menu.At(menu_id::AnalogSubmenu).children;
  items.erase(std::remove_if(items.begin(), items.end(), IsSkinItem), items.end());
}

}  // namespace sorvane

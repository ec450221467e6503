// The popup menu as built and as a user sees it after start-up.
#include "app/clock/menu_tree.h"

#include <fstream>
#include <functional>
#include <set>

#include "app/clock/web_links.h"
#include "clock_fixture.h"
#include "geometry/clock_sizes.h"
#include "menu_view.h"

namespace sorvane::testing {
namespace {

using MenuTree = ClockTest;

constexpr const char* kStartedMenu =
    "Sorvane (disabled)\n"
    "-----\n"
    "Analog Clock >\n"
    "  [x] Enable Analog Clock\n"
    "  -----\n"
    "  [ ] Show Seconds\n"
    "  -----\n"
    "  ( )  Station\n"
    "  (*)  Ring\n"
    "Digital Clock >\n"
    "  [ ] Enable Digital Clock\n"
    "  -----\n"
    "  [ ] Show Seconds\n"
    "  -----\n"
    "  [ ] Show Date\n"
    "  Date Format >\n"
    "    ( ) 12/31/2002\n"
    "    ( ) Tuesday, December 31, 2002\n"
    "    -----\n"
    "    ( ) 12/31/02\n"
    "    ( ) 12/31/2002\n"
    "    ( ) 12/31/02 Tue\n"
    "    ( ) 12/31/2002 Tue\n"
    "    -----\n"
    "    (*) 31 Dec 2002\n"
    "    ( ) 31 Dec 2002 Tue\n"
    "    ( ) December 31, 2002\n"
    "    ( ) December 31, 2002 Tue\n"
    "  -----\n"
    "  (*) 24H Format (disabled)\n"
    "  ( ) 12H Format (disabled)\n"
    "  -----\n"
    "  Font\n"
    "Color >\n"
    "  Set Analog Color\n"
    "  Set Digital Color\n"
    "  -----\n"
    "  [x] Smooth Edges\n"
    "  Opacity >\n"
    "    ( ) 100 %\n"
    "    ( ) 85 %\n"
    "    (*) 70 %\n"
    "    ( ) 50 %\n"
    "Size >\n"
    "  ( ) FullScreen\n"
    "  (*) Huge\n"
    "  ( ) Large\n"
    "  ( ) Medium\n"
    "  ( ) Small\n"
    "  ( ) Tiny\n"
    "  ( ) SuperTiny\n"
    "-----\n"
    "Time Zone...\n"
    "Label...\n"
    "New Clock\n"
    "Remove Clock (disabled)\n"
    "-----\n"
    "Help\n"
    "More >\n"
    "  Skin Gallery\n"
    "  -----\n"
    "  Read Me\n"
    "  Changes\n"
    "-----\n"
    "Close\n";

TEST_F(MenuTree, StartedClockShowsEveryItemInOrder) {
  PutSkin("a.skn", "Station");
  PutSkin("b.skn", "Ring");
  profile.skin_file = "b.skn";
  profile.date_format = 7;
  profile.smooth_edges = true;
  profile.opacity = 70;
  Start();
  EXPECT_EQ(Render(form.Menu()), kStartedMenu);
}

void ForEachItem(const std::vector<MenuItem>& items,
                 const std::function<void(const MenuItem&)>& visit) {
  for (const MenuItem& item : items) {
    visit(item);
    ForEachItem(item.children, visit);
  }
}

TEST_F(MenuTree, IdsAndNamesAreUniqueAndFitACommandId) {
  PutSkin("a.skn", "Station");
  Start();
  std::set<int32_t> ids;
  std::set<std::string> names;
  int count = 0;
  ForEachItem(form.Menu().Items(), [&](const MenuItem& item) {
    ++count;
    ids.insert(item.id);
    names.insert(item.name);
    EXPECT_GT(item.id, 0) << item.name;
    EXPECT_LE(item.id, 0xFFFF) << item.name;
    EXPECT_FALSE(item.name.empty()) << item.id;
    EXPECT_EQ(item.kind == MenuItemKind::Submenu, !item.children.empty()) << item.name;
    const bool acts = item.kind == MenuItemKind::Command;
    EXPECT_EQ(acts, item.command != MenuCommand::None) << item.name;
  });
  EXPECT_EQ(static_cast<int>(ids.size()), count);
  EXPECT_EQ(static_cast<int>(names.size()), count);
  EXPECT_EQ(count, 64);  // the four items of several clocks and their separator too
  // The shell's first menu used 100 for "Close"; it keeps that id.
  EXPECT_EQ(form.Menu().At(menu_id::Close).name, "Close1");
}

TEST_F(MenuTree, TagsGroupsAndCommandsOfTheFixedItems) {
  struct Case {
    int32_t id;
    const char* name;
    int32_t tag;
    int32_t group;
    MenuCommand command;
  };
  const Case cases[] = {
      {menu_id::EnableAnalog, "EnableAnalogClock1", 10000, 0, MenuCommand::ToggleAnalogFace},
      {menu_id::SeparatorBase + 2, "N2", 10000, 0, MenuCommand::None},
      {menu_id::AnalogSeconds, "ShowSeconds2", 10000, 0, MenuCommand::ToggleAnalogSeconds},
      {menu_id::SeparatorBase + 3, "N3", 10000, 0, MenuCommand::None},
      {menu_id::EnableDigital, "EnableDigitalClock1", 0, 0, MenuCommand::ToggleDigitalFace},
      {menu_id::DigitalSeconds, "ShowSeconds1", 0, 0, MenuCommand::ToggleDigitalSeconds},
      {menu_id::ShowDate, "ShowDate1", 0, 2, MenuCommand::ToggleDate},
      {menu_id::DateFormatSubmenu, "DateFormat1", 0, 2, MenuCommand::None},
      {menu_id::DateFormatItem(1), "DateFormatItem1", 1, 0, MenuCommand::ChooseDateFormat},
      {menu_id::DateFormatItem(10), "DateFormatItem10", 10, 0, MenuCommand::ChooseDateFormat},
      {menu_id::Hours24, "N24HFormat1", 0, 2, MenuCommand::ChooseHours24},
      {menu_id::Hours12, "N12HFormat1", 0, 2, MenuCommand::ChooseHours12},
      {menu_id::Font, "ChooseFont1", 0, 2, MenuCommand::ChooseFont},
      {menu_id::AnalogColor, "SetClockColor1", 0, 0, MenuCommand::ChooseAnalogColor},
      {menu_id::DigitalColor, "SetDateColor1", 0, 0, MenuCommand::ChooseDigitalColor},
      {menu_id::OpacityItem(85), "Opacity85", 85, 3, MenuCommand::ChooseOpacity},
      {menu_id::SizeItem(7), "FullScreen1", 7, 1, MenuCommand::ChooseSize},
      {menu_id::SizeItem(1), "Huge1", 1, 1, MenuCommand::ChooseSize},
      {menu_id::SizeItem(6), "SuperTiny1", 6, 1, MenuCommand::ChooseSize},
      {menu_id::Help, "Help1", 0, 0, MenuCommand::OpenHelp},
      {menu_id::WebLinkItem(1), "WebLink1", 0, 0, MenuCommand::OpenWebLink},
      {menu_id::WebLinkItem(3), "WebLink3", 0, 0, MenuCommand::OpenWebLink},
      {menu_id::Close, "Close1", 0, 0, MenuCommand::SaveAndClose},
  };
  const MenuModel menu = BuildClockMenu();
  for (const Case& c : cases) {
    const MenuItem& item = menu.At(c.id);
    EXPECT_EQ(item.name, c.name);
    EXPECT_EQ(item.tag, c.tag) << c.name;
    EXPECT_EQ(item.group, c.group) << c.name;
    EXPECT_EQ(item.command, c.command) << c.name;
  }
}

TEST_F(MenuTree, SizeCaptionsNameTheirRowsOnceTheMarksAreGone) {
  const MenuModel menu = BuildClockMenu();
  for (const MenuItem& item : menu.At(menu_id::SizeSubmenu).children) {
    const std::string caption = StripAmpersands(item.caption);
    EXPECT_NE(caption, item.caption) << "no accelerator on " << caption;
    ASSERT_GE(item.tag, 1);
    ASSERT_LE(item.tag, 7);
    EXPECT_EQ(caption, kClockSizes[static_cast<size_t>(item.tag - 1)].name);
  }
}

// Radio items exclude each other only within their own submenu and group.
TEST_F(MenuTree, RadioGroupsStayWithinTheirSubmenuAndGroup) {
  MenuModel menu = BuildClockMenu();
  AddSkinItem(menu, "One", 0);
  AddSkinItem(menu, "Two", 1);
  menu.SetChecked(menu_id::ShowDate, true);           // a check item in group 2
  menu.SetChecked(menu_id::DateFormatItem(3), true);  // group 0 of another submenu
  menu.SetChecked(menu_id::SkinItem(1), true);        // group 0 of the analog submenu
  menu.SetChecked(menu_id::Hours12, true);
  EXPECT_FALSE(menu.At(menu_id::Hours24).checked);
  EXPECT_TRUE(menu.At(menu_id::ShowDate).checked);
  EXPECT_TRUE(menu.At(menu_id::DateFormatItem(3)).checked);
  EXPECT_TRUE(menu.At(menu_id::SkinItem(1)).checked);

  menu.SetChecked(menu_id::SkinItem(0), true);
  EXPECT_FALSE(menu.At(menu_id::SkinItem(1)).checked);
  EXPECT_TRUE(menu.At(menu_id::DateFormatItem(3)).checked);
  menu.SetChecked(menu_id::DateFormatItem(9), true);
  EXPECT_FALSE(menu.At(menu_id::DateFormatItem(3)).checked);
  EXPECT_TRUE(menu.At(menu_id::SkinItem(0)).checked);
  menu.SetChecked(menu_id::SizeItem(2), true);
  EXPECT_FALSE(menu.At(menu_id::SizeItem(4)).checked);
  EXPECT_TRUE(menu.At(menu_id::Hours12).checked);

  EXPECT_TRUE(menu.ToggleChecked(menu_id::AnalogSeconds));
  EXPECT_FALSE(menu.ToggleChecked(menu_id::AnalogSeconds));
  EXPECT_EQ(menu.Find(99999), nullptr);
  EXPECT_THROW(menu.At(99999), std::out_of_range);
}

TEST_F(MenuTree, SecondStartReplacesTheSkinItems) {
  PutSkin("a.skn", "Station");
  Start();
  ASSERT_TRUE(form.Start());
  EXPECT_EQ(form.Menu().At(menu_id::AnalogSubmenu).children.size(), 5u);
}

TEST_F(MenuTree, SkinIndexWithoutACommandIdGetsNoItem) {
  MenuModel menu = BuildClockMenu();
  AddSkinItem(menu, "Last", menu_id::LastSkinItem - menu_id::FirstSkinItem);
  AddSkinItem(menu, "Beyond", menu_id::LastSkinItem - menu_id::FirstSkinItem + 1);
  const std::vector<MenuItem>& items = menu.At(menu_id::AnalogSubmenu).children;
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items.back().caption, "Last");
  EXPECT_EQ(items.back().id, 0xFFFF);
}

// Each link opens a page that ships in the "links" folder beside the program.
TEST_F(MenuTree, WebLinksOpenPagesThatShip) {
  // The source tree's root is the test data folder's grandparent.
  const std::filesystem::path root =
      std::filesystem::path(SORVANE_TEST_DATA).parent_path().parent_path();
  const std::string shipped = (root / "help" / "links").string() + "/";
  for (const WebLink& link : kWebLinks) {
    std::ifstream page(shipped + std::string(link.page));
    EXPECT_TRUE(page.good()) << link.page;
    std::string first;
    std::getline(page, first);
    EXPECT_NE(first.find("html"), std::string::npos) << link.page;
  }
  EXPECT_EQ(WebLinkAddress("C:\\Clock", kWebLinks[0]), "C:\\Clock\\links\\gallery.html");
  EXPECT_EQ(WebLinkAddress("C:\\", kWebLinks[2]), "C:\\links\\changes.html");
}

}  // namespace
}  // namespace sorvane::testing

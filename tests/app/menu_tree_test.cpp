// The popup menu as built and as a user sees it after start-up.
#include "app/menu_tree.h"

#include <fstream>
#include <functional>
#include <set>

#include "app/web_links.h"
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
    "Size >\n"
    "  ( ) FullScreen\n"
    "  (*) Huge\n"
    "  ( ) Large\n"
    "  ( ) Medium\n"
    "  ( ) Small\n"
    "  ( ) Tiny\n"
    "  ( ) SuperTiny\n"
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
    EXPECT_EQ(acts, item.handler != MenuHandler::None) << item.name;
  });
  EXPECT_EQ(static_cast<int>(ids.size()), count);
  EXPECT_EQ(static_cast<int>(names.size()), count);
  EXPECT_EQ(count, 52);
  // The shell's first menu used 100 for "Close"; it keeps that id.
  EXPECT_EQ(form.Menu().At(menu_id::Close1).name, "Close1");
}

TEST_F(MenuTree, TagsGroupsAndHandlersOfTheFixedItems) {
  struct Case {
    int32_t id;
    const char* name;
    int32_t tag;
    int32_t group;
    MenuHandler handler;
  };
  const Case cases[] = {
      {menu_id::EnableAnalogClock1, "EnableAnalogClock1", 10000, 0,
       MenuHandler::EnableAnalogClock1Click},
      {menu_id::FirstSeparator + 2, "N2", 10000, 0, MenuHandler::None},
      {menu_id::ShowSeconds2, "ShowSeconds2", 10000, 0, MenuHandler::Showseconds2Click},
      {menu_id::FirstSeparator + 3, "N3", 10000, 0, MenuHandler::None},
      {menu_id::EnableDigitalClock1, "EnableDigitalClock1", 0, 0,
       MenuHandler::EnableAnalogClock1Click},
      {menu_id::ShowSeconds1, "ShowSeconds1", 0, 0, MenuHandler::ShowSeconds1Click},
      {menu_id::ShowDate1, "ShowDate1", 0, 2, MenuHandler::ShowDate1Click},
      {menu_id::DateFormat1, "DateFormat1", 0, 2, MenuHandler::None},
      {menu_id::DateFormat(1), "DateFormatItem1", 1, 0, MenuHandler::N41Click},
      {menu_id::DateFormat(10), "DateFormatItem10", 10, 0, MenuHandler::N41Click},
      {menu_id::N24HFormat1, "N24HFormat1", 0, 2, MenuHandler::N24HFormat1Click},
      {menu_id::N12HFormat1, "N12HFormat1", 0, 2, MenuHandler::N12HFormat1Click},
      {menu_id::ChooseFont1, "ChooseFont1", 0, 2, MenuHandler::ChooseFont1Click},
      {menu_id::SetClockColor1, "SetClockColor1", 0, 0, MenuHandler::Clockcolor1Click},
      {menu_id::SetDateColor1, "SetDateColor1", 0, 0, MenuHandler::Timecolor1Click},
      {menu_id::Size(7), "FullScreen1", 7, 1, MenuHandler::Huge1Click},
      {menu_id::Size(1), "Huge1", 1, 1, MenuHandler::Huge1Click},
      {menu_id::Size(6), "SuperTiny1", 6, 1, MenuHandler::Huge1Click},
      {menu_id::Help1, "Help1", 0, 0, MenuHandler::Help1Click},
      {menu_id::WebLink(1), "WebLink1", 0, 0, MenuHandler::WebLink1Click},
      {menu_id::WebLink(3), "WebLink3", 0, 0, MenuHandler::WebLink3Click},
      {menu_id::Close1, "Close1", 0, 0, MenuHandler::Close1Click},
  };
  const MenuModel menu = BuildClockMenu();
  for (const Case& c : cases) {
    const MenuItem& item = menu.At(c.id);
    EXPECT_EQ(item.name, c.name);
    EXPECT_EQ(item.Tag, c.tag) << c.name;
    EXPECT_EQ(item.GroupIndex, c.group) << c.name;
    EXPECT_EQ(item.handler, c.handler) << c.name;
  }
}

TEST_F(MenuTree, SizeCaptionsNameTheirRowsOnceTheMarksAreGone) {
  const MenuModel menu = BuildClockMenu();
  for (const MenuItem& item : menu.At(menu_id::Size1).children) {
    const std::string caption = StripAmpersands(item.caption);
    EXPECT_NE(caption, item.caption) << "no accelerator on " << caption;
    ASSERT_GE(item.Tag, 1);
    ASSERT_LE(item.Tag, 7);
    EXPECT_EQ(caption, kClockSizes[static_cast<size_t>(item.Tag - 1)].name);
  }
}

// Radio items exclude each other only within their own submenu and group.
TEST_F(MenuTree, RadioGroupsStayWithinTheirSubmenuAndGroup) {
  MenuModel menu = BuildClockMenu();
  AddSkinItem(menu, "One", 0);
  AddSkinItem(menu, "Two", 1);
  menu.SetChecked(menu_id::ShowDate1, true);      // a check item in group 2
  menu.SetChecked(menu_id::DateFormat(3), true);  // group 0 of another submenu
  menu.SetChecked(menu_id::Skin(1), true);        // group 0 of the analog submenu
  menu.SetChecked(menu_id::N12HFormat1, true);
  EXPECT_FALSE(menu.At(menu_id::N24HFormat1).Checked);
  EXPECT_TRUE(menu.At(menu_id::ShowDate1).Checked);
  EXPECT_TRUE(menu.At(menu_id::DateFormat(3)).Checked);
  EXPECT_TRUE(menu.At(menu_id::Skin(1)).Checked);

  menu.SetChecked(menu_id::Skin(0), true);
  EXPECT_FALSE(menu.At(menu_id::Skin(1)).Checked);
  EXPECT_TRUE(menu.At(menu_id::DateFormat(3)).Checked);
  menu.SetChecked(menu_id::DateFormat(9), true);
  EXPECT_FALSE(menu.At(menu_id::DateFormat(3)).Checked);
  EXPECT_TRUE(menu.At(menu_id::Skin(0)).Checked);
  menu.SetChecked(menu_id::Size(2), true);
  EXPECT_FALSE(menu.At(menu_id::Size(4)).Checked);
  EXPECT_TRUE(menu.At(menu_id::N12HFormat1).Checked);

  EXPECT_TRUE(menu.ToggleChecked(menu_id::ShowSeconds2));
  EXPECT_FALSE(menu.ToggleChecked(menu_id::ShowSeconds2));
  EXPECT_EQ(menu.Find(99999), nullptr);
  EXPECT_THROW(menu.At(99999), std::out_of_range);
}

TEST_F(MenuTree, SecondStartReplacesTheSkinItems) {
  PutSkin("a.skn", "Station");
  Start();
  ASSERT_TRUE(form.FormCreate());
  EXPECT_EQ(form.Menu().At(menu_id::AnalogClock2).children.size(), 5u);
}

TEST_F(MenuTree, SkinIndexWithoutACommandIdGetsNoItem) {
  MenuModel menu = BuildClockMenu();
  AddSkinItem(menu, "Last", menu_id::LastSkin - menu_id::FirstSkin);
  AddSkinItem(menu, "Beyond", menu_id::LastSkin - menu_id::FirstSkin + 1);
  const std::vector<MenuItem>& items = menu.At(menu_id::AnalogClock2).children;
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

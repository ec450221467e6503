// The Windows popup menu as the view builds it from the clock's menu, read back through the
// menu API and compared with the model, item by item, for several profiles.
#include <gtest/gtest.h>

#include <string>

#include "support/one_clock.h"
#include "app/clock/menu_tree.h"
#include "files/profile.h"
#include "support/headless_services.h"
#include "shells/win32/menu_builder.h"
#include "shells/win32/menu_painter.h"

namespace sorvane::win32 {
namespace {

std::string DiscSkin(const std::string& name) {
  return "Vitrelle skin file.\r\n\\names " + name + "\r\n\\staticanalog\r\ncircle +\r\n0 0 300\r\n";
}

struct ReadItem {
  MENUITEMINFOA info{};
  std::string text;
};

ReadItem ReadBack(HMENU menu, UINT position) {
  ReadItem item;
  char text[256] = {};
  item.info.cbSize = sizeof(item.info);
  item.info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU | MIIM_DATA;
  item.info.dwTypeData = text;
  item.info.cch = sizeof(text);
  EXPECT_TRUE(GetMenuItemInfoA(menu, position, TRUE, &item.info));
  item.text = text;
  return item;
}

// Walks the Windows menu and the model side by side; returns the number of items compared.
int CompareTrees(HMENU menu, const std::vector<MenuItem>& items) {
  EXPECT_EQ(GetMenuItemCount(menu), static_cast<int>(items.size()));
  int compared = 0;
  for (UINT i = 0; i < items.size(); ++i) {
    const MenuItem& model = items[i];
    SCOPED_TRACE(model.name + " \"" + model.caption + "\"");
    const ReadItem read = ReadBack(menu, i);
    const bool separator = model.kind == MenuItemKind::Separator;
    EXPECT_EQ(read.info.wID, static_cast<UINT>(model.id));
    EXPECT_NE(read.info.fType & MFT_OWNERDRAW, 0u);
    EXPECT_EQ((read.info.fType & MFT_SEPARATOR) != 0, separator);
    EXPECT_EQ((read.info.fType & MFT_RADIOCHECK) != 0, model.radio);
    EXPECT_EQ((read.info.fState & MFS_CHECKED) != 0, model.checked);
    EXPECT_EQ((read.info.fState & MFS_DISABLED) != 0, !model.enabled);
    EXPECT_EQ(read.info.dwItemData, reinterpret_cast<ULONG_PTR>(&model));
    if (!separator) {
      EXPECT_EQ(read.text, model.caption);
    }
    ++compared;
    if (model.kind == MenuItemKind::Submenu) {
      EXPECT_NE(read.info.hSubMenu, nullptr);
      if (read.info.hSubMenu != nullptr)
        compared += CompareTrees(read.info.hSubMenu, model.children);
    } else {
      EXPECT_EQ(read.info.hSubMenu, nullptr);
    }
  }
  return compared;
}

UINT StateOf(HMENU menu, int32_t id) {
  return GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND);
}

std::string TextOf(HMENU menu, int32_t id) {
  char text[256] = {};
  GetMenuStringA(menu, static_cast<UINT>(id), text, sizeof(text), MF_BYCOMMAND);
  return text;
}

TEST(PopupMenu, BuiltMenuMatchesTheModelForEachProfile) {
  struct Case {
    const char* name;
    const char* style;
    const char* size;
    int32_t date_format;
    bool twelve_hours;
    int32_t checked_size_id;
    bool analog_checked;
    bool digital_checked;
    bool hour_pair_enabled;
  };
  const Case cases[] = {
      {"Analog, Small", "Analog", "Small", 1, false, menu_id::SizeItem(4), true, false, false},
      {"Digital, Tiny, format 7", "Digital", "Tiny", 7, true, menu_id::SizeItem(5), false, true,
       true},
      {"AnaDigi, Huge, format 3", "AnaDigi", "Huge", 3, false, menu_id::SizeItem(1), true, true,
       true},
      {"unknown size, no format", "Analog", "Gigantic", 0, false, menu_id::SizeItem(4), true, false,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    headless::HeadlessServices hs;
    hs.files.Put(headless::HeadlessServices::InProgramFolder("a.skn"), DiscSkin("First & Co"));
    hs.files.Put(headless::HeadlessServices::InProgramFolder("b.skn"), DiscSkin("Second"));
    Profile profile;
    ResetToDefaults(profile);
    profile.style = c.style;
    profile.size = c.size;
    profile.date_format = c.date_format;
    profile.twelve_hour = c.twelve_hours;
    profile.skin_file = "b.skn";
    hs.files.Put(headless::HeadlessServices::InProgramFolder(kProfilesFileName),
                 FormatProfiles({profile}));
    headless::OneClock form(hs);
    ASSERT_TRUE(form.Start());

    const MenuHandle menu = BuildPopupMenu(form.Menu().Items());
    ASSERT_TRUE(menu);
    EXPECT_GT(CompareTrees(menu.get(), form.Menu().Items()), 40);

    // The same facts asked of the Windows menu by command id, apart from the walk above.
    HMENU m = menu.get();
    EXPECT_EQ((StateOf(m, menu_id::EnableAnalog) & MF_CHECKED) != 0, c.analog_checked);
    EXPECT_EQ((StateOf(m, menu_id::EnableDigital) & MF_CHECKED) != 0, c.digital_checked);
    EXPECT_EQ((StateOf(m, menu_id::Hours12) & MF_DISABLED) == 0, c.hour_pair_enabled);
    EXPECT_EQ((StateOf(m, menu_id::Hours12) & MF_CHECKED) != 0, c.twelve_hours);
    EXPECT_EQ((StateOf(m, menu_id::Hours24) & MF_CHECKED) != 0, !c.twelve_hours);
    EXPECT_NE(StateOf(m, c.checked_size_id) & MF_CHECKED, 0u);
    for (int32_t n = 1; n <= 10; ++n) {
      EXPECT_EQ((StateOf(m, menu_id::DateFormatItem(n)) & MF_CHECKED) != 0, n == c.date_format)
          << n;
      EXPECT_EQ(TextOf(m, menu_id::DateFormatItem(n)),
                form.State().date_format_captions[static_cast<size_t>(n)]);
    }
    EXPECT_NE(StateOf(m, menu_id::Title) & MF_DISABLED, 0u);
    ASSERT_EQ(form.State().skins.size(), 2u);
    EXPECT_EQ(TextOf(m, menu_id::SkinItem(0)), form.State().skins[0].name);
    EXPECT_NE(TextOf(m, menu_id::SkinItem(0)).find("First & Co"), std::string::npos);
    EXPECT_NE(StateOf(m, menu_id::SkinItem(1)) & MF_CHECKED, 0u);  // the profile's skin
    EXPECT_EQ(StateOf(m, menu_id::SkinItem(0)) & MF_CHECKED, 0u);
  }
}

TEST(PopupMenu, TopLevelOrderAsTheUserSeesIt) {
  const MenuModel model = BuildClockMenu();
  const MenuHandle menu = BuildPopupMenu(model.Items());
  const char* expected[] = {"Sorvane",      "", "Analog Clock", "Digital Clock", "Color",
                            "Size",         "", "Time Zone...", "Label...",      "New Clock",
                            "Remove Clock", "", "Help",         nullptr,         "",
                            "Close"};
  ASSERT_EQ(GetMenuItemCount(menu.get()), 16);
  for (UINT i = 0; i < 16; ++i) {
    if (expected[i] == nullptr) continue;  // the web links' caption is ours to choose
    char text[64] = {};
    GetMenuStringA(menu.get(), i, text, sizeof(text), MF_BYPOSITION);
    EXPECT_STREQ(text, expected[i]) << i;
  }
  EXPECT_EQ(GetMenuItemID(menu.get(), 15), static_cast<UINT>(menu_id::Close));
}

// Counts the pixels of the check column that differ from the menu's background.
int MarkPixels(const MenuItem& item, UINT state) {
  const MenuPainter painter;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 40);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.hDC = dc;
  draw.itemState = state;
  draw.rcItem = RECT{0, 0, 200, painter.Heights().item};
  draw.itemData = reinterpret_cast<ULONG_PTR>(&item);
  painter.Draw(draw);
  const COLORREF background = GetPixel(dc, kMenuStripWidth + 1, 1);
  int marked = 0;
  for (int y = 0; y < painter.Heights().item; ++y) {
    for (int x = kMenuStripWidth; x < kMenuStripWidth + 20; ++x)
      marked += GetPixel(dc, x, y) != background;
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return marked;
}

TEST(PopupMenu, CheckMarksAndBulletsAreDrawnOnlyForCheckedItems) {
  MenuItem check;
  check.caption = "Show &Seconds";
  check.checkable = true;
  MenuItem radio = check;
  radio.checkable = false;
  radio.radio = true;
  EXPECT_EQ(MarkPixels(check, 0), 0);
  EXPECT_EQ(MarkPixels(radio, 0), 0);
  const int tick = MarkPixels(check, ODS_CHECKED);
  const int bullet = MarkPixels(radio, ODS_CHECKED);
  EXPECT_GT(tick, 8);
  EXPECT_GT(bullet, 8);
  EXPECT_NE(tick, bullet);  // a tick and a round bullet are different shapes
}

TEST(PopupMenu, EveryItemIsAsHighAsTheMenuFontNeeds) {
  const MenuPainter painter;
  MenuItem item;
  item.caption = "Enable &Digital Clock";
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemData = reinterpret_cast<ULONG_PTR>(&item);
  painter.Measure(measure);
  EXPECT_EQ(measure.itemHeight, static_cast<UINT>(painter.Heights().item));
  EXPECT_GT(measure.itemWidth, static_cast<UINT>(kMenuStripWidth + 60));
  MenuItem separator;
  separator.kind = MenuItemKind::Separator;
  measure.itemData = reinterpret_cast<ULONG_PTR>(&separator);
  painter.Measure(measure);
  EXPECT_EQ(measure.itemHeight, static_cast<UINT>(painter.Heights().separator));
  EXPECT_LT(painter.Heights().separator, painter.Heights().item);
}

}  // namespace
}  // namespace sorvane::win32

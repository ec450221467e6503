// The menu's check marks and enabled states as start-up sets them from the profile.
#include "app/clock/menu_tree.h"
#include "clock_fixture.h"

namespace sorvane::testing {
namespace {

using MenuState = ClockTest;

// The ids of the checked items among `items`.
std::vector<int32_t> CheckedIds(const std::vector<MenuItem>& items) {
  std::vector<int32_t> ids;
  for (const MenuItem& item : items) {
    if (item.checked) ids.push_back(item.id);
  }
  return ids;
}

TEST_F(MenuState, FacesAndTwelveHourPairFollowTheStyle) {
  struct Case {
    const char* style;
    bool analog;
    bool digital;
    bool pair_enabled;
  };
  const Case cases[] = {
      {"Analog", true, false, false},
      {"AnaDigi", true, true, true},
      {"Digital", false, true, true},
      // The profiles file does not take "Invisible" back: the default style, "Analog", shows.
      {"Invisible", true, false, false},
  };
  for (const Case& c : cases) {
    headless::HeadlessServices services;
    headless::OneClock clock(services);
    Profile p = profile;
    p.style = c.style;
    services.files.Put(ProfilesPath(), FormatProfiles({p}));
    ASSERT_TRUE(clock.Start());
    const MenuModel& menu = clock.Menu();
    EXPECT_EQ(menu.At(menu_id::EnableAnalog).checked, c.analog) << c.style;
    EXPECT_EQ(menu.At(menu_id::EnableDigital).checked, c.digital) << c.style;
    EXPECT_EQ(menu.At(menu_id::Hours24).enabled, c.pair_enabled) << c.style;
    EXPECT_EQ(menu.At(menu_id::Hours12).enabled, c.pair_enabled) << c.style;
  }
}

TEST_F(MenuState, InvisibleStyleLeavesFacesAndHourPairAsTheyWere) {
  profile.style = "Digital";
  Start();
  form.CurrentProfile().style = "Invisible";
  form.First().CheckMenuFromProfile();
  const MenuModel& menu = form.Menu();
  EXPECT_FALSE(menu.At(menu_id::EnableAnalog).checked);
  EXPECT_TRUE(menu.At(menu_id::EnableDigital).checked);
  EXPECT_TRUE(menu.At(menu_id::Hours24).enabled);
  EXPECT_TRUE(menu.At(menu_id::Hours12).enabled);
}

TEST_F(MenuState, SizeChecksTheItemOfTheSameNameOrLeavesSmall) {
  struct Case {
    const char* size;
    int32_t row;
  };
  const Case cases[] = {
      {"FullScreen", 7}, {"Huge", 1}, {"Large", 2}, {"Medium", 3}, {"Small", 4},    {"Tiny", 5},
      {"SuperTiny", 6},  {"huge", 4}, {"", 4},      {"&Huge", 4},  {"Gigantic", 4},
  };
  for (const Case& c : cases) {
    headless::HeadlessServices services;
    headless::OneClock clock(services);
    Profile p = profile;
    p.size = c.size;
    services.files.Put(ProfilesPath(), FormatProfiles({p}));
    ASSERT_TRUE(clock.Start());
    EXPECT_EQ(CheckedIds(clock.Menu().At(menu_id::SizeSubmenu).children),
              std::vector<int32_t>{menu_id::SizeItem(c.row)})
        << c.size;
  }
}

TEST_F(MenuState, DateFormatNumberChecksItsItemOrNone) {
  for (int32_t number : {-1, 0, 1, 2, 5, 9, 10, 11, 100}) {
    headless::HeadlessServices services;
    headless::OneClock clock(services);
    Profile p = profile;
    p.date_format = number;
    services.files.Put(ProfilesPath(), FormatProfiles({p}));
    ASSERT_TRUE(clock.Start());
    const std::vector<int32_t> expected =
        number >= 1 && number <= 10 ? std::vector<int32_t>{menu_id::DateFormatItem(number)}
                                    : std::vector<int32_t>{};
    EXPECT_EQ(CheckedIds(clock.Menu().At(menu_id::DateFormatSubmenu).children), expected) << number;
  }
}

TEST_F(MenuState, SwitchesAndHourFormatFollowTheProfile) {
  struct Case {
    bool twelve_hour, analog_seconds, digital_seconds, show_date;
  };
  const Case cases[] = {
      {false, false, false, false},
      {true, true, false, false},
      {false, false, true, true},
      {true, true, true, true},
  };
  for (const Case& c : cases) {
    headless::HeadlessServices services;
    headless::OneClock clock(services);
    Profile p = profile;
    p.style = "Digital";
    p.twelve_hour = c.twelve_hour;
    p.analog_seconds = c.analog_seconds;
    p.digital_seconds = c.digital_seconds;
    p.show_date = c.show_date;
    services.files.Put(ProfilesPath(), FormatProfiles({p}));
    ASSERT_TRUE(clock.Start());
    const MenuModel& menu = clock.Menu();
    EXPECT_EQ(menu.At(menu_id::Hours12).checked, c.twelve_hour);
    EXPECT_EQ(menu.At(menu_id::Hours24).checked, !c.twelve_hour);
    EXPECT_EQ(menu.At(menu_id::AnalogSeconds).checked, c.analog_seconds);
    EXPECT_EQ(menu.At(menu_id::DigitalSeconds).checked, c.digital_seconds);
    EXPECT_EQ(menu.At(menu_id::ShowDate).checked, c.show_date);
  }
}

TEST_F(MenuState, CurrentSkinIsCheckedAndNoFixedItemBecomesARadio) {
  PutSkin("a.skn", "A");
  PutSkin("b.skn", "B");
  PutSkin("c.skn", "C");
  struct Case {
    const char* skin_file;
    int32_t checked_skin;
  };
  // A file no skin has falls back to the first skin.
  const Case cases[] = {{"c.skn", 2}, {"b.skn", 1}, {"a.skn", 0}, {"gone.skn", 0}};
  for (const Case& c : cases) {
    profile.skin_file = c.skin_file;
    WriteProfile(profile);
    headless::OneClock clock(hs);
    ASSERT_TRUE(clock.Start());
    const MenuItem& analog = clock.Menu().At(menu_id::AnalogSubmenu);
    std::vector<int32_t> skins_checked;
    for (const MenuItem& item : analog.children) {
      if (item.radio && item.checked) skins_checked.push_back(item.id);
    }
    EXPECT_EQ(skins_checked, std::vector<int32_t>{menu_id::SkinItem(c.checked_skin)})
        << c.skin_file;
    EXPECT_EQ(clock.State().current_skin, c.checked_skin);
    EXPECT_TRUE(clock.Menu().At(menu_id::EnableAnalog).checked);  // from the style
  }
}

}  // namespace
}  // namespace sorvane::testing

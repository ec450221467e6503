// Several clocks in one program: a clock per profile, each menu acting on its own clock, New
// and Remove Clock, time zones and labels.
#include "app/clock/menu_tree.h"
#include "clock_fixture.h"

namespace sorvane::testing {
namespace {

class WorldClocks : public ClockTest {
 protected:
  Profile At(int32_t x, const char* style) {
    Profile p = profile;
    p.size = "Small";
    p.anchor = "hook";
    p.x_offset = x;
    p.style = style;
    return p;
  }
  void StartWith(const Profiles& profiles) {
    PutSkin("disc.skn", "Disc");
    hs.files.Put(ProfilesPath(), FormatProfiles(profiles));
    ASSERT_TRUE(form.Start());
  }
  Clock& ClockAt(size_t i) { return form.program.ClockAt(i); }
  // A right click on the `window`th window made, whose menu the user answers with `id`.
  void Choose(size_t window, int32_t id) {
    hs.menu.answers = {id};
    hs.host.events.at(window)->RightButtonDown(5, 5);
  }
  std::string Saved() const { return *hs.files.Find(ProfilesPath()); }
};

TEST_F(WorldClocks, EveryProfileIsAClockAndEachMenuActsOnItsOwn) {
  const Profiles profiles{At(0, "Analog"), At(200, "Digital"), At(400, "AnaDigi")};
  StartWith(profiles);
  ASSERT_EQ(hs.host.windows.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_TRUE(hs.host.windows[i]->shown) << i;
    EXPECT_EQ(hs.host.windows[i]->left, profiles[i].x_offset) << i;
  }
  Choose(1, menu_id::SizeItem(5));  // clock 2: Tiny
  hs.menu.answers = {menu_id::ShowDate};
  form.program.RunTrayMenuItem(hs.menu.answers.front());  // the tray's menu is the first's
  Profiles expected = profiles;
  expected[1].size = "Tiny";
  expected[0].show_date = true;
  EXPECT_EQ(form.program.CurrentProfiles(), expected);
  EXPECT_EQ(hs.host.windows[1]->width, 100);
  EXPECT_EQ(hs.host.windows[2]->width, 137);
  form.SaveAndClose();
  EXPECT_EQ(Saved(), FormatProfiles(expected));
}

TEST_F(WorldClocks, NewClockStandsBesideAndRemoveClockTakesItAway) {
  StartWith({At(100, "Analog")});
  EXPECT_FALSE(form.Menu().At(menu_id::RemoveClock).enabled) << "not the only clock";
  Choose(0, menu_id::NewClock);
  ASSERT_EQ(form.program.ClockCount(), 2u);
  EXPECT_EQ(hs.host.windows[1]->Bounds(), (Rect{237, 50, 374, 187})) << "right of the first";
  EXPECT_TRUE(hs.host.windows[1]->shown);
  EXPECT_EQ(ClockAt(1).CurrentProfile().name, "Clock 2");
  EXPECT_EQ(hs.files.writes, 1) << "saved at once";

  hs.window.DragTo(900, 50);  // no room on the right: on its left
  form.DragEnded();
  Choose(0, menu_id::NewClock);
  EXPECT_EQ(ClockAt(2).CurrentProfile().name, "Clock 3");
  EXPECT_EQ(hs.host.windows[2]->Bounds(), (Rect{763, 50, 900, 187}));

  Choose(1, menu_id::RemoveClock);
  EXPECT_EQ(form.program.ClockCount(), 2u);
  EXPECT_EQ(Saved().find("Clock 2"), std::string::npos);
  EXPECT_FALSE(hs.host.windows[1]->destroyed) << "not inside its own menu's command";
  hs.host.RunDeferred();
  EXPECT_TRUE(hs.host.windows[1]->destroyed);
  Choose(2, menu_id::RemoveClock);
  Choose(0, menu_id::RemoveClock);
  EXPECT_EQ(form.program.ClockCount(), 1u) << "the only clock stays";
}

// The fake zones: Kolkata +5:30, Kathmandu +5:45, New York -5 with summer time -4 from
// 2002-04-07 07:00 UTC; the local zone is UTC. Each clock's time line shows its zone's time.
TEST_F(WorldClocks, EachClockShowsItsZonesTime) {
  struct Case {
    const char* zone;
    DateTime utc;
    const char* shown;
  };
  const Case cases[] = {
      {"Asia/Kolkata", {2002, 12, 31, 10, 20, 30, 0}, "15:50"},
      {"Asia/Kathmandu", {2002, 12, 31, 10, 20, 30, 0}, "16:05"},
      {"America/New_York", {2002, 12, 31, 10, 20, 30, 0}, "05:20"},
      {"America/New_York", {2002, 7, 1, 10, 20, 30, 0}, "06:20"},
      {"Mars/Olympus_Mons", {2002, 12, 31, 10, 20, 30, 0}, "10:20"},  // unknown: local
      {"", {2002, 12, 31, 23, 59, 0, 0}, "23:59"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.zone);
    headless::HeadlessServices services;
    headless::OneClock clock(services);
    Profile p = At(0, "Digital");
    p.time_zone = c.zone;
    services.clock.now = c.utc;
    services.files.Put(ProfilesPath(), FormatProfiles({p}));
    ASSERT_TRUE(clock.Start());
    ASSERT_FALSE(services.text.outlines.empty());
    EXPECT_EQ(services.text.outlines.back().text, c.shown);
  }
}

// One timer for every clock, armed for the next change of any of them; a summer-time turn
// shows at once.
TEST_F(WorldClocks, OneTimerArmedForTheNextChangeOfAnyClock) {
  Profile new_york = At(0, "Digital");
  new_york.time_zone = "America/New_York";
  Profile kolkata_seconds = At(200, "Digital");
  kolkata_seconds.time_zone = "Asia/Kolkata";
  kolkata_seconds.digital_seconds = true;
  hs.clock.now = {2002, 4, 7, 6, 59, 58, 400};
  StartWith({new_york, kolkata_seconds});
  EXPECT_EQ(hs.host.ArmedDelay(), 605) << "the next second, for the clock with seconds";
  const size_t armings = hs.host.tick_delays.size();
  hs.clock.now = {2002, 4, 7, 7, 0, 0, 5};
  form.Tick();
  EXPECT_EQ(hs.host.tick_delays.size(), armings + 1) << "one arming for both clocks";
  EXPECT_EQ(ClockAt(0).State().shown, (TimeOfDay{3, 0, 0})) << "01:59 turned to 03:00";
  EXPECT_EQ(ClockAt(1).State().shown, (TimeOfDay{12, 30, 0}));

  Choose(1, menu_id::DigitalSeconds);  // no clock shows seconds now
  EXPECT_EQ(hs.host.ArmedDelay(), 60000);
}

TEST_F(WorldClocks, AZoneChosenOffersItsCityAsTheLabelAboveTheClock) {
  StartWith({At(0, "Analog")});
  hs.dialogs.zone_answers = {"Asia/Kolkata"};
  hs.dialogs.label_answers = {"Kolkata office"};
  Choose(0, menu_id::TimeZone);
  const std::vector<ports::ChoiceRow>& rows = hs.dialogs.zone_rows_offered.at(0);
  EXPECT_EQ(rows.front(), (ports::ChoiceRow{"", "Local time"}));
  EXPECT_NE(std::find(rows.begin(), rows.end(),
                      ports::ChoiceRow{"Asia/Kolkata", "Asia/Kolkata (UTC+05:30)"}),
            rows.end());
  EXPECT_NE(std::find(rows.begin(), rows.end(),
                      ports::ChoiceRow{"America/New_York", "America/New_York (UTC-05:00)"}),
            rows.end());
  EXPECT_EQ(hs.dialogs.labels_offered, std::vector<std::string>{"Kolkata"});
  EXPECT_EQ(form.CurrentProfile().time_zone, "Asia/Kolkata");
  EXPECT_EQ(form.CurrentProfile().label, "Kolkata office");
  // The label line is a quarter of the width above everything else.
  EXPECT_EQ(hs.window.Bounds(), (Rect{0, 50, 137, 50 + 137 + 34}));
  EXPECT_EQ(hs.text.outlines.back().text, "Kolkata office");
  EXPECT_EQ(hs.text.outlines.back().y, 0);
  EXPECT_TRUE(hs.window.CurrentRegion().Contains(68, 34 + 130)) << "the face moved down";
  EXPECT_NE(Saved().find("\r\ntimezone Asia/Kolkata\r\nlabel Kolkata office\r\n"),
            std::string::npos);

  hs.dialogs.label_answers = {"  \r\n "};  // blanks alone: no label
  Choose(0, menu_id::Label);
  EXPECT_EQ(hs.dialogs.labels_offered.back(), "Kolkata office");
  EXPECT_EQ(form.CurrentProfile().label, "");
  EXPECT_EQ(hs.window.height, 137);
  hs.dialogs.label_answers = {std::nullopt};
  Choose(0, menu_id::Label);
  EXPECT_EQ(hs.dialogs.labels_offered.back(), "Kolkata") << "no label: the zone's city";
  EXPECT_EQ(hs.files.writes, 2) << "a cancelled box saves nothing";
}

}  // namespace
}  // namespace sorvane::testing

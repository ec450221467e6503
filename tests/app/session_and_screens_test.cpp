// The program's own events: screens that change under the clock, the end of the session, a
// second start of the program.
#include <functional>

#include "app/program/program_events.h"
#include "clock_fixture.h"

namespace sorvane::testing {
namespace {

using SessionAndScreens = ClockTest;

// Each case starts on one screen layout, changes it and changes it back: the clock is where
// the profile puts it on each, whole, and the profile and the file never change.
TEST_F(SessionAndScreens, TheClockFollowsTheScreensAndKeepsItsPlace) {
  struct Case {
    const char* what;
    std::function<void(Profile&)> profile;
    std::function<void(headless::FakeScreen&)> first, changed;
    Rect on_first, on_changed;
  };
  const auto corner = [](Profile& p) {
    p.anchor = "desktop", p.x_edge = "right", p.y_edge = "bottom";
    p.x_offset = p.y_offset = -136;
  };
  const auto at = [](int32_t x, int32_t y) {
    return [=](Profile& p) { p.anchor = "hook", p.x_offset = x, p.y_offset = y; };
  };
  const auto screen = [](int32_t w, int32_t h) {
    return [=](headless::FakeScreen& s) { s.SetPrimary(w, h); };
  };
  const Case cases[] = {
      {"kept at the bottom-right corner",
       corner,
       screen(1024, 768),
       screen(800, 600),
       {887, 631, 1024, 768},
       {663, 463, 800, 600}},
      {"beyond a smaller screen, then back",
       at(900, 700),
       screen(1024, 768),
       screen(800, 600),
       {900, 700, 1037, 837},
       {663, 463, 800, 600}},
      {"on a monitor unplugged and back",
       at(1500, 100),
       [](headless::FakeScreen& s) {
         s.SetPrimary(1024, 768), s.AddMonitor({1024, 0, 2048, 768});
       },
       screen(1024, 768),
       {1500, 100, 1637, 237},
       {887, 100, 1024, 237}},
      {"out of reach while the taskbar moves",
       at(100, -900),
       [](headless::FakeScreen& s) {
         s.SetPrimary(1024, 768), s.SetWorkArea({0, 40, 1024, 768});
       },
       [](headless::FakeScreen& s) {
         s.SetPrimary(1024, 768), s.SetWorkArea({0, 0, 1024, 728});
       },
       {100, 40, 237, 177},
       {100, 0, 237, 137}},
      {"FullScreen takes the new height",
       [](Profile& p) { p.size = "FullScreen", p.x_offset = 0; },
       screen(1024, 768),
       screen(800, 600),
       {0, 50, 768, 818},
       {0, 50, 600, 650}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    headless::HeadlessServices services;
    headless::OneClock clock(services);
    Profile p = profile;
    p.size = "Small";
    c.profile(p);
    const std::string file = FormatProfiles({p});
    services.files.Put(ProfilesPath(), file);
    c.first(services.screen);
    ASSERT_TRUE(clock.Start());
    EXPECT_EQ(services.window.Bounds(), c.on_first);
    for (const auto& [layout, expected] :
         {std::pair{c.changed, c.on_changed}, std::pair{c.first, c.on_first}}) {
      const int regions = services.window.RegionCount();
      layout(services.screen);
      clock.ScreensChanged();
      EXPECT_EQ(services.window.Bounds(), expected);
      EXPECT_EQ(services.window.RegionCount(), regions + 1);
    }
    EXPECT_EQ(clock.CurrentProfile(), p);
    EXPECT_EQ(services.files.writes, 0);
    EXPECT_EQ(*services.files.Find(ProfilesPath()), file);
  }
}

// Only a drag that moved the window makes its place the profile's: a press on a clock shown
// away from its place (brought into view) keeps the place the user chose.
TEST_F(SessionAndScreens, OnlyARealDragTakesTheShownPlace) {
  profile.size = "Small";
  profile.x_offset = 5000;
  Start();
  form.DragEnded();
  EXPECT_EQ(form.CurrentProfile().x_offset, 5000);
  hs.window.DragTo(700, 60);
  form.DragEnded();
  EXPECT_EQ(form.CurrentProfile().x_offset, 700);
  EXPECT_EQ(hs.files.writes, 1);
}

TEST_F(SessionAndScreens, TheSessionsEndSavesEverythingSilently) {
  Profile second = profile;
  second.name = "Second";
  second.style = "Digital";
  hs.files.Put(ProfilesPath(), FormatProfiles({profile, second}));
  ASSERT_TRUE(form.Start());
  ProgramEventHandler events(form.program, hs.errors);

  hs.files.Put(ProfilesPath(), "");  // emptied meanwhile: the log-off writes it whole again
  events.SessionEnding();
  EXPECT_EQ(*hs.files.Find(ProfilesPath()), FormatProfiles({profile, second}));
  events.SessionEnded();
  EXPECT_EQ(hs.files.writes, 1) << "nothing changed since";

  hs.files.fail_writes = true;  // a drag whose save failed is saved as the session ends
  hs.window.DragTo(300, 200);
  hs.host.events.at(0)->DragEnded();
  events.SessionEnding();
  EXPECT_EQ(hs.errors.shown.size(), 1u) << "only the drag's failure is shown";
  hs.files.fail_writes = false;
  events.SessionEnded();
  EXPECT_EQ(hs.files.writes, 2);
  EXPECT_NE(hs.files.Find(ProfilesPath())->find("x 300 left"), std::string::npos);
}

TEST_F(SessionAndScreens, ASecondStartOpensTheMenuOfAClockNoOneCanReach) {
  struct Case {
    bool invisible;  // both faces turned off from the menu
    bool skin;       // without one the analog face draws nothing
    bool tray_icon_shown;
    int popups;
  };
  const Case cases[] = {
      {false, true, true, 0}, {false, true, false, 1}, {false, false, true, 1},
      {true, true, true, 1},  {true, true, false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.invisible << " " << c.skin << " " << c.tray_icon_shown);
    headless::HeadlessServices services;
    headless::OneClock clock(services);
    services.files.Put(ProfilesPath(), FormatProfiles({profile}));
    if (c.skin)
      services.files.Put(headless::HeadlessServices::InProgramFolder("a.skn"), DiscSkin("A"));
    ASSERT_TRUE(clock.Start());
    if (c.invisible) clock.ToggleFace(Face::Analog);
    const int writes = services.files.writes;
    clock.SecondStart(c.tray_icon_shown);
    EXPECT_EQ(services.menu.pointer_popups, c.popups);
    EXPECT_EQ(services.files.writes, writes);
  }
}

}  // namespace
}  // namespace sorvane::testing

// Every menu command through the clock's single entry: what it changes in the profile, the
// window and the menu, whether it rebuilds the outline, and what it writes to vl.prf.
#include <functional>

#include "app/clock/menu_tree.h"
#include "app/clock/web_links.h"
#include "clock_fixture.h"
#include "geometry/clock_sizes.h"

namespace sorvane::testing {
namespace {

class MenuCommands : public ClockTest {
 protected:
  // Starts the clock, then forgets what start-up did so that only the command is seen.
  void StartFresh() {
    Start();
    hs.journal.Clear();
    hs.files.writes = 0;
    regions_before_ = hs.window.RegionCount();
  }
  bool ProfileApplied() const { return hs.journal.Count("window.SetBounds") > 0; }
  int Rebuilds() const { return hs.window.RegionCount() - regions_before_; }
  std::string SavedFile() const { return *hs.files.Find(ProfilesPath()); }
  Size WindowSize() const {
    const Rect r = hs.window.Bounds();
    return {r.right - r.left, r.bottom - r.top};
  }

  int regions_before_ = 0;
};

TEST_F(MenuCommands, EachCommandChangesRebuildsAndSavesAsItShould) {
  struct Case {
    const char* what;
    std::function<void(Profile&)> before;  // the profile the clock starts with
    int32_t id;
    std::function<void(Profile&)> change;  // what the command does to it
    int32_t checked;                       // the item checked afterwards, 0 for none
    bool applies_profile;
    bool rebuild;
  };
  const auto nothing = [](Profile&) {};
  const auto digital = [](Profile& p) { p.style = "Digital"; };
  const Case cases[] = {
      {"size Large", nothing, menu_id::SizeItem(2), [](Profile& p) { p.size = "Large"; },
       menu_id::SizeItem(2), true, true},
      {"size FullScreen", nothing, menu_id::SizeItem(7), [](Profile& p) { p.size = "FullScreen"; },
       menu_id::SizeItem(7), true, true},
      {"analog seconds", nothing, menu_id::AnalogSeconds,
       [](Profile& p) { p.analog_seconds = true; }, menu_id::AnalogSeconds, false, true},
      {"digital seconds", digital, menu_id::DigitalSeconds,
       [](Profile& p) { p.digital_seconds = true; }, menu_id::DigitalSeconds, false, true},
      {"date", nothing, menu_id::ShowDate, [](Profile& p) { p.show_date = true; },
       menu_id::ShowDate, true, true},
      {"digital face on", nothing, menu_id::EnableDigital, [](Profile& p) { p.style = "AnaDigi"; },
       menu_id::EnableDigital, true, true},
      {"12 hours", digital, menu_id::Hours12, [](Profile& p) { p.twelve_hour = true; },
       menu_id::Hours12, true, true},
      {"24 hours", [](Profile& p) { p.style = "AnaDigi", p.twelve_hour = true; }, menu_id::Hours24,
       [](Profile& p) { p.twelve_hour = false; }, menu_id::Hours24, true, true},
      {"date format 7", nothing, menu_id::DateFormatItem(7), [](Profile& p) { p.date_format = 7; },
       menu_id::DateFormatItem(7), false, true},
      {"date format 10", nothing, menu_id::DateFormatItem(10),
       [](Profile& p) { p.date_format = 10; }, menu_id::DateFormatItem(10), false, true},
      {"analog colour", nothing, menu_id::AnalogColor,
       [](Profile& p) { p.analog_color = 0x00123456; }, 0, false, false},
      {"digital colour", nothing, menu_id::DigitalColor,
       [](Profile& p) { p.digital_color = 0x00123456; }, 0, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    headless::HeadlessServices services;
    headless::OneClock clock(services);
    Profile expected = profile;
    c.before(expected);
    services.files.Put(ProfilesPath(), FormatProfiles({expected}));
    ASSERT_TRUE(clock.Start());
    services.journal.Clear();
    const int regions = services.window.RegionCount();
    services.dialogs.color_answers.push_back(0x00123456);

    clock.RunMenuItem(c.id);

    c.change(expected);
    EXPECT_EQ(clock.CurrentProfile(), expected);
    const headless::Journal& j = services.journal;
    EXPECT_EQ(j.Count("window.SetBounds") > 0, c.applies_profile);
    EXPECT_EQ(services.window.RegionCount() - regions, c.rebuild ? 1 : 0);
    EXPECT_EQ(services.files.writes, 1);
    EXPECT_EQ(*services.files.Find(ProfilesPath()), FormatProfiles({expected}));
    if (c.checked != 0) {
      EXPECT_TRUE(clock.Menu().At(c.checked).checked);
    }
    // Applied, then rebuilt, then saved.
    const int save = j.FirstIndexOf("files.ReplaceWith");
    if (c.applies_profile) {
      EXPECT_LT(j.FirstIndexOf("window.SetBounds"), save);
    }
    if (c.rebuild) {
      EXPECT_LT(j.FirstIndexOf("window.SetRegion"), save);
    }
    if (c.applies_profile && c.rebuild) {
      EXPECT_LT(j.FirstIndexOf("window.SetBounds"), j.FirstIndexOf("window.SetRegion"));
    }
  }
}

TEST_F(MenuCommands, SwitchesTurnOffAgainOnTheSecondClick) {
  profile.style = "AnaDigi";
  profile.analog_seconds = profile.digital_seconds = profile.show_date = true;
  StartFresh();
  for (int32_t id : {menu_id::AnalogSeconds, menu_id::DigitalSeconds, menu_id::ShowDate}) {
    form.RunMenuItem(id);
    EXPECT_FALSE(form.Menu().At(id).checked) << id;
  }
  Profile expected = profile;
  expected.analog_seconds = expected.digital_seconds = expected.show_date = false;
  EXPECT_EQ(SavedFile(), FormatProfiles({expected}));
  EXPECT_EQ(hs.files.writes, 3);
}

TEST_F(MenuCommands, SizeAndDateChangeTheWindow) {
  StartFresh();
  EXPECT_EQ(WindowSize(), (Size{250, 250}));
  form.RunMenuItem(menu_id::SizeItem(5));
  EXPECT_EQ(WindowSize(), (Size{100, 100}));
  EXPECT_FALSE(form.Menu().At(menu_id::SizeItem(1)).checked);
  form.RunMenuItem(menu_id::ShowDate);
  EXPECT_EQ(WindowSize(), (Size{100, 125}));
  form.RunMenuItem(menu_id::SizeItem(7));
  const Size full = WindowSizeFor(0, ClockStyle::Analog, true, {1024, 768});
  EXPECT_EQ(WindowSize(), (Size{full.width, full.height}));
  EXPECT_EQ(full.height, 768);
}

// The style from the two enable items, each clicked once from every style.
TEST_F(MenuCommands, EnableItemsMoveBetweenTheFourStyles) {
  struct Case {
    const char* before;
    int32_t clicked;
    const char* after;
    Size size;  // Huge, no date line
  };
  const Case cases[] = {
      {"Analog", menu_id::EnableAnalog, "Invisible", {0, 0}},
      {"Analog", menu_id::EnableDigital, "AnaDigi", {250, 312}},
      {"Digital", menu_id::EnableAnalog, "AnaDigi", {250, 312}},
      {"Digital", menu_id::EnableDigital, "Invisible", {0, 0}},
      {"AnaDigi", menu_id::EnableAnalog, "Digital", {250, 62}},
      {"AnaDigi", menu_id::EnableDigital, "Analog", {250, 250}},
      {"Invisible", menu_id::EnableAnalog, "Analog", {250, 250}},
      {"Invisible", menu_id::EnableDigital, "Digital", {250, 62}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.before) + " " + std::to_string(c.clicked));
    headless::HeadlessServices services;
    headless::OneClock clock(services);
    Profile p = profile;
    // "Invisible" is reached from the menu only: both faces of a digital clock turned off.
    const bool invisible = std::string(c.before) == "Invisible";
    p.style = invisible ? "Digital" : c.before;
    services.files.Put(ProfilesPath(), FormatProfiles({p}));
    ASSERT_TRUE(clock.Start());
    if (invisible) clock.RunMenuItem(menu_id::EnableDigital);
    ASSERT_EQ(clock.CurrentProfile().style, c.before);

    clock.RunMenuItem(c.clicked);
    EXPECT_EQ(clock.CurrentProfile().style, c.after);
    const Rect r = services.window.Bounds();
    EXPECT_EQ((Size{r.right - r.left, r.bottom - r.top}), c.size);
    EXPECT_EQ(r.left, 100);  // the place is kept, also for a window of no size
    EXPECT_EQ(r.top, 50);
    p.style = c.after;
    EXPECT_EQ(*services.files.Find(ProfilesPath()), FormatProfiles({p}));
  }
}

TEST_F(MenuCommands, HourPairDisabledForAnAnalogStartStaysSo) {
  StartFresh();
  form.RunMenuItem(menu_id::Hours12);  // a disabled item cannot be chosen
  EXPECT_FALSE(form.CurrentProfile().twelve_hour);
  EXPECT_EQ(hs.files.writes, 0);
  form.RunMenuItem(menu_id::EnableDigital);
  EXPECT_EQ(form.CurrentProfile().style, "AnaDigi");
  EXPECT_FALSE(form.Menu().At(menu_id::Hours24).enabled);
  EXPECT_FALSE(form.Menu().At(menu_id::Hours12).enabled);
}

TEST_F(MenuCommands, ItemsWithoutACommandDoNothing) {
  StartFresh();
  for (int32_t id : {0, -1, 99999, int32_t{menu_id::Title}, int32_t{menu_id::AnalogSubmenu},
                     int32_t{menu_id::SeparatorBase + 1}, int32_t{menu_id::SizeSubmenu}}) {
    form.RunMenuItem(id);
  }
  EXPECT_TRUE(hs.journal.entries().empty());
  EXPECT_TRUE(hs.dialogs.colors_offered.empty());
}

TEST_F(MenuCommands, SkinChoiceIsSavedAtOnce) {
  PutSkin("a.skn", "Whole");
  hs.files.Put(headless::HeadlessServices::InProgramFolder("b.skn"),
               "Vitrelle skin file.\r\n\\names Half\r\n\\staticanalog\r\ncircle +\r\n0 0 150\r\n");
  profile.skin_file = "a.skn";
  StartFresh();
  const Region whole = hs.window.CurrentRegion();

  form.RunMenuItem(menu_id::SkinItem(1));
  EXPECT_EQ(form.State().current_skin, 1);
  EXPECT_TRUE(form.Menu().At(menu_id::SkinItem(1)).checked);
  EXPECT_FALSE(form.Menu().At(menu_id::SkinItem(0)).checked);
  EXPECT_EQ(Rebuilds(), 1);
  EXPECT_NE(hs.window.CurrentRegion(), whole);
  EXPECT_FALSE(ProfileApplied());
  Profile expected = profile;
  expected.skin_file = "b.skn";
  EXPECT_EQ(hs.files.writes, 1);
  EXPECT_EQ(SavedFile(), FormatProfiles({expected}));
}

TEST_F(MenuCommands, CloseWritesTheChosenSkin) {
  PutSkin("a.skn", "One");
  PutSkin("b.skn", "Two");
  profile.skin_file = "a.skn";
  StartFresh();
  form.RunMenuItem(menu_id::SkinItem(1));
  form.RunMenuItem(menu_id::Close);
  EXPECT_TRUE(hs.host.quit);
  Profile expected = profile;
  expected.skin_file = "b.skn";
  EXPECT_EQ(SavedFile(), FormatProfiles({expected}));
}

TEST_F(MenuCommands, CancelledColourDialogsChangeAndWriteNothing) {
  profile.analog_color = 0x000000FF;
  profile.digital_color = 0x00FFFFFF;
  StartFresh();
  form.RunMenuItem(menu_id::AnalogColor);
  form.RunMenuItem(menu_id::DigitalColor);
  EXPECT_EQ(hs.dialogs.colors_offered, (std::vector<int32_t>{0x000000FF, 0x00FFFFFF}));
  EXPECT_EQ(form.CurrentProfile(), profile);
  EXPECT_EQ(form.WindowColor(), 0x000000FF);
  EXPECT_TRUE(hs.journal.entries().empty());
  EXPECT_EQ(hs.files.writes, 0);
}

TEST_F(MenuCommands, AnalogColourRepaintsWithoutANewOutline) {
  StartFresh();
  hs.dialogs.color_answers.push_back(0x0000FF00);
  form.RunMenuItem(menu_id::AnalogColor);
  EXPECT_EQ(form.WindowColor(), 0x0000FF00);
  EXPECT_EQ(hs.window.color, 0x0000FF00);
  EXPECT_EQ(Rebuilds(), 0);
  EXPECT_LT(hs.journal.FirstIndexOf("window.SetColor"),
            hs.journal.FirstIndexOf("files.ReplaceWith"));
}

TEST_F(MenuCommands, DigitalColourRepaintsTheWindow) {
  profile.style = "Digital";
  StartFresh();
  const int repaints = hs.window.repaints;
  hs.dialogs.color_answers.push_back(0x0000FF00);
  form.RunMenuItem(menu_id::DigitalColor);
  EXPECT_EQ(form.CurrentProfile().digital_color, 0x0000FF00);
  EXPECT_GT(hs.window.repaints, repaints);
  EXPECT_EQ(Rebuilds(), 0);
}

// A save that fails reaches the shell's error box; what the command changed stays.
TEST_F(MenuCommands, FailedSaveKeepsTheChangeAndTheNewOutline) {
  StartFresh();
  const std::string before = SavedFile();
  hs.files.fail_writes = true;
  EXPECT_THROW(form.RunMenuItem(menu_id::ShowDate), FileError);
  EXPECT_TRUE(form.CurrentProfile().show_date);
  EXPECT_TRUE(form.Menu().At(menu_id::ShowDate).checked);
  EXPECT_EQ(WindowSize(), (Size{250, 312}));
  EXPECT_EQ(Rebuilds(), 1);
  EXPECT_EQ(SavedFile(), before);

  hs.files.fail_writes = false;
  form.RunMenuItem(menu_id::AnalogSeconds);  // the next good save takes both changes along
  Profile expected = profile;
  expected.show_date = expected.analog_seconds = true;
  EXPECT_EQ(SavedFile(), FormatProfiles({expected}));
}

TEST_F(MenuCommands, DigitalSecondsOfAnAnalogClockOnlyQuickenTheTick) {
  StartFresh();
  form.RunMenuItem(menu_id::DigitalSeconds);
  EXPECT_TRUE(form.CurrentProfile().digital_seconds);
  EXPECT_EQ(hs.files.writes, 1);
  const int rebuilds = Rebuilds();
  hs.clock.SetTime(10, 20, 31);
  form.Tick();
  EXPECT_EQ(Rebuilds(), rebuilds + 1);
}

TEST_F(MenuCommands, HelpOpensTheStartTopicOfTheHelpFile) {
  StartFresh();
  form.RunMenuItem(menu_id::Help);
  // The folder's own backslash and the one put before the file name, as written.
  EXPECT_EQ(hs.shell.help_opened, std::vector<std::string>{"1_1.html"});
  EXPECT_EQ(hs.files.writes, 0);
}

TEST_F(MenuCommands, WebLinksOpenTheirPagesInTheProgramFolder) {
  StartFresh();
  for (int32_t n = 1; n <= 3; ++n) form.RunMenuItem(menu_id::WebLinkItem(n));
  EXPECT_EQ(hs.shell.urls_opened,
            (std::vector<std::string>{"clock\\links\\gallery.html", "clock\\links\\readme.html",
                                      "clock\\links\\changes.html"}));
  EXPECT_TRUE(hs.journal.entries().empty());
}

TEST_F(MenuCommands, FontItemOpensTheFontDialog) {
  StartFresh();
  form.RunMenuItem(menu_id::Font);
  EXPECT_EQ(hs.dialogs.fonts_offered.size(), 1u);
}

}  // namespace
}  // namespace sorvane::testing

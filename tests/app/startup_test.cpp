// Start-up: what the clock reads, in which order, and that it writes nothing.
#include "app/menu_tree.h"
#include "clock_fixture.h"

namespace sorvane::testing {
namespace {

using StartUp = ClockTest;

TEST_F(StartUp, ReadsEverythingInOrderAndWritesNothing) {
  PutSkin("disc.skn", "Disc");
  Start();
  const headless::Journal& j = hs.journal;
  const int check = j.FirstIndexOf("window.AnotherCopyRunning");
  const int time = j.FirstIndexOf("clock.Now");
  const int profiles = j.FirstIndexOf("files.ReadAll vl.prf");
  const int skins = j.FirstIndexOf("files.List .skn");
  const int skin = j.FirstIndexOf("files.ReadAll disc.skn");
  const int size = j.FirstIndexOf("window.SetWidth 250");
  const int place = j.FirstIndexOf("window.SetLeft 100");
  const int colour = j.FirstIndexOf("window.SetColor 255");
  const int outline = j.FirstIndexOf("window.SetRegion");
  EXPECT_EQ(check, 0);
  EXPECT_LT(check, time);
  EXPECT_LT(time, profiles);
  EXPECT_LT(profiles, skins);
  EXPECT_LT(skins, skin);
  EXPECT_LT(skin, size);
  EXPECT_LT(size, place);
  EXPECT_LT(place, colour);
  EXPECT_LT(colour, outline);
  EXPECT_EQ(j.Count("files.ReplaceWith"), 0);
  EXPECT_EQ(hs.window.RegionCount(), 1);

  const ClockState& s = form.State();
  EXPECT_EQ(s.last_hour, 10);
  EXPECT_EQ(s.last_minute, 20);
  EXPECT_EQ(s.last_second, 30);
  EXPECT_EQ(s.char_set, 0);  // US English
  EXPECT_EQ(s.time_separator, ":");
  EXPECT_EQ(s.half_width, 125);
  ASSERT_EQ(s.profiles.size(), 1u);
  EXPECT_EQ(s.profiles[0], profile);
  EXPECT_EQ(s.default_profile.name, "StartUp");
  EXPECT_FALSE(s.date_format_captions[1].empty());
  const MenuItem& skin_item = form.Menu().At(menu_id::SkinItem(0));
  EXPECT_EQ(skin_item.caption, " Disc");  // the name keeps the blank after \names
  EXPECT_EQ(skin_item.tag, 0);
  EXPECT_TRUE(form.TimerRunning());
}

TEST_F(StartUp, SecondCopyLeavesBeforeTouchingAnything) {
  WriteProfile(profile);
  hs.window.another_copy = true;
  EXPECT_FALSE(form.Start());
  EXPECT_EQ(hs.journal.entries(), std::vector<std::string>{"window.AnotherCopyRunning"});
  EXPECT_EQ(hs.files.reads, 0);
  EXPECT_EQ(hs.files.writes, 0);
  EXPECT_EQ(hs.clock.reads, 0);
  EXPECT_FALSE(hs.window.HasRegion());
}

TEST_F(StartUp, WithoutProfilesFileUsesDefaultAndWritesNothing) {
  ASSERT_TRUE(form.Start());
  Profile expected;
  ResetToDefaults(expected);
  ASSERT_EQ(form.State().profiles.size(), 1u);
  EXPECT_EQ(form.CurrentProfile(), expected);
  EXPECT_EQ(hs.files.Find(ProfilesPath()), nullptr);
  // No size named: the window keeps 302 x 302 and is placed at the right edge + 0.
  EXPECT_EQ(hs.window.Bounds(), (Rect{1023, 0, 1325, 302}));
}

// The error reaches the shell; the window goes on with the default profile rather than with
// none, and later ticks and paints do not fail for want of one.
TEST_F(StartUp, UnreadableProfilesFileStopsStartUpButLeavesDefaultProfile) {
  WriteProfile(profile);
  hs.files.unreadable.insert(headless::MemoryFiles::Key(ProfilesPath()));
  EXPECT_THROW(form.Start(), FileError);
  EXPECT_EQ(form.State().profiles.size(), 1u);
  EXPECT_EQ(form.CurrentProfile(), form.State().default_profile);
  EXPECT_EQ(hs.journal.Count("files.List"), 0);  // later steps skipped
  EXPECT_FALSE(hs.window.HasRegion());
  hs.clock.SetTime(10, 21, 0);
  EXPECT_NO_THROW(form.Tick());
  EXPECT_TRUE(hs.window.HasRegion());
}

TEST_F(StartUp, SerbianCyrillicUserGetsRussianCharSet) {
  hs.services.locale.language_id = 0x0C1A;
  Start();
  EXPECT_EQ(form.State().char_set, 204);
}

TEST_F(StartUp, DestroyStopsTheTimerAndWritesNothing) {
  PutSkin("disc.skn", "Disc");
  Start();
  form.Stop();
  EXPECT_FALSE(form.TimerRunning());
  EXPECT_TRUE(form.State().skins.empty());
  hs.clock.SetTime(11, 0, 0);
  form.Tick();
  EXPECT_EQ(hs.window.RegionCount(), 1);
  EXPECT_EQ(hs.files.writes, 0);
}

}  // namespace
}  // namespace sorvane::testing

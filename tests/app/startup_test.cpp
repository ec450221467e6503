// Start-up: what the clock reads, in which order, and that it writes nothing.
#include "app/clock/menu_tree.h"
#include "clock_fixture.h"

namespace sorvane::testing {
namespace {

using StartUp = ClockTest;

TEST_F(StartUp, ReadsEverythingInOrderAndWritesNothing) {
  PutSkin("disc.skn", "Disc");
  Start();
  const headless::Journal& j = hs.journal;
  const int profiles = j.FirstIndexOf("files.ReadAll vl.prf");
  const int skins = j.FirstIndexOf("files.List .skn");
  const int skin = j.FirstIndexOf("files.ReadAll disc.skn");
  const int window = j.FirstIndexOf("host.MakeClockWindow");
  const int bounds = j.FirstIndexOf("window.SetBounds 100,50 250x250");
  const int colour = j.FirstIndexOf("window.SetColor 255");
  const int outline = j.FirstIndexOf("window.SetRegion");
  const int shown = j.FirstIndexOf("window.Show");
  EXPECT_GE(profiles, 0);
  EXPECT_LT(profiles, skins);
  EXPECT_LT(skins, skin);
  EXPECT_LT(skin, window);
  EXPECT_LT(window, bounds);
  EXPECT_LT(bounds, colour);
  EXPECT_LT(colour, outline);
  EXPECT_LT(outline, shown);
  EXPECT_EQ(j.Count("files.ReplaceWith"), 0);
  EXPECT_EQ(hs.window.RegionCount(), 1);

  const auto s = form.State();
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

// The whole clock at the top-right corner of the work area (here below a 30-pixel bar at the
// top), with the offsets that give that place; nothing else of the default profile changes.
TEST_F(StartUp, WithoutProfilesFileUsesDefaultInTheWorkAreasCornerAndWritesNothing) {
  hs.screen.SetWorkArea({0, 30, 1024, 768});
  ASSERT_TRUE(form.Start());
  Profile expected;
  ResetToDefaults(expected);
  expected.x_offset = -301;  // from the right edge, the last column
  expected.y_offset = 30;
  ASSERT_EQ(form.State().profiles.size(), 1u);
  EXPECT_EQ(form.CurrentProfile(), expected);
  EXPECT_EQ(hs.files.Find(ProfilesPath()), nullptr);
  // No size named: the window keeps 302 x 302.
  EXPECT_EQ(hs.window.Bounds(), (Rect{722, 30, 1024, 332}));
}

// The error reaches the shell once the clock stands: with the default profile rather than
// with none, its skins read and its outline built, and later ticks do not fail.
TEST_F(StartUp, UnreadableProfilesFileIsReportedAfterADefaultClockStands) {
  WriteProfile(profile);
  hs.files.unreadable.insert(headless::MemoryFiles::Key(ProfilesPath()));
  EXPECT_THROW(form.Start(), FileError);
  EXPECT_EQ(form.State().profiles.size(), 1u);
  EXPECT_EQ(form.CurrentProfile(), form.State().default_profile);
  EXPECT_EQ(hs.journal.Count("files.List"), 1);
  EXPECT_TRUE(hs.window.HasRegion());
  hs.clock.SetTime(10, 21, 0);
  EXPECT_NO_THROW(form.Tick());
  EXPECT_EQ(hs.window.RegionCount(), 2);
}

// Settings that could not be read are not overwritten unseen: the first save keeps them as
// vl.prf.bak (over an older one) or, failing that, is refused and leaves vl.prf alone.
TEST_F(StartUp, UnreadProfilesFileIsKeptAsBackupBeforeTheFirstSave) {
  WriteProfile(profile);
  const std::string old = *hs.files.Find(ProfilesPath());
  const std::filesystem::path backup = ProfilesPath().parent_path() / "vl.prf.bak";
  hs.files.unreadable.insert(headless::MemoryFiles::Key(ProfilesPath()));
  EXPECT_THROW(form.Start(), FileError);

  EXPECT_THROW(form.RunMenuItem(menu_id::SizeItem(5)), FileError) << "still unreadable";
  EXPECT_EQ(*hs.files.Find(ProfilesPath()), old);
  EXPECT_EQ(hs.files.Find(backup), nullptr);

  hs.files.unreadable.clear();
  hs.files.Put(backup, "an older backup");
  form.RunMenuItem(menu_id::SizeItem(5));
  EXPECT_EQ(*hs.files.Find(backup), old);
  EXPECT_NE(*hs.files.Find(ProfilesPath()), old);
  form.RunMenuItem(menu_id::SizeItem(6));
  EXPECT_EQ(*hs.files.Find(backup), old) << "later saves leave the backup alone";
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
  hs.clock.SetTime(11, 0, 0);
  form.Tick();
  EXPECT_EQ(hs.window.RegionCount(), 1);
  EXPECT_EQ(hs.files.writes, 0);
}

}  // namespace
}  // namespace sorvane::testing

// The tick: when the outline is rebuilt, the dragged position, and swallowed errors.
#include "clock_fixture.h"

namespace sorvane::testing {
namespace {

using Tick = ClockTest;

TEST_F(Tick, RebuildsOnceASecondWhileSecondsShowOtherwiseOnceAMinute) {
  struct Case {
    bool analog_seconds, digital_seconds;
    const char* style;
  };
  const Case cases[] = {
      {false, false, "Analog"}, {true, false, "Analog"},   {false, true, "Analog"},
      {false, true, "Digital"}, {false, false, "AnaDigi"},
  };
  // Ticks after a start at 10:20:30, and whether each one rebuilds without and with seconds.
  struct Step {
    int h, m, s;
    bool without_seconds, with_seconds;
  };
  const Step steps[] = {
      {10, 20, 30, false, false}, {10, 20, 31, false, true}, {10, 20, 31, false, false},
      {10, 20, 59, false, true},  {10, 21, 0, true, true},   {10, 21, 1, false, true},
      {9, 21, 1, true, true},  // the system clock set back an hour
  };
  for (const Case& c : cases) {
    headless::HeadlessServices services;
    services.clock.SetTime(10, 20, 30);
    profile.style = c.style;
    profile.analog_seconds = c.analog_seconds;
    profile.digital_seconds = c.digital_seconds;
    services.files.Put(ProfilesPath(), FormatProfiles({profile}));
    ClockForm clock(services.services);
    ASSERT_TRUE(clock.Start());
    const bool seconds = c.analog_seconds || c.digital_seconds;
    int expected = 1;
    for (const Step& step : steps) {
      services.clock.SetTime(step.h, step.m, step.s);
      clock.Tick();
      expected += (seconds ? step.with_seconds : step.without_seconds) ? 1 : 0;
      EXPECT_EQ(services.window.RegionCount(), expected)
          << c.style << " " << c.analog_seconds << c.digital_seconds << " at " << step.h << ":"
          << step.m << ":" << step.s;
    }
    EXPECT_EQ(clock.State().last_hour, 9);
    EXPECT_EQ(clock.State().last_minute, 21);
    EXPECT_EQ(clock.State().last_second, 1);
  }
}

TEST_F(Tick, StoresDraggedPositionWithoutSaving) {
  profile.x_edge = "right";
  profile.y_edge = "bottom";
  profile.x_offset = -300;
  profile.y_offset = -400;
  Start();
  form.Tick();
  EXPECT_EQ(form.CurrentProfile().x_offset, -300);  // an unmoved window changes nothing
  EXPECT_EQ(form.CurrentProfile().y_offset, -400);

  hs.window.DragTo(500, 100);
  form.Tick();
  EXPECT_EQ(form.CurrentProfile().x_offset, 500 - 1023);
  EXPECT_EQ(form.CurrentProfile().y_offset, 100 - 767);
  EXPECT_EQ(form.CurrentProfile().x_edge, "right");
  EXPECT_EQ(form.CurrentProfile().y_edge, "bottom");
  EXPECT_EQ(hs.files.writes, 0);
  EXPECT_EQ(hs.window.RegionCount(), 1);  // moving alone rebuilds nothing
}

TEST_F(Tick, AFailedRebuildIsSwallowedAndTriedAgain) {
  profile.style = "Digital";
  Start();
  hs.text.fail_outline = true;
  hs.window.DragTo(200, 60);
  hs.clock.SetTime(10, 21, 0);
  EXPECT_NO_THROW(form.Tick());
  EXPECT_EQ(form.CurrentProfile().x_offset, 200);  // the position step ran all the same
  EXPECT_EQ(hs.window.RegionCount(), 1);
  EXPECT_EQ(form.State().last_minute, 20);

  hs.text.fail_outline = false;
  form.Tick();
  EXPECT_EQ(hs.window.RegionCount(), 2);
  EXPECT_EQ(form.State().last_minute, 21);
}

TEST_F(Tick, AFailedPositionStepDoesNotStopTheRebuild) {
  Start();
  hs.screen.fail = true;
  hs.window.DragTo(200, 60);
  hs.clock.SetTime(10, 21, 0);
  EXPECT_NO_THROW(form.Tick());
  EXPECT_EQ(form.CurrentProfile().x_offset, 100);
  EXPECT_EQ(hs.window.RegionCount(), 2);
}

TEST_F(Tick, BeforeAnyProfileExistsTheTickDoesNothing) {
  EXPECT_NO_THROW(form.Tick());
  EXPECT_FALSE(hs.window.HasRegion());
}

}  // namespace
}  // namespace sorvane::testing

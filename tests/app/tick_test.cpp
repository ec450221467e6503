// The tick: when the outline is rebuilt, when the timer is armed, the dragged position, and
// swallowed errors.
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
    headless::OneClock clock(services);
    ASSERT_TRUE(clock.Start());
    const bool seconds = c.analog_seconds || c.digital_seconds;
    const int repaints = services.window.repaints;
    int expected = 1;
    for (const Step& step : steps) {
      services.clock.SetTime(step.h, step.m, step.s);
      clock.Tick();
      expected += (seconds ? step.with_seconds : step.without_seconds) ? 1 : 0;
      EXPECT_EQ(services.window.RegionCount(), expected)
          << c.style << " " << c.analog_seconds << c.digital_seconds << " at " << step.h << ":"
          << step.m << ":" << step.s;
    }
    // The outline alone changes: the pixels it keeps keep their colours.
    EXPECT_EQ(services.window.repaints, repaints);
    EXPECT_EQ(clock.State().last_hour, 9);
    EXPECT_EQ(clock.State().last_minute, 21);
    EXPECT_EQ(clock.State().last_second, 1);
  }
}

// Each step sets the clock, runs one event and expects the timer armed for that many
// milliseconds (5 past the next turn), after a rebuild or not.
TEST_F(Tick, ArmsTheTimerForTheNextChangeOfTheShownTime) {
  enum class Event { Timer, TimeChanged, ToggleAnalogSeconds, ToggleDigitalSeconds, ToggleDigital };
  struct Step {
    int h, m, s, ms;
    Event event;
    int32_t armed;
    bool rebuilds;
  };
  const Step steps[] = {
      {10, 20, 31, 6, Event::Timer, 999, true},
      {10, 20, 31, 998, Event::Timer, 7, false},  // early: the rest of the second
      {10, 20, 32, 5, Event::Timer, 1000, true},
      {10, 20, 33, 250, Event::Timer, 755, true},                // late: no second shown twice
      {10, 20, 33, 500, Event::ToggleAnalogSeconds, 505, true},  // digital seconds still on
      {10, 20, 33, 500, Event::ToggleDigitalSeconds, 26505, true},
      {10, 20, 59, 998, Event::Timer, 7, false},
      {10, 21, 0, 5, Event::Timer, 60000, true},
      {10, 45, 10, 300, Event::TimeChanged, 49705, true},  // the system clock was set
      {10, 45, 40, 0, Event::TimeChanged, 20005, false},
      {10, 45, 41, 0, Event::ToggleDigital, 19005, true},  // the style changed
      {10, 45, 42, 0, Event::ToggleDigitalSeconds, 1005, true},
  };
  profile.analog_seconds = true;
  profile.digital_seconds = true;
  Start();
  EXPECT_EQ(hs.host.tick_delays, std::vector<int32_t>{1005});  // started at 10:20:30.000
  for (const Step& step : steps) {
    hs.clock.now = DateTime{2002, 12, 31, step.h, step.m, step.s, step.ms};
    const int regions = hs.window.RegionCount();
    switch (step.event) {
      case Event::Timer:
        form.Tick();
        break;
      case Event::TimeChanged:
        form.TimeChanged();
        break;
      case Event::ToggleAnalogSeconds:
        form.ToggleAnalogSeconds();
        break;
      case Event::ToggleDigitalSeconds:
        form.ToggleDigitalSeconds();
        break;
      case Event::ToggleDigital:
        form.ToggleFace(Face::Digital);
        break;
    }
    SCOPED_TRACE(::testing::Message()
                 << step.h << ":" << step.m << ":" << step.s << "." << step.ms);
    EXPECT_EQ(hs.host.ArmedDelay(), step.armed);
    EXPECT_EQ(hs.window.RegionCount() > regions, step.rebuilds);
  }
}

TEST_F(Tick, AStoppedClockArmsNothing) {
  Start();
  form.Stop();
  form.Tick();
  form.TimeChanged();
  EXPECT_EQ(hs.host.tick_delays.size(), 1u);
}

TEST_F(Tick, TheEndOfADragStoresAndSavesThePlace) {
  profile.x_edge = "right";
  profile.y_edge = "bottom";
  profile.x_offset = -300;
  profile.y_offset = -400;
  Start();
  form.DragEnded();
  EXPECT_EQ(hs.files.writes, 0);  // pressed, not moved: nothing to store

  hs.window.DragTo(500, 100);
  form.DragEnded();
  EXPECT_EQ(form.CurrentProfile().x_offset, 500 - 1023);
  EXPECT_EQ(form.CurrentProfile().y_offset, 100 - 767);
  EXPECT_EQ(form.CurrentProfile().x_edge, "right");
  EXPECT_EQ(form.CurrentProfile().y_edge, "bottom");
  EXPECT_EQ(hs.files.writes, 1);
  EXPECT_EQ(*hs.files.Find(ProfilesPath()), FormatProfiles({form.CurrentProfile()}));
  EXPECT_EQ(hs.window.RegionCount(), 1);  // moving alone rebuilds nothing
  form.DragEnded();
  EXPECT_EQ(hs.files.writes, 1);
}

TEST_F(Tick, AFailedRebuildIsSwallowedAndTriedAgainASecondLater) {
  profile.style = "Digital";
  Start();
  hs.text.fail_outline = true;
  hs.clock.SetTime(10, 21, 0);
  EXPECT_NO_THROW(form.Tick());
  EXPECT_EQ(hs.window.RegionCount(), 1);
  EXPECT_EQ(form.State().last_minute, 20);
  EXPECT_EQ(hs.host.ArmedDelay(), 1000);  // not at the next minute

  hs.text.fail_outline = false;
  form.Tick();
  EXPECT_EQ(hs.window.RegionCount(), 2);
  EXPECT_EQ(form.State().last_minute, 21);
}

TEST_F(Tick, BeforeAnyProfileExistsTheTickDoesNothing) {
  EXPECT_NO_THROW(form.Tick());
  EXPECT_FALSE(hs.window.HasRegion());
}

}  // namespace
}  // namespace sorvane::testing

// What a clock window's events do to the program.
#include "clock_fixture.h"

namespace sorvane::testing {
namespace {

using ClockEventsTest = ClockTest;

// A window the system closes ends the program; a timer message still queued then arms
// nothing.
TEST_F(ClockEventsTest, AWindowClosedByTheSystemStopsTheProgram) {
  Start();
  const size_t armed = hs.host.tick_delays.size();
  hs.host.events.at(0)->Closed();
  EXPECT_TRUE(hs.host.quit);
  form.Tick();
  EXPECT_EQ(hs.host.tick_delays.size(), armed);
}

}  // namespace
}  // namespace sorvane::testing

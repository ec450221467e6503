// The one adapter both shells hand their clock window's events to.
#include "app/clock_form_events.h"

#include "clock_fixture.h"

namespace sorvane::testing {
namespace {

using ClockFormEventsTest = ClockTest;

TEST_F(ClockFormEventsTest, ClosedStopsTheClockBeforeTheEventLoopEnds) {
  Start();
  const size_t armed = hs.window.tick_delays.size();
  int quits = 0;
  bool stopped_first = false;
  ClockFormEvents events(form, hs.errors, [&] {
    ++quits;
    form.Tick();  // a timer message still queued must arm nothing
    stopped_first = hs.window.tick_delays.size() == armed;
  });
  events.Closed();
  EXPECT_EQ(quits, 1);
  EXPECT_TRUE(stopped_first);
}

}  // namespace
}  // namespace sorvane::testing

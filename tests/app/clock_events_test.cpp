// What a clock window's events do to the program.
#include "app/clock/menu_tree.h"
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

// A menu command sent to the window itself runs that clock's item, saved as from its menu.
TEST_F(ClockEventsTest, ACommandSentToTheWindowRunsItsClocksItem) {
  Start();
  hs.host.events.at(0)->Command(menu_id::ShowDate);
  EXPECT_TRUE(form.CurrentProfile().show_date);
  EXPECT_EQ(hs.files.writes, 1);
}

}  // namespace
}  // namespace sorvane::testing

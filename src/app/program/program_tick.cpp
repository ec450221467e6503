// The one timer of all the clocks: armed for the next change of what any of them shows.
#include <algorithm>
#include <limits>

#include "app/program/program.h"

namespace sorvane {

namespace {
constexpr int32_t kRetryMilliseconds = 1000;
}  // namespace

// One reading of the clock decides both what every clock shows and when to wake next: two
// readings could fall either side of a turn, and the second that turned in between would
// then be skipped. One clock's failed rebuild is dropped so that it never stops the others
// or the timer; that tick simply tries again a second later.
void Program::Tick() {
  if (!timer_running_) return;
  bool failed = false;
  try {
    const ports::Moment now = services_.clock.Now();
    for (Slot& slot : clocks_) {
      try {
        slot.clock->ShowTime(now);
      } catch (...) {
        failed = true;
      }
    }
    if (!failed) ArmTickFrom(now);
  } catch (...) {
    failed = true;
  }
  if (failed) services_.host.ScheduleTick(kRetryMilliseconds);
}

// A new system time may change what the clocks show at once (the minute, the hour) and
// moves the next turn; waking from sleep is the same, the timer having slept too.
void Program::TimeChanged() {
  Tick();
}

// After start-up and after every command.
void Program::ArmNextTick() {
  if (!timer_running_) return;
  ArmTickFrom(services_.clock.Now());
}

// Before any clock exists the program looks again every second.
void Program::ArmTickFrom(ports::Moment now) {
  int32_t delay = clocks_.empty() ? kRetryMilliseconds : std::numeric_limits<int32_t>::max();
  for (const Slot& slot : clocks_) {
    delay = std::min(delay, slot.clock->MillisecondsToNextChange(now));
  }
  services_.host.ScheduleTick(delay);
}

}  // namespace sorvane

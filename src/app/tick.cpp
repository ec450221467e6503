// The tick: rebuild the outline when the shown time has changed, then sleep until it next
// changes. A failed rebuild is dropped so that one bad tick never stops the clock; the
// timer is then armed for a second later, and that tick simply tries again.
#include "app/clock_form.h"
#include "app/next_change.h"

namespace sorvane {

namespace {
constexpr int32_t kRetryMilliseconds = 1000;
}  // namespace

// One reading of the clock decides both whether to rebuild and when to wake next: two
// readings could fall either side of a turn, and the second that turned in between would
// then be skipped.
void ClockForm::Tick() {
  if (!timer_running_) return;
  try {
    const DateTime now = Now();
    RebuildWhenTimeChanged(now);
    ArmTickFrom(now);
  } catch (...) {
    services_.window.ScheduleTick(kRetryMilliseconds);
  }
}

// A new system time may change what the clock shows at once (the minute, the hour) and
// moves the next turn; waking from sleep is the same, the timer having slept too.
void ClockForm::TimeChanged() {
  Tick();
}

void ClockForm::RebuildWhenTimeChanged(const DateTime& now) {
  const TimeOfDay time = SplitTimeOfDay(MillisecondsSinceMidnight(now));
  if (ShownTimeChanged(time)) BuildOutline(now);
}

// Seconds count while either face's seconds are switched on; otherwise the outline changes
// once a minute.
bool ClockForm::ShownTimeChanged(const TimeOfDay& time) const {
  if (time.hours != last_hour || time.minutes != last_minute) return true;
  return SecondsShown() && time.seconds != last_second;
}

// Before any profile is read the clock looks again every second.
bool ClockForm::SecondsShown() const {
  if (profiles.empty()) return true;
  const Profile& profile = CurrentProfile();
  return profile.analog_seconds || profile.digital_seconds;
}

// After start-up and after a command that changes the style or the seconds.
void ClockForm::ArmNextTick() {
  if (!timer_running_) return;
  ArmTickFrom(Now());
}

// A time already past what the outline shows (it turned while a command or the start-up
// was rebuilding) is shown at once, rather than a second or a minute late.
void ClockForm::ArmTickFrom(const DateTime& now) {
  const bool behind = ShownTimeChanged(SplitTimeOfDay(MillisecondsSinceMidnight(now)));
  services_.window.ScheduleTick(behind ? 0 : MillisecondsToNextChange(now, SecondsShown()));
}

}  // namespace sorvane

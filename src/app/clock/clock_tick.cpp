// The time a clock shows, and when it next changes. The program reads the moment once for
// all its clocks; each shows it in its own zone.
#include "app/clock/clock.h"
#include "app/clock/next_change.h"

namespace sorvane {

// A zone the system does not know shows the system's own time: a profile written on a newer
// system still shows a clock, and keeps its zone for the day the system learns it.
DateTime Clock::ShownAt(ports::Moment now) const {
  if (!profile_.time_zone.empty()) {
    if (const std::optional<DateTime> zoned = services_.clock.InZone(now, profile_.time_zone)) {
      return *zoned;
    }
  }
  return services_.clock.Local(now);
}

void Clock::ShowTime(ports::Moment now) {
  if (ShownTimeChanged(SplitTimeOfDay(MillisecondsSinceMidnight(ShownAt(now))))) {
    BuildOutline(now);
  }
}

// A time already past what the outline shows (it turned while a command or the start-up
// was rebuilding) is to be shown at once, rather than a second or a minute late.
int32_t Clock::MillisecondsToNextChange(ports::Moment now) const {
  const DateTime shown = ShownAt(now);
  if (ShownTimeChanged(SplitTimeOfDay(MillisecondsSinceMidnight(shown)))) return 0;
  return sorvane::MillisecondsToNextChange(shown, SecondsShown());
}

// Seconds count while either face's seconds are switched on; otherwise the outline changes
// once a minute.
bool Clock::SecondsShown() const {
  return profile_.analog_seconds || profile_.digital_seconds;
}

bool Clock::ShownTimeChanged(const TimeOfDay& time) const {
  if (time.hours != state_.shown.hours || time.minutes != state_.shown.minutes) return true;
  return SecondsShown() && time.seconds != state_.shown.seconds;
}

}  // namespace sorvane

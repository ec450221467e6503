// The once-a-second tick: keep the stored position in step with a dragged window, and
// rebuild the outline when the shown time has changed. Each step drops its own errors so
// that one bad tick never stops the clock; the next tick simply tries again.
#include "app/clock_form.h"
#include "geometry/anchor.h"

namespace sorvane {

void ClockForm::Tick() {
  if (!timer_running_) return;
  try {
    KeepPositionInStep();
  } catch (...) {
  }
  try {
    RebuildWhenTimeChanged();
  } catch (...) {
  }
}

// A drag moves the window without telling the clock; the offsets follow here. They reach
// the profiles file only with the next save.
void ClockForm::KeepPositionInStep() {
  Profile& profile = CurrentProfile();
  const Rect bounds = services_.window.Bounds();
  const Point offsets = AnchorOffsets(bounds.left, bounds.top, profile,
                                 services_.screen.PrimarySize());
  if (offsets.x != profile.x_offset || offsets.y != profile.y_offset) {
    profile.x_offset = offsets.x;
    profile.y_offset = offsets.y;
  }
}

void ClockForm::RebuildWhenTimeChanged() {
  const DateTime now = Now();
  const TimeOfDay time = SplitTimeOfDay(MillisecondsSinceMidnight(now));
  if (!ShownTimeChanged(time)) return;
  BuildOutline(now);
  RecordRebuildTime(time);
}

// Seconds count only while either face shows them; otherwise the outline changes once a
// minute.
bool ClockForm::ShownTimeChanged(const TimeOfDay& time) const {
  const Profile& profile = CurrentProfile();
  const bool seconds_shown = profile.analog_seconds || profile.digital_seconds;
  if (time.hours != last_hour || time.minutes != last_minute) return true;
  return seconds_shown && time.seconds != last_second;
}

}  // namespace sorvane

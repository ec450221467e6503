// Splitting a time of day into the hours, minutes and seconds the clock shows.
#include "timefmt/date_format.h"

namespace sorvane {

TimeOfDay SplitTimeOfDay(int64_t ms_since_midnight) {
  // Callers pass a time of day; a negative count (a clock set oddly) reads as midnight
  // rather than as negative minutes.
  const int64_t ms = ms_since_midnight < 0 ? 0 : ms_since_midnight;
  return TimeOfDay{static_cast<int>(ms / 3'600'000), static_cast<int>((ms / 60'000) % 60),
                   static_cast<int>((ms / 1'000) % 60)};
}

int64_t MillisecondsSinceMidnight(const DateTime& when) {
  return int64_t{when.hour} * 3'600'000 + int64_t{when.minute} * 60'000 +
         int64_t{when.second} * 1'000 + when.millisecond;
}

}  // namespace sorvane

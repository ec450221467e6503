#include "app/clock/next_change.h"

#include <algorithm>

namespace sorvane {

int32_t MillisecondsToNextChange(const DateTime& now, bool seconds_shown) {
  const int32_t millisecond = std::clamp(now.millisecond, 0, 999);
  const int32_t second = std::clamp(now.second, 0, 59);
  const int32_t period = seconds_shown ? 1000 : 60 * 1000;
  const int32_t into_period = seconds_shown ? millisecond : second * 1000 + millisecond;
  return period - into_period + kTickPastTurnMilliseconds;
}

}  // namespace sorvane

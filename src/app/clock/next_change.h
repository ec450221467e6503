#pragma once
// When the shown time next changes. The clock sleeps until then instead of waking every
// second: with seconds shown the outline changes as each second turns, otherwise as each
// minute turns. The tick is armed a few milliseconds past the turn, so that a clock read at
// the tick already shows the new time even when the system's timers run a little early.
#include <cstdint>

#include "timefmt/date_format.h"

namespace sorvane {

// How far past the turn of the second (or minute) the tick is armed.
inline constexpr int32_t kTickPastTurnMilliseconds = 5;

// Milliseconds from `now` until kTickPastTurnMilliseconds after the next turn of the second
// (seconds shown) or of the minute (not shown): between 1 + the margin and a whole second
// or minute + the margin. A reading with a leap second (60) or odd milliseconds counts as
// the last moment of its minute or second.
int32_t MillisecondsToNextChange(const DateTime& now, bool seconds_shown);

}  // namespace sorvane

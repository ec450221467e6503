#pragma once
// Where the window stands: a profile keeps the window's top-left corner as offsets from
// the edges of an anchor rectangle, so a clock kept at the right or bottom of the screen
// stays there when the screen size changes.
#include <cstdint>
#include <span>

#include "files/profile.h"
#include "geometry/clock_sizes.h"
#include "region/region.h"

namespace sorvane {

// The anchor edges for the profile's `ancor`: all zero for "hook", otherwise the primary
// screen from (0, 0) to its last pixel column and row (width - 1, height - 1). Unlike a
// Region rectangle, right and bottom here name the last pixel.
Rect AnchorRect(const TProfile& profile, PixelSize screen);

// The window's offsets (left, top) from the anchor edges the profile selects: the right
// edge when `xside` is "right", else the left; the bottom when `yside` is "bottom", else
// the top. This is what the profile stores in `x` and `y`.
Point GetPoint(int32_t left, int32_t top, const TProfile& profile, PixelSize screen);

// The inverse of GetPoint: the window's left and top for the profile's offsets. Results
// beyond the int range are clamped to it.
Point PlaceFromProfile(const TProfile& profile, PixelSize screen);

// A window that would show on no monitor at all (a monitor since unplugged, a hand-edited
// profile) goes onto the primary screen (monitors[0]) at the nearest edge. A window with any
// part on some monitor, or no monitor list at all, stays exactly where it is.
Rect KeepOnSomeMonitor(const Rect& window, std::span<const Rect> monitors);

}  // namespace sorvane

#pragma once
// Where the window stands: a profile keeps the window's top-left corner as offsets from
// the edges of an anchor box, so a clock kept at the right or bottom of the screen
// stays there when the screen size changes.
#include <cstdint>
#include <span>

#include "files/profile.h"
#include "geometry/clock_sizes.h"
#include "region/rect.h"

namespace sorvane {

// The edges a profile's offsets are measured from. Inclusive, unlike a Rect: right and bottom
// name the last pixel column and row. The offsets in users' profile files were measured from
// these edges, so the box stays inclusive (a half-open one would move every clock kept at the
// right or bottom by a pixel).
struct AnchorBox {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;   // the last column, not one past it
  int32_t bottom = 0;  // the last row, not one past it
  friend bool operator==(const AnchorBox&, const AnchorBox&) = default;
};

// The anchor box for the profile's `anchor`: all zero for "hook", otherwise the primary
// screen from (0, 0) to its last pixel column and row (width - 1, height - 1).
AnchorBox AnchorBoxOf(const Profile& profile, Size screen);

// The window's offsets (left, top) from the anchor edges the profile selects: the right
// edge when `x_edge` is "right", else the left; the bottom when `y_edge` is "bottom", else
// the top. This is what the profile stores in `x` and `y`.
Point AnchorOffsets(int32_t left, int32_t top, const Profile& profile, Size screen);

// The inverse of AnchorOffsets: the window's left and top for the profile's offsets. Results
// beyond the int range are clamped to it.
Point PlaceFromProfile(const Profile& profile, Size screen);

// The smallest piece of a window a mouse can find and drag, in pixels each way.
inline constexpr int32_t kGrabbableSide = 24;

// Where a window of `size` that its profile puts at `place` is shown. A window that shows a
// piece of kGrabbableSide x kGrabbableSide pixels on some monitor (all of itself, when it is
// smaller) stays exactly where its profile puts it. Any other -- on a monitor since unplugged,
// hand-edited, or saved at the screen's edge -- could not be grabbed: it goes wholly into
// `work_area` (the primary monitor less its taskbar; the part of it on the primary monitor,
// for a system that has not yet caught up with a smaller screen) at the nearest place, or to
// its top-left corner when larger than it. An empty window counts as one pixel. With no monitor
// list the place is kept.
Point KeepGrabbable(Point place, Size size, std::span<const Rect> monitors, const Rect& work_area);

// Where a new window of `size` goes beside the window `beside`: to its right, else its
// left, below it or above it, the first of them that shows whole on the monitor holding the
// middle of `beside` (the primary one less its taskbar, `work_area`). Where none of them
// does, the place to its right brought as near as it can into that area.
Point PlaceBeside(const Rect& beside, Size size, std::span<const Rect> monitors,
                  const Rect& work_area);

}  // namespace sorvane

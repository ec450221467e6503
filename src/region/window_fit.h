#pragma once
// What a shell may hand to the window system as a window's region. The outline of a skin
// with extreme numbers reaches far beyond the window, and every row of it can differ, so
// it can hold tens of thousands of rectangles. Wine sends a window region to X as one
// SHAPE request, and Xlib writes that request's length (in 4-byte units) into 16 bits:
// with more rectangles than fit, the length wraps, the server takes the rest of the
// rectangles for requests of their own and the program dies of a protocol error
// ("BadRequest", "BadLength"). So the region is cut to the window's rectangle, and an
// outline still too fine for one request is coarsened until it fits.
#include <cstddef>
#include <cstdint>

#include "region/region.h"

namespace sorvane {

// The rectangles one X SHAPE request can carry: 16 bytes of header and 8 per rectangle in
// at most 65,535 units of 4 bytes.
inline constexpr std::size_t kMostRectsInOneRequest = (65535 * 4 - 16) / 8;  // 32,765

// The part of `region` inside the window's own rectangle (0, 0)-(width, height), the only
// part a window of that size can show.
Region ClipToWindow(const Region& region, int32_t width, int32_t height);

// `region` itself when it has at most `most_rects` rectangles. Otherwise a coarser copy:
// on a grid of square cells from (0, 0), every cell that holds a pixel of `region` taken
// whole, with cells of 2, 4, 8, ... pixels until the result has at most `most_rects`
// rectangles (or the cells are larger than any region). It covers every pixel of `region`.
Region CoarsenToFit(const Region& region, std::size_t most_rects);

// The part of `rect` inside `bounds` (a window's rectangle, say); no area when they do not
// meet. For paint rectangles, which X carries with 16-bit coordinates too.
Rect ClipRect(const Rect& rect, const Rect& bounds);

// What the shells hand to the window system for a window of width x height: the region
// clipped to the window and, when even that is too fine for one request, coarsened (and
// clipped again). A region that lies within the window and fits comes back unchanged.
Region RegionForWindow(const Region& outline, int32_t width, int32_t height);

}  // namespace sorvane

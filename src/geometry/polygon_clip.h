#pragma once
// A polygon's corners in window pixels, for the region engine. Skins may hold corners
// billions of pixels away; moving such a corner onto the pixel limit (as rounding does)
// turns its two edges, and a polygon whose edges cross the window then fills the wrong
// pixels there. So a polygon that reaches past the limit is cut to the limit's square first,
// which leaves everything inside the square as it was.
#include <span>
#include <vector>

#include "geometry/transform.h"
#include "region/region.h"

namespace sorvane {

// The polygon `corners` (closed from the last back to the first) cut to the square of
// -limit..limit on both axes, one side after another (Sutherland-Hodgman). What lies beyond
// a side is replaced by a path along that side, so every point strictly inside the square is
// wound round as often as before: under either fill rule the cut polygon fills inside the
// square exactly what the whole one fills there.
std::vector<RealPoint> ClipPolygonToSquare(std::span<const RealPoint> corners, double limit);

// Whether a corner lies past the pixel limit (or is no number), so that its polygon must be
// cut before its corners are rounded.
bool PastPixelLimit(const RealPoint& p);

// `corners` rounded to whole pixels into `pixels` (RoundPoint); a polygon with a corner past
// the pixel limit is first cut to the limit's square.
void PolygonPixels(std::span<const RealPoint> corners, std::vector<Point>& pixels);

}  // namespace sorvane

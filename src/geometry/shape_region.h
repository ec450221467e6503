#pragma once
// One skin element (a list of circles and polygons joined by + - & %) as a window region.
#include <vector>

#include "files/skin.h"
#include "geometry/transform.h"
#include "region/region.h"

namespace sorvane {

// Vertex storage reused from one polygon to the next, so a rebuild allocates little more
// than the regions themselves. Holds nothing between calls.
struct ShapeScratch {
  std::vector<RealPoint> corners;  // before rounding
  std::vector<Point> vertices;
  std::vector<Region> joined;  // a run of '+' pieces waiting to be united in one sweep
};

// The region of `shape` drawn on a face of `side` pixels centred at (x0, y0), turned by
// `angle` degrees. The first element starts the region (its operation is ignored); each
// later one is combined in by its operation: '+' union, '-' difference, '&' intersection,
// '%' exclusive or, none: no change. A circle's centre turns with the angle, the circle
// does not. The first polygon of a list fills alternate, later ones winding. A polygon of
// fewer than three vertices has no area. An empty list gives an empty region.
Region MakeRgnFromShape(const Shape& shape, int side, int angle, int x0, int y0,
                        ShapeScratch& scratch);
Region MakeRgnFromShape(const Shape& shape, int side, int angle, int x0, int y0);

}  // namespace sorvane

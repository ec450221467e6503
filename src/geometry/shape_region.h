#pragma once
// One skin element (a list of circles and polygons joined by + - & %) as a window region.
#include "files/skin.h"
#include "region/region.h"

namespace sorvane {

// The region of `shape` drawn on a face of `side` pixels centred at (x0, y0), turned by
// `angle` degrees. The first element starts the region (its operation is ignored); each
// later one is combined in by its operation: '+' union, '-' difference, '&' intersection,
// '%' exclusive or, none: no change. A circle's centre turns with the angle, the circle
// does not. The first polygon of a list fills alternate, later ones winding. A polygon of
// fewer than three vertices has no area. An empty list gives an empty region.
Region ShapeRegion(const Shape& shape, int side, int angle, int x0, int y0);

}  // namespace sorvane

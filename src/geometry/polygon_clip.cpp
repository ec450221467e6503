#include "geometry/polygon_clip.h"

#include <algorithm>
#include <cmath>

#include "geometry/pixel_round.h"

namespace sorvane {

namespace {

// One side of the square: the line where x (or y) equals `bound`, keeping the points on the
// side of it where the square is.
struct Side {
  bool on_x;
  double bound;
  bool keep_below;

  double Coordinate(const RealPoint& p) const { return on_x ? p.x : p.y; }
  bool Keeps(const RealPoint& p) const {
    return keep_below ? Coordinate(p) <= bound : Coordinate(p) >= bound;
  }
  // Where the edge from a to b, one end kept and one not, crosses the line.
  RealPoint Crossing(const RealPoint& a, const RealPoint& b) const {
    const double t = (bound - Coordinate(a)) / (Coordinate(b) - Coordinate(a));
    return on_x ? RealPoint{bound, a.y + t * (b.y - a.y)} : RealPoint{a.x + t * (b.x - a.x), bound};
  }
};

std::vector<RealPoint> CutBy(const std::vector<RealPoint>& corners, const Side& side) {
  std::vector<RealPoint> kept;
  if (corners.empty()) return kept;
  RealPoint previous = corners.back();
  for (const RealPoint& corner : corners) {
    if (side.Keeps(corner) != side.Keeps(previous)) kept.push_back(side.Crossing(previous, corner));
    if (side.Keeps(corner)) kept.push_back(corner);
    previous = corner;
  }
  return kept;
}

}  // namespace

bool PastPixelLimit(const RealPoint& p) {
  const double limit = kCoordLimit;
  return !(std::abs(p.x) <= limit && std::abs(p.y) <= limit);
}

std::vector<RealPoint> ClipPolygonToSquare(std::span<const RealPoint> corners, double limit) {
  std::vector<RealPoint> cut(corners.begin(), corners.end());
  for (const Side& side : {Side{true, limit, true}, Side{true, -limit, false},
                           Side{false, limit, true}, Side{false, -limit, false}}) {
    cut = CutBy(cut, side);
  }
  return cut;
}

void PolygonPixels(std::span<const RealPoint> corners, std::vector<Point>& pixels) {
  pixels.clear();
  if (std::none_of(corners.begin(), corners.end(), PastPixelLimit)) {
    for (const RealPoint& p : corners) pixels.push_back(RoundPoint(p));
    return;
  }
  for (const RealPoint& p : ClipPolygonToSquare(corners, kCoordLimit)) {
    pixels.push_back(RoundPoint(p));
  }
}

}  // namespace sorvane

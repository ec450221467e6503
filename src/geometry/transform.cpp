#include "geometry/transform.h"

#include <cmath>
#include <numbers>

#include "geometry/pixel_round.h"

namespace sorvane {
namespace {

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// With y pointing down, this turns counterclockwise on the screen for a positive angle.
RealPoint Rotate(RealPoint p, double cos_a, double sin_a) {
  return {p.x * cos_a + p.y * sin_a, -p.x * sin_a + p.y * cos_a};
}

}  // namespace

RealPoint RotateP(RealPoint p, double degrees) {
  const double a = Radians(degrees);
  return Rotate(p, std::cos(a), std::sin(a));
}

SkinTransform::SkinTransform(int side, int angle, int x0, int y0)
    : cos_(std::cos(Radians(angle))),
      sin_(std::sin(Radians(angle))),
      side_(side),
      x0_(x0),
      y0_(y0) {}

RealPoint SkinTransform::Apply(RealPoint p) const {
  const RealPoint r = Rotate(p, cos_, sin_);
  // Divide by 600 first, then scale: a skin unit is side/600 pixels.
  return {r.x / 600.0 * side_ + x0_, r.y / 600.0 * side_ + y0_};
}

RealPoint TransformPointR(RealPoint p, int side, int angle, int x0, int y0) {
  return SkinTransform(side, angle, x0, y0).Apply(p);
}

Point RoundPoint(RealPoint p) { return {RoundToPixel(p.x), RoundToPixel(p.y)}; }

}  // namespace sorvane

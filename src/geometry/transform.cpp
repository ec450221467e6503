#include "geometry/transform.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "geometry/pixel_round.h"

namespace sorvane {
namespace {

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

// With y pointing down, this turns counterclockwise on the screen for a positive angle.
RealPoint Rotate(RealPoint p, double cos_a, double sin_a) {
  return {p.x * cos_a + p.y * sin_a, -p.x * sin_a + p.y * cos_a};
}

struct Turn {
  double cos, sin;
};

Turn TurnBy(int degrees) {
  const double a = Radians(degrees);
  return {std::cos(a), std::sin(a)};
}

// The clock turns its marks and hands by whole degrees between -720 and 720 (the hour hand
// of the afternoon reaches -719); their sines and cosines are worked out once, by the same
// expression, so the table gives exactly what computing them afresh gives.
Turn TurnOf(int degrees) {
  constexpr int kMost = 720;
  static const std::array<Turn, 2 * kMost + 1> table = [] {
    std::array<Turn, 2 * kMost + 1> turns{};
    for (int d = -kMost; d <= kMost; ++d) turns[static_cast<std::size_t>(d + kMost)] = TurnBy(d);
    return turns;
  }();
  if (degrees < -kMost || degrees > kMost) return TurnBy(degrees);
  return table[static_cast<std::size_t>(degrees + kMost)];
}

}  // namespace

SkinTransform::SkinTransform(int side, int angle, int x0, int y0)
    : cos_(TurnOf(angle).cos), sin_(TurnOf(angle).sin), side_(side), x0_(x0), y0_(y0) {}

RealPoint SkinTransform::Apply(RealPoint p) const {
  const RealPoint r = Rotate(p, cos_, sin_);
  // Divide by 600 first, then scale: a skin unit is side/600 pixels.
  return {r.x / 600.0 * side_ + x0_, r.y / 600.0 * side_ + y0_};
}

Point RoundPoint(RealPoint p) {
  return {RoundToPixel(p.x), RoundToPixel(p.y)};
}

}  // namespace sorvane

// Polygons with corners far past the pixel limit fill, in the window, what exact arithmetic
// says they fill there.
#include "geometry/polygon_clip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "geometry/shape_region.h"
#include "shape_builders.h"

namespace sorvane {
namespace {

// How often the outline winds round (x, y), in exact terms for a point off every edge.
int Winding(const std::vector<RealPoint>& corners, double x, double y) {
  int winding = 0;
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const RealPoint a = corners[i], b = corners[(i + 1) % corners.size()];
    if ((a.y <= y) == (b.y <= y)) continue;
    const double cross_x = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
    if (x < cross_x) winding += b.y > a.y ? 1 : -1;
  }
  return winding;
}

double DistanceToOutline(const std::vector<RealPoint>& corners, double x, double y) {
  double nearest = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const RealPoint a = corners[i], b = corners[(i + 1) % corners.size()];
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double t = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    nearest = std::min(nearest, std::hypot(a.x + t * dx - x, a.y + t * dy - y));
  }
  return nearest;
}

TEST(PolygonClip, HugePolygonsFillTheWindowAsExactArithmeticSays) {
  uint64_t state = 0x2545F4914F6CDD1Du;
  auto next = [&state] {
    state ^= state << 13, state ^= state >> 7, state ^= state << 17;
    return static_cast<double>(static_cast<int32_t>(state >> 32));
  };
  constexpr int kSide = 250;
  for (int polygon = 0; polygon < 24; ++polygon) {
    std::vector<RealPoint> corners(3 + polygon % 8);
    for (RealPoint& c : corners) c = {next(), next()};
    // A corner near the window now and then, so edges cross it at every angle.
    if (polygon % 3 == 0) corners[0] = {100, 140};
    std::vector<Point> pixels;
    PolygonPixels(corners, pixels);
    for (const FillMode mode : {FillMode::Alternate, FillMode::Winding}) {
      const Region region = Region::Polygon(pixels, mode);
      int wrong = 0;
      for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
          // Pixel rules at an edge are the engine's own; far from every edge there is one answer.
          if (DistanceToOutline(corners, x + 0.5, y + 0.5) < 1.5) continue;
          const int w = Winding(corners, x + 0.5, y + 0.5);
          const bool filled = mode == FillMode::Alternate ? w % 2 != 0 : w != 0;
          wrong += region.Contains(x, y) != filled ? 1 : 0;
        }
      }
      EXPECT_EQ(wrong, 0) << "polygon " << polygon << ", fill " << static_cast<int>(mode);
    }
  }
}

TEST(PolygonClip, AHugeCircleExclusiveOrAFarPolygonShowsAsAFullFace) {
  // The polygon's corners lie some 10^9 pixels away and it does not reach the window, so the
  // circle, far larger than the window, shows whole: the full 250 x 250 face.
  const int32_t corners[] = {-1499591369, 648258640,   154112043,  31936245,    -1986441000,
                             -284989606,  -1847456881, -324187610, 1922895273,  -443753964,
                             2045500108,  1539610315,  -903621226, -1371269749, 596628807,
                             -548048381,  -1262897697, -798231825, -201071568,  -859994195};
  ShapeElement far = testing::Poly({}, '%');
  for (std::size_t i = 0; i < std::size(corners); i += 2)
    far.points.push_back({corners[i], corners[i + 1]});
  const Region face = ShapeRegion({testing::Circle(0, 0, 2147483647), far}, 250, 0, 125, 125);
  const Region window = Region::FromRect({0, 0, 250, 250});
  EXPECT_EQ(Region::Combine(face, window, CombineMode::And), window);
}

}  // namespace
}  // namespace sorvane

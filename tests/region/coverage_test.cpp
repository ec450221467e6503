// Coverage of finely drawn outlines: exact at one sample per pixel, full inside, empty
// outside, and summing to the shape's true area along its edges.
#include "region/coverage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace sorvane {
namespace {

double AreaInPixels(const Coverage& c) {
  double sum = 0;
  for (const uint8_t a : c.alpha) sum += a;
  return sum / 255.0;
}

TEST(Coverage, OneSamplePerPixelIsTheRegion) {
  const std::vector<Point> hand{{3, 40}, {30, 2}, {37, 9}, {8, 44}};
  const Region region =
      Region::Combine(Region::Ellipse({-5, 4, 31, 47}), Region::Polygon(hand, FillMode::Alternate),
                      CombineMode::Xor);
  const Coverage c = CoverageOf(region, 1, 1, 40, 45);  // cut off left and right
  for (int32_t y = 0; y < c.height; ++y) {
    for (int32_t x = 0; x < c.width; ++x) {
      ASSERT_EQ(c.At(x, y), region.Contains(x, y) ? 255 : 0) << x << "," << y;
    }
  }
}

// A circle in a box of 40 pixels and a slanted quadrilateral, drawn at 4 x 4, 8 x 4 and 8 x 8
// samples: pixels wholly inside are opaque, wholly outside clear, and the alpha adds up to
// the exact area within a twentieth of a pixel per pixel of perimeter. (An ellipse region,
// like GDI's, leaves the box's right and bottom sample out: it spans the box less one sample.)
TEST(Coverage, EdgesAddUpToTheExactArea) {
  struct Samples {
    int32_t sx, sy;
  } samples[] = {{4, 4}, {8, 4}, {8, 8}};
  for (const Samples s : samples) {
    SCOPED_TRACE(testing::Message() << s.sx << "x" << s.sy);
    const Region circle = Region::Ellipse({5 * s.sx, 5 * s.sy, 45 * s.sx, 45 * s.sy});
    const Coverage c = CoverageOf(circle, s.sx, s.sy, 50, 50);
    EXPECT_EQ(c.At(25, 25), 255);
    EXPECT_EQ(c.At(25, 6), 255);  // 19 pixels from the centre, a pixel inside the edge
    EXPECT_EQ(c.At(4, 25), 0);
    EXPECT_EQ(c.At(8, 8), 0);    // the box's corner, outside the circle
    EXPECT_GT(c.At(38, 10), 0);  // where the edge crosses at 45 degrees
    EXPECT_LT(c.At(38, 10), 255);
    const double rx = 20 - 0.5 / s.sx, ry = 20 - 0.5 / s.sy;
    EXPECT_NEAR(AreaInPixels(c), std::numbers::pi * rx * ry, 0.05 * 2 * std::numbers::pi * 20);

    // Corners (0, 0), (30, 10), (36, 40), (4, 30) in pixels: area 880 by the shoelace formula.
    const std::vector<Point> quad{
        {0, 0}, {30 * s.sx, 10 * s.sy}, {36 * s.sx, 40 * s.sy}, {4 * s.sx, 30 * s.sy}};
    const Coverage q = CoverageOf(Region::Polygon(quad, FillMode::Winding), s.sx, s.sy, 50, 50);
    EXPECT_EQ(q.At(20, 20), 255);
    EXPECT_EQ(q.At(30, 2), 0);
    const double perimeter =
        std::hypot(30, 10) + std::hypot(6, 30) + std::hypot(32, 10) + std::hypot(4, 30);
    EXPECT_NEAR(AreaInPixels(q), 880.0, 0.05 * perimeter);
  }
}

TEST(Coverage, NothingOutsideTheWindow) {
  const Coverage c = CoverageOf(Region::FromRect({-40, -40, 400, 400}), 4, 4, 3, 2);
  EXPECT_EQ(c.alpha, std::vector<uint8_t>(6, 255));
  EXPECT_TRUE(CoverageOf(Region::FromRect({0, 0, 8, 8}), 4, 4, 0, 5).alpha.empty());
  EXPECT_THROW(CoverageOf(Region(), 0, 4, 3, 3), std::invalid_argument);
}

}  // namespace
}  // namespace sorvane

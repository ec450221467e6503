#include "geometry/shape_region.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "geometry/pixel_round.h"
#include "region/region_workspace.h"
#include "shape_builders.h"

namespace sorvane {
namespace {

using testing::Bar;
using testing::Circle;
using testing::CountComponents;
using testing::Poly;

Region Ring(Rect outer, Rect inner) {
  return Region::Combine(Region::Ellipse(outer), Region::Ellipse(inner), CombineMode::Diff);
}

TEST(ShapeRegion, CirclesUseTheirRoundedBoxes) {
  // Radius 290 on a 250 face is 120.83 px; radius 270 is 112.5 px, whose box edges 12.5
  // and 237.5 round to the even pixels 12 and 238.
  const Shape ring{Circle(0, 0, 290, '+'), Circle(0, 0, 270, '-')};
  const Region r = ShapeRegion(ring, 250, 0, 125, 125);
  EXPECT_TRUE(r.IsValid());
  EXPECT_EQ(r, Ring({4, 4, 246, 246}, {12, 12, 238, 238}));
  // A centred circle does not move with the angle.
  EXPECT_EQ(ShapeRegion(ring, 250, -137, 125, 125), r);
}

TEST(ShapeRegion, OnlyTheCircleCentreTurns) {
  const Shape dot{Circle(0, -240, 36)};  // 15 px radius, 100 px above the centre
  const struct {
    int angle;
    Rect box;
  } cases[] = {
      {0, {110, 10, 140, 40}},      // centre (125, 25)
      {-90, {210, 110, 240, 140}},  // centre (225, 125): 3 o'clock
      {90, {10, 110, 40, 140}},     // 9 o'clock
      {-180, {110, 210, 140, 240}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShapeRegion(dot, 250, c.angle, 125, 125), Region::Ellipse(c.box)) << c.angle;
  }
}

TEST(ShapeRegion, LaterElementsCombineByTheirOperation) {
  const ShapeElement a = Circle(-50, 0, 100);
  const Region ra = ShapeRegion({a}, 600, 0, 300, 300);
  const struct {
    char op;
    CombineMode mode;
  } ops[] = {{'+', CombineMode::Or},
             {'-', CombineMode::Diff},
             {'&', CombineMode::And},
             {'%', CombineMode::Xor}};
  for (const auto& o : ops) {
    const ShapeElement b = Circle(50, 0, 100, o.op);
    const Region rb = ShapeRegion({b}, 600, 0, 300, 300);
    const Region got = ShapeRegion({a, b}, 600, 0, 300, 300);
    EXPECT_EQ(got, Region::Combine(ra, rb, o.mode)) << o.op;
    EXPECT_TRUE(got.IsValid()) << o.op;
  }
  // Two overlapping discs joined by '%' keep both lenses apart: two pieces.
  EXPECT_EQ(CountComponents(ShapeRegion({a, Circle(50, 0, 100, '%')}, 600, 0, 300, 300)), 2);
}

TEST(ShapeRegion, OperationsOfTheFirstAndOfNoneChangeNothing) {
  const Region disc = ShapeRegion({Circle(0, 0, 100)}, 250, 0, 125, 125);
  // The first element's operation is not used.
  EXPECT_EQ(ShapeRegion({Circle(0, 0, 100, '-')}, 250, 0, 125, 125), disc);
  EXPECT_EQ(ShapeRegion({Circle(0, 0, 100, 0)}, 250, 0, 125, 125), disc);
  // A later element with no operation leaves the list as it was, however large.
  EXPECT_EQ(ShapeRegion({Circle(0, 0, 100), Circle(0, 0, 5000, 0)}, 250, 0, 125, 125), disc);
  EXPECT_EQ(ShapeRegion({Circle(0, 0, 100), Circle(0, 0, 5000, 'x')}, 250, 0, 125, 125), disc);
  // A later '&' that touches nothing leaves an empty region.
  EXPECT_TRUE(
      ShapeRegion({Circle(-200, 0, 50), Circle(200, 0, 50, '&')}, 250, 0, 125, 125).IsEmpty());
}

TEST(ShapeRegion, EmptyAndDegenerateShapesGiveNoArea) {
  EXPECT_TRUE(ShapeRegion({}, 250, 0, 125, 125).IsEmpty());
  const ShapeElement no_points = Circle(0, 0, 0);  // a "circle" of radius 0 is a polygon
  EXPECT_TRUE(ShapeRegion({no_points}, 250, 0, 125, 125).IsEmpty());
  EXPECT_TRUE(ShapeRegion({Circle(0, 0, -40)}, 250, 0, 125, 125).IsEmpty());
  EXPECT_TRUE(ShapeRegion({Poly({{0, 0}, {100, 100}})}, 250, 0, 125, 125).IsEmpty());
  EXPECT_TRUE(ShapeRegion({Poly({{7, 7}})}, 250, 0, 125, 125).IsEmpty());
  // A degenerate first element still starts the list: later shapes combine into nothing.
  const Region disc = ShapeRegion({Circle(0, 0, 100)}, 250, 0, 125, 125);
  EXPECT_EQ(ShapeRegion({Poly({{0, 0}}), Circle(0, 0, 100, '+')}, 250, 0, 125, 125), disc);
  EXPECT_EQ(ShapeRegion({Circle(0, 0, 100), Poly({{0, 0}, {9, 9}}, '+')}, 250, 0, 125, 125), disc);
  // No face size: everything falls onto the centre pixel and covers nothing.
  EXPECT_TRUE(ShapeRegion(Bar(), 0, 0, 125, 125).IsEmpty());
}

TEST(ShapeRegion, PolygonVerticesAreTurnedAndRoundedEach) {
  // The bar at 12 o'clock, turned to 3 o'clock on a 600 face: pixel coordinates are the
  // skin coordinates turned by hand, plus the centre.
  const Region turned = ShapeRegion(Bar(-270, -290, 6), 600, -90, 300, 300);
  const Point expected[] = {{590, 294}, {590, 306}, {570, 306}, {570, 294}};
  EXPECT_EQ(turned, Region::Polygon(expected, FillMode::Alternate));
  EXPECT_EQ(turned.Bounds(), (Rect{570, 294, 590, 306}));
}

// A five-pointed star drawn as one crossing outline.
ShapeElement Star(char op) {
  ShapeElement e;
  e.operation = op;
  for (int k = 0; k < 5; ++k) {
    const double a = (k * 144.0 - 90.0) * std::numbers::pi / 180.0;
    e.points.push_back({static_cast<int32_t>(std::lround(250 * std::cos(a))),
                        static_cast<int32_t>(std::lround(250 * std::sin(a)))});
  }
  return e;
}

TEST(ShapeRegion, FirstPolygonFillsAlternateLaterOnesWinding) {
  const Region first = ShapeRegion({Star('+')}, 600, 0, 300, 300);
  EXPECT_FALSE(first.Contains(300, 300)) << "the first star keeps its hole";
  // Behind a shape that covers nothing, the same star is a later element and fills solid.
  const Region later = ShapeRegion({Poly({{0, 0}}), Star('+')}, 600, 0, 300, 300);
  EXPECT_TRUE(later.Contains(300, 300));
  EXPECT_EQ(Region::Combine(first, later, CombineMode::Diff), Region());
  EXPECT_GT(CountComponents(Region::Combine(later, first, CombineMode::Diff)), 0);
}

TEST(ShapeRegion, PolygonsOfManyVerticesAreHandledWhole) {
  // Well past any small fixed buffer: a 1000-vertex polygon approximating a circle.
  ShapeElement round;
  std::vector<Point> pixels;
  for (int k = 0; k < 1000; ++k) {
    const double a = k * 2 * std::numbers::pi / 1000;
    const Point skin{static_cast<int32_t>(std::lround(280 * std::cos(a))),
                     static_cast<int32_t>(std::lround(280 * std::sin(a)))};
    round.points.push_back(skin);
    pixels.push_back({skin.x + 300, skin.y + 300});  // side 600: one unit is one pixel
  }
  const Region r = ShapeRegion({round}, 600, 0, 300, 300);
  EXPECT_EQ(r, Region::Polygon(pixels, FillMode::Alternate));
  EXPECT_EQ(r.Bounds(), (Rect{20, 20, 580, 580}));
}

TEST(ShapeRegion, AWorkspaceCarriesNothingBetweenCalls) {
  const Shape big{Poly({{-290, -290}, {290, -290}, {290, 290}, {-290, 290}, {-10, 0}})};
  const Shape small = Bar();
  const Region plain = ShapeRegion(small, 250, -30, 125, 125);
  RegionWorkspace workspace;
  const RegionWorkspace::Scope scope(workspace);
  (void)ShapeRegion(big, 250, 0, 125, 125);
  EXPECT_EQ(ShapeRegion(small, 250, -30, 125, 125), plain);
}

// Long runs of '+' are united in batches; the result must be the element-by-element fold,
// across runs longer than a batch and runs broken by the other operations.
TEST(ShapeRegion, LongRunsOfUnionsGiveTheStepByStepRegion) {
  Shape shape;
  const auto add = [&](int count, char op, int seed) {
    for (int i = 0; i < count; ++i) {
      const int k = i * 37 + seed;
      shape.push_back(Circle((k * 7) % 290 - 145, (k * 13) % 290 - 145, 3 + k % 11, op));
    }
  };
  add(1, '+', 0);
  add(1500, '+', 1);
  add(40, '-', 2);
  add(3, '&', 3);
  add(2, '+', 4);
  add(60, '%', 5);
  add(1100, '+', 6);
  add(20, '-', 7);
  for (const int side : {250, 1080}) {
    Region expected = ShapeRegion(Shape{shape[0]}, side, -30, side / 2, side / 2);
    for (std::size_t i = 1; i < shape.size(); ++i) {
      ShapeElement alone = shape[i];
      const Region piece = ShapeRegion(Shape{alone}, side, -30, side / 2, side / 2);
      const CombineMode mode = alone.operation == '+'   ? CombineMode::Or
                               : alone.operation == '-' ? CombineMode::Diff
                               : alone.operation == '&' ? CombineMode::And
                                                        : CombineMode::Xor;
      expected = Region::Combine(expected, piece, mode);
    }
    const Region got = ShapeRegion(shape, side, -30, side / 2, side / 2);
    EXPECT_TRUE(got.IsValid());
    EXPECT_EQ(got, expected) << side;
  }
}

TEST(ShapeRegion, ExtremeSkinNumbersStayBounded) {
  const int32_t max = std::numeric_limits<int32_t>::max();
  const int32_t min = std::numeric_limits<int32_t>::min();
  const Shape shapes[] = {
      {Poly({{min, min}, {max, min}, {max, max}, {min, max}})},
      {Poly({{min, 0}, {max, 0}, {0, max}})},
      {Circle(max, min, max)},
      {Circle(0, 0, max), Circle(min, max, max, '%')},
      {Circle(0, 0, 100), Poly({{min, min}, {max, max}, {min, max}}, '-')},
  };
  for (const Shape& s : shapes) {
    for (int side : {250, 1080}) {
      const Region r = ShapeRegion(s, side, -45, side / 2, side / 2);
      EXPECT_TRUE(r.IsValid());
      const Rect b = r.Bounds();
      EXPECT_GE(b.left, -kCoordLimit);
      EXPECT_LE(b.right, kCoordLimit);
    }
  }
  // A huge face size and centre are clamped in the same way.
  const Region r = ShapeRegion(Bar(), max, -7, max, min);
  EXPECT_TRUE(r.IsValid());
}

}  // namespace
}  // namespace sorvane

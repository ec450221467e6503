#include "geometry/transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

#include "geometry/pixel_round.h"

namespace sorvane {
namespace {

// P (skin units) on a face of `side` pixels centred at (x0, y0), turned by `angle` degrees.
RealPoint Place(RealPoint p, int side, int angle, int x0, int y0) {
  return SkinTransform(side, angle, x0, y0).Apply(p);
}

TEST(RoundToPixel, HalvesGoToTheEvenPixelAndExtremesStayDefined) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double in;
    int32_t out;
  } cases[] = {
      {12.5, 12},
      {13.5, 14},
      {237.5, 238},
      {-0.5, 0},
      {-1.5, -2},
      {-2.5, -2},
      {0.49999, 0},
      {166.6667, 167},
      {-3.7, -4},
      {1e300, kCoordLimit},
      {-1e300, -kCoordLimit},
      {inf, kCoordLimit},
      {-inf, -kCoordLimit},
      {nan, 0},
      {4294967296.0, kCoordLimit},
      {-2147483649.0, -kCoordLimit},
  };
  for (const auto& c : cases) EXPECT_EQ(RoundToPixel(c.in), c.out) << c.in;
}

// Inside the limit the result is the C library's round-half-to-even, for values near and
// exactly on halves, small and large.
TEST(RoundToPixel, AgreesWithNearbyintInsideTheLimit) {
  std::srand(7);
  for (int i = 0; i < 200000; ++i) {
    const double whole = std::rand() % (2 * kCoordLimit) - kCoordLimit;
    const double offsets[] = {0.5,
                              -0.5,
                              0.0,
                              std::rand() / (RAND_MAX + 1.0),
                              0.5 + 1e-12,
                              0.5 - 1e-12,
                              std::nextafter(0.5, 1.0)};
    for (const double offset : offsets) {
      const double v = whole + offset;
      if (std::fabs(v) >= kCoordLimit) continue;
      ASSERT_EQ(RoundToPixel(v), static_cast<int32_t>(std::nearbyint(v))) << v;
    }
  }
}

TEST(SkinTransform, TurnsCounterclockwiseOnTheScreenForPositiveAngles) {
  const struct {
    RealPoint in;
    int degrees;
    RealPoint out;
  } cases[] = {
      {{0, -100}, -90, {100, 0}},  // 12 o'clock turned clockwise to 3 o'clock
      {{0, -100}, 90, {-100, 0}},  // and counterclockwise to 9 o'clock
      {{0, -100}, 180, {0, 100}},
      {{30, 40}, 0, {30, 40}},
      {{30, 40}, -360, {30, 40}},
      {{30, 40}, 720, {30, 40}},
      {{0, -100},
       -6,
       {100 * std::sin(6 * std::numbers::pi / 180), -100 * std::cos(6 * std::numbers::pi / 180)}},
  };
  for (const auto& c : cases) {
    const RealPoint r = Place(c.in, 600, c.degrees, 0, 0);  // one pixel a unit, no shift
    EXPECT_NEAR(r.x, c.out.x, 1e-9) << c.degrees;
    EXPECT_NEAR(r.y, c.out.y, 1e-9) << c.degrees;
  }
}

TEST(SkinTransform, MapsSkinUnitsOntoTheFace) {
  // A "Huge" analog window: side 250, centre (125, 125).
  const struct {
    RealPoint in;
    int side, angle, x0, y0;
    Point pixel;
  } cases[] = {
      {{0, -300}, 250, 0, 125, 125, {125, 0}},        {{300, 0}, 250, 0, 125, 125, {250, 125}},
      {{0, -100}, 250, -90, 125, 125, {167, 125}},    {{0, 300}, 250, 0, 125, 125, {125, 250}},
      {{123, -77}, 0, 45, 40, 60, {40, 60}},  // no face: everything at the centre
      {{0, -300}, 1080, -180, 540, 540, {540, 1080}}, {{-300, 0}, 100, 0, 50, 50, {0, 50}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RoundPoint(Place(c.in, c.side, c.angle, c.x0, c.y0)), c.pixel)
        << c.in.x << "," << c.in.y << " at " << c.angle;
  }
  const RealPoint exact = Place({0, -100}, 250, -90, 125, 125);
  EXPECT_NEAR(exact.x, 125 + 250.0 / 6, 1e-9);
}

// The turns of whole degrees the clock uses come from a table; they must be exactly the
// values worked out afresh, inside the table and beyond it.
TEST(SkinTransform, GivesExactlyTheFreshlyWorkedOutTurn) {
  for (int angle = -800; angle <= 800; ++angle) {
    const double a = angle * std::numbers::pi / 180.0;
    for (const RealPoint p : {RealPoint{0, -100}, RealPoint{-283, 17}, RealPoint{299.5, 299}}) {
      const RealPoint r{p.x * std::cos(a) + p.y * std::sin(a),
                        -p.x * std::sin(a) + p.y * std::cos(a)};
      const RealPoint expected{r.x / 600.0 * 1080 + 540, r.y / 600.0 * 1080 + 333};
      ASSERT_EQ(SkinTransform(1080, angle, 540, 333).Apply(p), expected) << angle;
    }
  }
}

TEST(SkinTransform, WholeTurnsLandOnTheSamePixels) {
  // Afternoon hour angles run down to -719 and must point where the morning ones do.
  for (int a = 0; a > -360; a -= 7) {
    for (const RealPoint p : {RealPoint{0, -250}, RealPoint{-12, -250}, RealPoint{280, 17}}) {
      const Point once = RoundPoint(Place(p, 250, a, 125, 125));
      EXPECT_EQ(RoundPoint(Place(p, 250, a - 360, 125, 125)), once) << a;
      EXPECT_EQ(RoundPoint(Place(p, 1080, a - 360, 540, 540)),
                RoundPoint(Place(p, 1080, a, 540, 540)))
          << a;
    }
  }
}

TEST(SkinTransform, ExtremeSkinNumbersGiveDefinedPixels) {
  const double big = std::numeric_limits<int32_t>::max();
  const double small = std::numeric_limits<int32_t>::min();
  const Point p = RoundPoint(Place({big, small}, 1 << 30, -45, 1 << 30, -(1 << 30)));
  EXPECT_LE(std::abs(p.x), kCoordLimit);
  EXPECT_LE(std::abs(p.y), kCoordLimit);
  EXPECT_EQ(RoundPoint(Place({big, big}, 250, 0, 125, 125)), (Point{kCoordLimit, kCoordLimit}));
}

}  // namespace
}  // namespace sorvane

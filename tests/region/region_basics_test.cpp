// Fixed cases: the shapes' pixel rules at small sizes, the queries, and hostile coordinates.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "region/region.h"

namespace sorvane {
namespace {

std::vector<Rect> RectsOf(const Region& r) {
  return r.Rects();
}

TEST(RegionBasics, RectanglesAsGiven) {
  struct Case {
    Rect in;
    std::vector<Rect> rects;
  } cases[] = {
      {{0, 0, 10, 5}, {{0, 0, 10, 5}}},
      {{-3, -4, -1, 2}, {{-3, -4, -1, 2}}},
      {{0, 0, 0, 5}, {}},  // no width
      {{5, 0, 2, 5}, {}},  // not normalised: no area
      {{0, 7, 3, 7}, {}},
  };
  for (const Case& c : cases) {
    const Region r = Region::FromRect(c.in);
    EXPECT_TRUE(r.IsValid());
    EXPECT_EQ(RectsOf(r), c.rects);
    EXPECT_EQ(r.IsEmpty(), c.rects.empty());
  }
}

TEST(RegionBasics, ContainsExcludesRightAndBottom) {
  const Region r = Region::FromRects(std::vector<Rect>{{0, 0, 4, 2}, {6, 0, 8, 2}, {0, 2, 8, 3}});
  struct Probe {
    int32_t x, y;
    bool in;
  } probes[] = {{0, 0, true}, {3, 1, true},  {4, 1, false}, {5, 0, false},  {6, 0, true},
                {7, 2, true}, {8, 2, false}, {0, 3, false}, {-1, 0, false}, {0, -1, false}};
  for (const Probe& p : probes) EXPECT_EQ(r.Contains(p.x, p.y), p.in) << p.x << "," << p.y;
  // Top to bottom, left to right, one rectangle per span.
  EXPECT_EQ(RectsOf(r), (std::vector<Rect>{{0, 0, 4, 2}, {6, 0, 8, 2}, {0, 2, 8, 3}}));
  EXPECT_EQ(r.Bounds(), (Rect{0, 0, 8, 3}));
}

TEST(RegionBasics, TouchingRectanglesBecomeOneBand) {
  const Region r =
      Region::FromRects(std::vector<Rect>{{0, 0, 3, 2}, {3, 0, 6, 2}, {0, 2, 6, 4}, {2, 1, 4, 3}});
  EXPECT_TRUE(r.IsValid());
  EXPECT_EQ(RectsOf(r), (std::vector<Rect>{{0, 0, 6, 4}}));
}

// Small ellipses as GDI draws them; CreateEllipticRgn(0, 0, 6, 6) covers x 0..4, y 0..4.
TEST(RegionBasics, SmallEllipses) {
  struct Case {
    Rect box;
    std::vector<Rect> rects;
  } cases[] = {
      {{0, 0, 6, 6}, {{1, 0, 4, 1}, {0, 1, 5, 4}, {1, 4, 4, 5}}},
      {{6, 6, 0, 0}, {{1, 0, 4, 1}, {0, 1, 5, 4}, {1, 4, 4, 5}}},  // inverted box, same ellipse
      {{0, 0, 2, 2}, {{0, 0, 1, 1}}},
      {{0, 0, 1, 1}, {}},
  };
  for (const Case& c : cases) {
    const Region r = Region::Ellipse(c.box);
    EXPECT_TRUE(r.IsValid());
    EXPECT_EQ(RectsOf(r), c.rects)
        << c.box.left << "," << c.box.top << "," << c.box.right << "," << c.box.bottom;
  }
}

// Regressions where GDI itself goes wrong and the engine does the sound thing instead.
TEST(RegionBasics, EllipseBoxesWithoutAreaAreEmpty) {
  // GDI drops the right column and bottom row before ordering the corners, which turns these
  // into a strip left of or above the box.
  const Rect boxes[] = {{0, 0, 0, 0}, {5, 5, 5, 9}, {2, 3, 9, 3}, {7, 1, 7, -6}};
  for (const Rect& box : boxes) EXPECT_TRUE(Region::Ellipse(box).IsEmpty());
}

TEST(RegionBasics, SlimEllipsesKeepTheirTips) {
  // The stepper reaches the sides before the end rows; GDI leaves those rows unwritten.
  EXPECT_EQ(RectsOf(Region::Ellipse({0, 0, 3, 4})), (std::vector<Rect>{{0, 0, 2, 3}}));
  const Region slim = Region::Ellipse({272, 289, 284, 493});
  EXPECT_TRUE(slim.IsValid());
  EXPECT_EQ(slim.Bounds(), (Rect{272, 289, 283, 492}));
  const std::vector<Rect> rects = slim.Rects();
  EXPECT_EQ(rects.front(), (Rect{277, 289, 278, 291}));  // the tip, two rows high
  EXPECT_EQ(rects.back(), (Rect{277, 490, 278, 492}));
}

TEST(RegionBasics, PolygonRulesAtTheEdges) {
  const std::vector<Point> square{{0, 0}, {4, 0}, {4, 3}, {0, 3}};
  EXPECT_EQ(RectsOf(Region::Polygon(square, FillMode::Alternate)),
            (std::vector<Rect>{{0, 0, 4, 3}}));
  // A triangle: row y spans from x = 0 to the crossing y * 4 / 4, rounded up.
  const std::vector<Point> triangle{{0, 0}, {4, 4}, {0, 4}};
  EXPECT_EQ(RectsOf(Region::Polygon(triangle, FillMode::Alternate)),
            (std::vector<Rect>{{0, 1, 1, 2}, {0, 2, 2, 3}, {0, 3, 3, 4}}));
  // Degenerate outlines have no area.
  const std::vector<std::vector<Point>> empty_ones{
      {}, {{1, 1}}, {{0, 0}, {5, 5}}, {{0, 0}, {10, 10}, {5, 5}}, {{0, 2}, {9, 2}, {4, 2}}};
  for (const auto& v : empty_ones) {
    EXPECT_TRUE(Region::Polygon(v, FillMode::Alternate).IsEmpty());
    EXPECT_TRUE(Region::Polygon(v, FillMode::Winding).IsEmpty());
  }
}

TEST(RegionBasics, StarHasAHoleOnlyWithAlternateFill) {
  const std::vector<Point> star{{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
  const Region alternate = Region::Polygon(star, FillMode::Alternate);
  const Region winding = Region::Polygon(star, FillMode::Winding);
  EXPECT_FALSE(alternate.Contains(50, 50));
  EXPECT_TRUE(winding.Contains(50, 50));
  EXPECT_TRUE(alternate.Contains(50, 10));
  EXPECT_EQ(Region::Combine(winding, alternate, CombineMode::Diff).Bounds().top, 35);
}

TEST(RegionBasics, HostileCoordinatesStayDefined) {
  constexpr int32_t kMax = INT32_MAX, kMin = INT32_MIN;
  const int32_t lim = kCoordLimit;
  const Region huge = Region::FromRect({kMin, kMin, kMax, kMax});
  EXPECT_EQ(huge.Bounds(), (Rect{-lim, -lim, lim, lim}));

  const std::vector<Point> wild{{kMin, kMin}, {kMax, 0}, {0, kMax}, {kMin, kMax}};
  for (FillMode mode : {FillMode::Alternate, FillMode::Winding}) {
    const Region r = Region::Polygon(wild, mode);
    EXPECT_TRUE(r.IsValid());
    EXPECT_TRUE(r.Contains(0, 0));
    EXPECT_LE(r.bands().size(), std::size_t{2} * lim);
  }
  const Region e = Region::Ellipse({kMin, kMin, kMax, kMax});
  EXPECT_TRUE(e.IsValid());
  EXPECT_TRUE(e.Contains(0, 0));

  Region moved = Region::FromRect({0, 0, 10, 10});
  moved.Translate(kMax, 0);  // pushed wholly past the limit: nothing remains
  EXPECT_TRUE(moved.IsValid());
  EXPECT_TRUE(moved.IsEmpty());
  Region cut = Region::FromRect({0, 0, 10, 10});
  cut.Translate(lim - 4, kMin);
  EXPECT_TRUE(cut.IsEmpty());
  Region part = Region::FromRect({0, 0, 10, 10});
  part.Translate(lim - 4, 3);
  EXPECT_EQ(RectsOf(part), (std::vector<Rect>{{lim - 4, 3, lim, 13}}));
}

TEST(RegionBasics, UnionOfManyEqualsRepeatedOr) {
  std::vector<Region> parts;
  Region expected;
  for (int i = 0; i < 37; ++i) {
    parts.push_back(Region::Ellipse({i * 7 % 50, i * 3 % 40, i * 7 % 50 + 12, i * 3 % 40 + 9}));
    expected.CombineWith(parts.back(), CombineMode::Or);
  }
  const Region all = Region::UnionOf(parts);
  EXPECT_TRUE(all.IsValid());
  EXPECT_EQ(all, expected);
  EXPECT_TRUE(Region::UnionOf({}).IsEmpty());
}

}  // namespace
}  // namespace sorvane

#include "geometry/union_all.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace sorvane {
namespace {

Region OneByOne(const std::vector<Region>& parts) {
  Region out;
  for (const Region& r : parts) out.CombineWith(r, CombineMode::Or);
  return out;
}

TEST(UnionAll, EqualsUnitingOnePartAfterAnother) {
  std::mt19937 rng(20261208);
  auto coord = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int round = 0; round < 300; ++round) {
    std::vector<Region> parts;
    const int count = coord(0, 12);
    for (int i = 0; i < count; ++i) {
      const int x = coord(-20, 60), y = coord(-20, 60);
      switch (coord(0, 3)) {
        case 0: parts.push_back(Region::FromRect({x, y, x + coord(0, 30), y + coord(0, 30)})); break;
        case 1: parts.push_back(Region::Ellipse({x, y, x + coord(1, 40), y + coord(1, 40)})); break;
        case 2: {
          const Point tri[] = {{x, y}, {coord(-20, 80), coord(-20, 80)}, {coord(-20, 80), y}};
          parts.push_back(Region::Polygon(tri, FillMode::Alternate));
          break;
        }
        default: parts.push_back(Region()); break;
      }
    }
    const Region got = UnionAll(parts);
    ASSERT_TRUE(got.IsValid()) << "round " << round;
    ASSERT_EQ(got, OneByOne(parts)) << "round " << round;
  }
}

TEST(UnionAll, EdgeCases) {
  EXPECT_TRUE(UnionAll({}).IsEmpty());
  EXPECT_TRUE(UnionAll({Region(), Region()}).IsEmpty());
  const Region a = Region::FromRect({0, 0, 10, 10});
  const Region b = Region::FromRect({10, 0, 20, 10});  // touches a: one rectangle results
  EXPECT_EQ(UnionAll({Region(), a}), a);
  EXPECT_EQ(UnionAll({a, b}), Region::FromRect({0, 0, 20, 10}));
  EXPECT_EQ(UnionAll({a, a, a}), a);
  const Region below = Region::FromRect({0, 10, 10, 20});  // stacks into one band
  EXPECT_EQ(UnionAll({below, a}), Region::FromRect({0, 0, 10, 20}));
  EXPECT_EQ(UnionAll({a, Region::FromRect({0, 30, 10, 40})}).bands().size(), 2u);
}

}  // namespace
}  // namespace sorvane

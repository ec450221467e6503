#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "region/region.h"

namespace sorvane {
namespace {

Region Unite(const std::vector<Region>& parts) {
  return Region::UnionOf(parts);
}

Region OneByOne(const std::vector<Region>& parts) {
  Region out;
  for (const Region& r : parts) out.CombineWith(r, CombineMode::Or);
  return out;
}

TEST(UnionOf, EqualsUnitingOnePartAfterAnother) {
  std::mt19937 rng(20261208);
  auto coord = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int round = 0; round < 300; ++round) {
    std::vector<Region> parts;
    const int count = coord(0, 12);
    for (int i = 0; i < count; ++i) {
      const int x = coord(-20, 60), y = coord(-20, 60);
      switch (coord(0, 3)) {
        case 0:
          parts.push_back(Region::FromRect({x, y, x + coord(0, 30), y + coord(0, 30)}));
          break;
        case 1:
          parts.push_back(Region::Ellipse({x, y, x + coord(1, 40), y + coord(1, 40)}));
          break;
        case 2: {
          const Point tri[] = {{x, y}, {coord(-20, 80), coord(-20, 80)}, {coord(-20, 80), y}};
          parts.push_back(Region::Polygon(tri, FillMode::Alternate));
          break;
        }
        default:
          parts.push_back(Region());
          break;
      }
    }
    const Region got = Region::UnionOf(parts);
    ASSERT_TRUE(got.IsValid()) << "round " << round;
    const Region expected = OneByOne(parts);
    ASSERT_EQ(got, expected) << "round " << round;
    // The same parts held apart: one kept elsewhere with a list, or three by address.
    if (!parts.empty()) {
      const std::span<const Region> rest(parts.data() + 1, parts.size() - 1);
      ASSERT_EQ(Region::UnionOf(parts[0], rest), expected) << "round " << round;
    }
    if (parts.size() >= 3) {
      const Region first_three = OneByOne({parts[0], parts[1], parts[2]});
      ASSERT_EQ(Region::UnionOf({&parts[0], nullptr, &parts[1], &parts[2]}), first_three)
          << "round " << round;
    }
  }
}

TEST(UnionOf, EdgeCases) {
  EXPECT_TRUE(Unite({}).IsEmpty());
  EXPECT_TRUE(Unite({Region(), Region()}).IsEmpty());
  const Region a = Region::FromRect({0, 0, 10, 10});
  const Region b = Region::FromRect({10, 0, 20, 10});  // touches a: one rectangle results
  EXPECT_EQ(Unite({Region(), a}), a);
  EXPECT_EQ(Unite({a, b}), Region::FromRect({0, 0, 20, 10}));
  EXPECT_EQ(Unite({a, a, a}), a);
  const Region below = Region::FromRect({0, 10, 10, 20});  // stacks into one band
  EXPECT_EQ(Unite({below, a}), Region::FromRect({0, 0, 10, 20}));
  EXPECT_EQ(Unite({a, Region::FromRect({0, 30, 10, 40})}).bands().size(), 2u);
}

}  // namespace
}  // namespace sorvane

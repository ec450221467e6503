#include "platform/win32/region_conversion.h"

#include <gtest/gtest.h>

#include <vector>

namespace sorvane::win32 {
namespace {

Region Ring() {
  Region ring = Region::Ellipse(Rect{0, 0, 40, 40});
  ring.CombineWith(Region::Ellipse(Rect{10, 10, 30, 30}), CombineMode::Diff);
  return ring;
}

Region Triangle() {
  const std::vector<Point> points{{5, 0}, {30, 25}, {-10, 20}};
  return Region::Polygon(points, FillMode::Alternate);
}

TEST(RegionConversion, GdiCoversTheSamePixelsBothWays) {
  struct Case {
    const char* name;
    Region region;
  };
  const Case cases[] = {
      {"empty", Region()},
      {"rectangle", Region::FromRect(Rect{3, 4, 20, 9})},
      {"ring with a hole", Ring()},
      {"triangle reaching left of 0", Triangle()},
      {"two apart", Region::Combine(Region::FromRect(Rect{0, 0, 5, 5}),
                                    Region::FromRect(Rect{100, 50, 110, 70}), CombineMode::Or)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RegionHandle handle = ToGdiRegion(c.region);
    ASSERT_TRUE(handle);
    // GDI itself says which pixels the handle holds.
    const Rect box = c.region.Bounds();
    for (int32_t y = box.top - 1; y <= box.bottom; ++y) {
      for (int32_t x = box.left - 1; x <= box.right; ++x) {
        ASSERT_EQ(PtInRegion(handle.get(), x, y) != 0, c.region.Contains(x, y)) << x << "," << y;
      }
    }
    const Region back = FromGdiRegion(handle.get());
    EXPECT_TRUE(back.IsValid());
    EXPECT_EQ(back, c.region);
  }
}

TEST(RegionConversion, NoRegionGivesAnEmptyOne) {
  EXPECT_TRUE(FromGdiRegion(nullptr).IsEmpty());
}

}  // namespace
}  // namespace sorvane::win32

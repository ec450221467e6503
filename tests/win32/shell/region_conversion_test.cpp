#include "shells/win32/region_conversion.h"

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

// Thousands of separate squares, a rectangle each, with rows that differ: the region is
// handed to GDI in pieces united pair by pair.
Region Grid(int32_t columns, int32_t rows) {
  std::vector<Rect> squares;
  for (int32_t row = 0; row < rows; ++row) {
    for (int32_t column = 0; column < columns; ++column) {
      const int32_t x = column * 6 + row % 3;
      squares.push_back(Rect{x, row * 4, x + 3, row * 4 + 2});
    }
  }
  return Region::FromRects(squares);
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
      {"broad ring, some 1,200 rectangles",
       Region::Combine(Region::Ellipse(Rect{0, 0, 600, 600}),
                       Region::Ellipse(Rect{20, 20, 580, 580}), CombineMode::Diff)},
      {"grid of 65 rectangles", Grid(13, 5)},
      {"grid of 20,000 rectangles", Grid(100, 200)},
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

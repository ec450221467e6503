// What the shells hand to the window system: the outline cut to the window, and an outline
// too fine for one X request made coarser, never smaller. (The shipped skins' test checks
// that a clock drawn within its window is handed over unchanged.)
#include "region/window_fit.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace sorvane {
namespace {

bool Covers(const Region& outer, const Region& inner) {
  return Region::Combine(inner, outer, CombineMode::Diff).IsEmpty();
}

bool WithinWindow(const Region& r, int32_t width, int32_t height) {
  const Rect b = r.Bounds();
  return r.IsEmpty() || (b.left >= 0 && b.top >= 0 && b.right <= width && b.bottom <= height);
}

// One-pixel squares in a checkerboard: every row differs from the next and has a span at
// every other pixel, the finest outline a window can have.
Region Checkerboard(int32_t side) {
  std::vector<Rect> cells;
  for (int32_t y = 0; y < side; ++y)
    for (int32_t x = y % 2; x < side; x += 2) cells.push_back({x, y, x + 1, y + 1});
  return Region::FromRects(cells);
}

TEST(WindowFit, AnOutlineFarPastTheWindowIsCutToIt) {
  // Shapes of the size a skin with numbers near the int32 limits makes.
  Region huge = Region::Ellipse({-60000, -60000, 60000, 60000});
  const Point wedge[] = {{-65536, -65536}, {65536, 65536}, {-65536, 65536}};  // cuts it
  huge.CombineWith(Region::Polygon(wedge, FillMode::Winding), CombineMode::Xor);
  const Region shown = RegionForWindow(huge, 250, 250);
  EXPECT_TRUE(shown.IsValid());
  EXPECT_TRUE(WithinWindow(shown, 250, 250));
  EXPECT_EQ(shown, Region::Combine(huge, Region::FromRect({0, 0, 250, 250}), CombineMode::And));
  EXPECT_FALSE(shown.IsEmpty());
}

TEST(WindowFit, AnOutlineTooFineForOneRequestIsCoarsenedWithinTheWindow) {
  const Region fine = Checkerboard(500);  // 125,000 rectangles
  ASSERT_GT(fine.SpanCount(), kMostRectsInOneRequest);
  for (const int32_t side : {500, 333}) {  // cells that end at the window's edge, and past it
    const Region shown = RegionForWindow(fine, side, side);
    EXPECT_TRUE(shown.IsValid());
    EXPECT_LE(shown.SpanCount(), kMostRectsInOneRequest);
    EXPECT_TRUE(WithinWindow(shown, side, side));
    EXPECT_TRUE(Covers(shown, ClipToWindow(fine, side, side))) << "nothing of it is lost";
  }
}

TEST(WindowFit, CoarseningTakesTheSmallestCellsThatFit) {
  struct Case {
    std::vector<Rect> pixels;
    std::size_t most_rects;
    std::vector<Rect> expected;
  } cases[] = {
      // Fits already: unchanged.
      {{{1, 1, 2, 2}, {5, 5, 6, 6}}, 2, {{1, 1, 2, 2}, {5, 5, 6, 6}}},
      // Cells of 2 and 4 leave two rectangles; cells of 8 join them.
      {{{1, 1, 2, 2}, {5, 5, 6, 6}}, 1, {{0, 0, 8, 8}}},
      // Cells start at 0 on both sides of it.
      {{{-3, -3, -2, -2}, {-1, -1, 0, 0}}, 1, {{-4, -4, 0, 0}}},
      {{{-3, -3, -2, -2}, {-1, 1, 0, 2}}, 1, {{-4, -4, 0, 4}}},
  };
  for (const Case& c : cases) {
    const Region fine = Region::FromRects(c.pixels);
    const Region coarse = CoarsenToFit(fine, c.most_rects);
    EXPECT_EQ(coarse, Region::FromRects(c.expected)) << c.most_rects;
    EXPECT_TRUE(Covers(coarse, fine));
  }
}

TEST(WindowFit, PaintRectanglesAreCutToTheWindow) {
  const Rect window{0, 0, 250, 300};
  struct Case {
    Rect in, out;
  } cases[] = {
      {{0, 0, 250, 300}, {0, 0, 250, 300}},
      {{10, 20, 30, 40}, {10, 20, 30, 40}},
      {{INT_MIN, -5, INT_MAX, 5}, {0, 0, 250, 5}},
      {{300, 0, 400, 10}, {300, 0, 300, 10}},  // beside it: no area left
      {{-20, -20, -10, -10}, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(ClipRect(c.in, window), c.out);
}

}  // namespace
}  // namespace sorvane

// Glyph outlines through Qt: filled, never stroked, with the counters of the digits open.
#include "shells/qt/text_outlines.h"

#include <gtest/gtest.h>

#include <vector>

namespace sorvane::qt {
namespace {

ports::FontSpec Font(int32_t height, int32_t width = 0) {
  ports::FontSpec font;
  font.height = height;
  font.width = width;
  font.face = "DejaVu Sans";
  return font;
}

// Whether some pixel outside the region cannot be reached from the edge of its bounds
// without crossing the region: a hole, as the counter of an 8.
bool HasHole(const Region& region) {
  const Rect b = region.Bounds();
  const int32_t w = b.right - b.left + 2, h = b.bottom - b.top + 2;  // a free border round it
  std::vector<char> seen(static_cast<size_t>(w * h), 0);
  auto open = [&](int32_t x, int32_t y) { return !region.Contains(b.left - 1 + x, b.top - 1 + y); };
  std::vector<std::pair<int32_t, int32_t>> todo{{0, 0}};
  seen[0] = 1;
  while (!todo.empty()) {
    const auto [x, y] = todo.back();
    todo.pop_back();
    for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
      const int32_t nx = x + dx, ny = y + dy;
      if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
      char& mark = seen[static_cast<size_t>(ny * w + nx)];
      if (mark || !open(nx, ny)) continue;
      mark = 1;
      todo.push_back({nx, ny});
    }
  }
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      if (open(x, y) && !seen[static_cast<size_t>(y * w + x)]) return true;
    }
  }
  return false;
}

TEST(TextOutlines, DigitsWithCountersKeepTheirHoles) {
  QtTextOutlines text;
  for (const char digit : std::string("0123456789")) {
    const std::string one(1, digit);
    const Region glyph = text.Outline(Font(60), one, 10, 5);
    SCOPED_TRACE(one);
    ASSERT_FALSE(glyph.IsEmpty());
    EXPECT_TRUE(glyph.IsValid());
    const bool counter = std::string("04689").find(digit) != std::string::npos;
    EXPECT_EQ(HasHole(glyph), counter);
  }
}

// The cell's top-left is where the text is asked to stand; the average width asked for
// stretches the line across.
TEST(TextOutlines, PlacedAndStretchedAsAsked) {
  QtTextOutlines text;
  const Rect box = text.Outline(Font(40), "12:34", 100, 50).Bounds();
  EXPECT_GE(box.left, 100);
  EXPECT_GE(box.top, 50);
  EXPECT_LE(box.bottom, 90);
  const int32_t wide = text.MeasureWidth(Font(40, 40), "12:34").value();
  const int32_t narrow = text.MeasureWidth(Font(40, 10), "12:34").value();
  EXPECT_NEAR(wide, 4 * narrow, narrow / 2);
  EXPECT_NEAR(text.Outline(Font(40, 40), "12:34", 0, 0).Bounds().right, wide, wide / 8);
}

}  // namespace
}  // namespace sorvane::qt

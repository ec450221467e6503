#include <gtest/gtest.h>

#include "gdi_object_count.h"
#include "shells/win32/gdi_holders.h"
#include "shells/win32/gdi_text_outlines.h"
#include "shells/win32/region_conversion.h"

namespace sorvane::win32 {
namespace {

ports::FontSpec Font(int32_t height, int32_t width) {
  ports::FontSpec font;
  font.height = height;
  font.width = width;
  font.face = "Arial";
  return font;
}

TEST(GdiTextOutlines, DigitsHaveFilledStrokesAndOpenCounters) {
  GdiTextOutlines text;
  const Region zero = text.Outline(Font(100, 60), "0", 0, 0);
  ASSERT_FALSE(zero.IsEmpty());
  EXPECT_TRUE(zero.IsValid());
  // The middle of a "0" is its counter: a hole under the alternate fill.
  const Rect box = zero.Bounds();
  EXPECT_FALSE(zero.Contains((box.left + box.right) / 2, (box.top + box.bottom) / 2));
  // ... while the stroke at the left edge, half way down, is filled.
  bool stroke = false;
  for (int32_t x = box.left; x < box.left + 10; ++x) {
    stroke = stroke || zero.Contains(x, (box.top + box.bottom) / 2);
  }
  EXPECT_TRUE(stroke);
}

// Lines stand at y >= 0 (the time and date lines of the window); x goes negative when a text
// is wider than its box. (Wine rounds glyph paths above y = 0 a pixel differently, so the
// outline is not the same shape moved there.)
TEST(GdiTextOutlines, TheOutlineFollowsTheStartPoint) {
  GdiTextOutlines text;
  const Region at_origin = text.Outline(Font(40, 20), "12:34", 0, 0);
  for (const Point to : {Point{37, 0}, Point{0, 11}, Point{37, 250}, Point{-20, 62}}) {
    Region moved = at_origin;
    moved.Translate(to.x, to.y);
    EXPECT_EQ(text.Outline(Font(40, 20), "12:34", to.x, to.y), moved) << to.x << "," << to.y;
  }
}

TEST(GdiTextOutlines, WidthGrowsWithTheTextAndMatchesTheOutline) {
  GdiTextOutlines text;
  const auto one = text.MeasureWidth(Font(50, 15), "1");
  const auto five = text.MeasureWidth(Font(50, 15), "11111");
  const auto none = text.MeasureWidth(Font(50, 15), "");
  ASSERT_TRUE(one && five && none);
  EXPECT_GT(*one, 0);
  EXPECT_EQ(*five, 5 * *one);
  EXPECT_EQ(*none, 0);
  EXPECT_TRUE(text.Outline(Font(50, 15), "", 0, 0).IsEmpty());
  const Region glyphs = text.Outline(Font(50, 15), "88:88", 0, 0);
  EXPECT_LE(glyphs.Bounds().right, *text.MeasureWidth(Font(50, 15), "88:88") + 2);
}

TEST(GdiTextOutlines, ItalicLeansTheGlyphs) {
  GdiTextOutlines text;
  ports::FontSpec italic = Font(80, 40);
  italic.italic = true;
  EXPECT_NE(text.Outline(italic, "I", 0, 0), text.Outline(Font(80, 40), "I", 0, 0));
}

// The context and the fonts of the last lines are kept between lines; more fonts than are
// kept must not pile up, and nothing outlives the object.
TEST(GdiTextOutlines, ManyLinesLeaveNoGdiObjectBehind) {
  const long baseline = LiveGdiObjects();
  ASSERT_GT(baseline, 0);
  {
    GdiTextOutlines text;
    text.Outline(Font(30, 10), "12:34:56", 0, 0);
    const long with_one_font = LiveGdiObjects();  // the context and whatever it holds
    for (int i = 0; i < 300; ++i) {
      text.MeasureWidth(Font(30 + i % 7, 10), "12:34:56");
      text.Outline(Font(30 + i % 7, 10), "12:34:56", i, 0);
    }
    const long more_fonts = static_cast<long>(GdiTextOutlines::kKeptFonts) - 1;
    EXPECT_LE(LiveGdiObjects(), with_one_font + more_fonts);
  }
  EXPECT_EQ(LiveGdiObjects(), baseline);
}

// Lines in different fonts take turns on the one kept context: each must come out as if it
// were drawn alone, in its own font.
TEST(GdiTextOutlines, FontsTakingTurnsGiveTheSameLinesAsFreshOnes) {
  GdiTextOutlines shared;
  for (int round = 0; round < 3; ++round) {
    for (int32_t height : {24, 40, 24, 56, 31, 73, 40}) {
      GdiTextOutlines fresh;
      const ports::FontSpec font = Font(height, height / 3);
      EXPECT_EQ(shared.Outline(font, "10:08:37", 5, 9), fresh.Outline(font, "10:08:37", 5, 9))
          << height;
      EXPECT_EQ(shared.MeasureWidth(font, "Tuesday"), fresh.MeasureWidth(font, "Tuesday"))
          << height;
    }
  }
}

// The whole line through one text path, as GDI draws it, to hold the assembled lines against.
Region WholeLinePath(const ports::FontSpec& description, const std::string& text, int32_t x,
                     int32_t y) {
  const LOGFONTA log = ToLogFont(description);
  FontHandle handle(CreateFontIndirectA(&log));
  CreatedDc dc(CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
  ScopedSelect selected(dc.get(), handle.get());
  BeginPath(dc.get());
  SetBkMode(dc.get(), TRANSPARENT);
  TextOutA(dc.get(), x, y, text.c_str(), static_cast<int>(text.size()));
  EndPath(dc.get());
  RegionHandle region(PathToRegion(dc.get()));
  return FromGdiRegion(region.get());
}

// Lines of plain ASCII are put together from one outline per character; they must come out
// as the whole line's path, in every face, slant and size the clock uses, wherever they stand.
TEST(GdiTextOutlines, AssembledLinesMatchTheWholeLinePath) {
  GdiTextOutlines text;
  const char* const faces[] = {"Tahoma", "Courier New", "Times New Roman", "Arial"};
  const char* const lines[] = {
      "10:08:37",  "12:30 am",          "01:45:00 pm", "0905", "Tuesday, December 08, 2026",
      "12/8/2026", " !\"#$%&'()*+,-./~"};
  int compared = 0, differing = 0;
  for (const char* face : faces) {
    for (const bool italic : {false, true}) {
      for (const int32_t box : {50, 137, 250, 608, 1920}) {
        for (const std::string line : lines) {
          ports::FontSpec font = Font(box / 4, box / static_cast<int32_t>(line.size() + 2));
          font.face = face;
          font.italic = italic;
          for (const Point at : {Point{0, 0}, Point{-20, 11}, Point{37, 250}}) {
            ++compared;
            if (text.Outline(font, line, at.x, at.y) != WholeLinePath(font, line, at.x, at.y)) {
              ++differing;
              ADD_FAILURE() << face << (italic ? " italic " : " ") << box << " \"" << line
                            << "\" at " << at.x << "," << at.y;
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(differing, 0) << "of " << compared;
}

}  // namespace
}  // namespace sorvane::win32

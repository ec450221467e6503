#include "app/program/remembered_text_lines.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/fake_text_outlines.h"

namespace sorvane {
namespace {

ports::FontSpec Font(int32_t height) {
  ports::FontSpec font;
  font.height = height;
  font.width = height / 2;
  font.face = "Arial";
  return font;
}

// A tick draws the time line, which changes every second, and the date line, which does
// not: only the time goes back to the system.
TEST(RememberedTextLines, AnUnchangedLineIsDrawnOnce) {
  headless::FakeTextOutlines system;
  RememberedTextLines lines(system);
  headless::FakeTextOutlines direct;
  for (int second = 0; second < 10; ++second) {
    const std::string time = "10:08:0" + std::to_string(second);
    EXPECT_EQ(lines.MeasureWidth(Font(40), time), direct.MeasureWidth(Font(40), time));
    EXPECT_EQ(lines.Outline(Font(40), time, 3, 0), direct.Outline(Font(40), time, 3, 0));
    EXPECT_EQ(lines.MeasureWidth(Font(20), "12/8/2026"),
              direct.MeasureWidth(Font(20), "12/8/2026"));
    EXPECT_EQ(lines.Outline(Font(20), "12/8/2026", 7, 40),
              direct.Outline(Font(20), "12/8/2026", 7, 40));
  }
  int date_outlines = 0;
  for (const auto& call : system.outlines) date_outlines += call.text == "12/8/2026" ? 1 : 0;
  EXPECT_EQ(date_outlines, 1);
  EXPECT_EQ(system.outlines.size(), 11u);
  EXPECT_EQ(system.measures, 11);
}

TEST(RememberedTextLines, AnotherFontOrPlaceIsDrawnAgain) {
  headless::FakeTextOutlines system;
  RememberedTextLines lines(system);
  struct Case {
    ports::FontSpec font;
    Point at;
    size_t calls_after;
  };
  ports::FontSpec italic = Font(40);
  italic.italic = true;
  const Case cases[] = {
      {Font(40), {0, 0}, 1}, {Font(40), {0, 0}, 1}, {Font(40), {1, 0}, 2},
      {Font(40), {1, 5}, 3}, {Font(41), {1, 5}, 4}, {italic, {1, 5}, 5},
      {italic, {1, 5}, 5},   {Font(40), {0, 0}, 6},  // only the last place of a line is kept
  };
  for (const Case& c : cases) {
    const Region outline = lines.Outline(c.font, "Tue", c.at.x, c.at.y);
    EXPECT_EQ(outline, headless::FakeTextOutlines().Outline(c.font, "Tue", c.at.x, c.at.y));
    EXPECT_EQ(system.outlines.size(), c.calls_after) << c.at.x << "," << c.at.y;
  }
}

TEST(RememberedTextLines, TheLeastRecentlyUsedLineIsForgotten) {
  headless::FakeTextOutlines system;
  RememberedTextLines lines(system, 3);
  const auto draw = [&](const std::string& text) {
    const size_t before = system.outlines.size();
    lines.Outline(Font(30), text, 0, 0);
    return system.outlines.size() > before;  // whether it went to the system
  };
  EXPECT_TRUE(draw("a"));
  EXPECT_TRUE(draw("b"));
  EXPECT_TRUE(draw("c"));
  EXPECT_FALSE(draw("a"));  // now the most recent: "b" is the oldest
  EXPECT_TRUE(draw("d"));   // forgets "b"
  EXPECT_FALSE(draw("a"));
  EXPECT_FALSE(draw("c"));
  EXPECT_TRUE(draw("b"));
}

// A failure may pass; keeping it would leave the line blank or at the box's edge until its
// text changes.
TEST(RememberedTextLines, FailuresAndEmptyOutlinesAreAskedForAgain) {
  headless::FakeTextOutlines system;
  RememberedTextLines lines(system);
  system.fail_measure = true;
  EXPECT_EQ(lines.MeasureWidth(Font(40), "12:34"), std::nullopt);
  system.fail_measure = false;
  EXPECT_EQ(lines.MeasureWidth(Font(40), "12:34"), system.MeasureWidth(Font(40), "12:34"));

  system.fail_outline = true;
  EXPECT_THROW(lines.Outline(Font(40), "12:34", 0, 0), std::runtime_error);
  system.fail_outline = false;
  EXPECT_FALSE(lines.Outline(Font(40), "12:34", 0, 0).IsEmpty());

  const size_t before = system.outlines.size();
  EXPECT_TRUE(lines.Outline(Font(40), "   ", 0, 0).IsEmpty());
  EXPECT_TRUE(lines.Outline(Font(40), "   ", 0, 0).IsEmpty());
  EXPECT_EQ(system.outlines.size(), before + 2);
}

}  // namespace
}  // namespace sorvane

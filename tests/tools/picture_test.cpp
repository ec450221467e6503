#include <gtest/gtest.h>

#include <cstdlib>

#include "image.h"
#include "label_font.h"
#include "png_output.h"
#include "temp_folder.h"
#include "tool_error.h"

#define STB_IMAGE_IMPLEMENTATION
#include "stb_image.h"

namespace sorvane::skintool {
namespace {

// Number of pixels of `colour` inside `area`.
int Count(const Image& image, Rect area, Colour colour) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) n += image.At(x, y) == colour ? 1 : 0;
  }
  return n;
}

TEST(Picture, PaintsExactlyTheRegionAndClipsTheRest) {
  Image image(10, 8, kClear);
  const Rect inside{2, 1, 5, 4};
  Region region = Region::FromRect(inside);
  // A second part hanging over the right and bottom edges and one fully outside.
  region.CombineWith(Region::FromRect({8, 6, 14, 12}), CombineMode::Or);
  region.CombineWith(Region::FromRect({-20, -20, -10, -10}), CombineMode::Or);
  image.Paint(region, 0, 0, kInk);
  EXPECT_EQ(Count(image, {0, 0, 10, 8}, kInk), 3 * 3 + 2 * 2);
  EXPECT_EQ(Count(image, inside, kInk), 9);
  EXPECT_EQ(image.At(9, 7), kInk);
  EXPECT_EQ(image.At(7, 7), kClear);

  Image moved(10, 8, kClear);
  moved.Paint(Region::FromRect(inside), 3, 2, kInk);
  EXPECT_EQ(Count(moved, {5, 3, 8, 6}, kInk), 9);
  EXPECT_EQ(Count(moved, {0, 0, 10, 8}, kInk), 9);
}

TEST(Picture, RefusesSizesNoOneMeant) {
  EXPECT_THROW(Image(0, 10, kPaper), ToolError);
  EXPECT_THROW(Image(10, -1, kPaper), ToolError);
  EXPECT_THROW(Image(100000, 100000, kPaper), ToolError);
}

TEST(Picture, PngKeepsEveryPixel) {
  Image image(7, 5, kClear);
  image.Fill({1, 1, 4, 3}, kInk);
  image.Fill({5, 0, 7, 5}, Colour{200, 30, 40, 128});
  TempFolder folder;
  const auto file = folder.path() / "out.png";
  WritePng(image, file);

  int w = 0, h = 0, channels = 0;
  unsigned char* decoded = stbi_load(file.string().c_str(), &w, &h, &channels, 4);
  ASSERT_NE(decoded, nullptr);
  ASSERT_EQ(w, 7);
  ASSERT_EQ(h, 5);
  EXPECT_TRUE(std::equal(image.bytes().begin(), image.bytes().end(), decoded));
  stbi_image_free(decoded);

  EXPECT_EQ(EncodePng(image).substr(1, 3), "PNG");
}

TEST(Picture, PngIntoAFolderThatIsNotThereFails) {
  TempFolder folder;
  EXPECT_THROW(WritePng(Image(2, 2, kPaper), folder.path() / "no" / "such" / "out.png"),
               ToolError);
}

TEST(Label, InkStaysInsideTheMeasuredBox) {
  const struct {
    std::string text;
    int scale;
  } cases[] = {{"Classic", 1}, {"ring.skn", 2}, {"Wy|gq_", 3}};
  for (const auto& c : cases) {
    const int w = LabelWidth(c.text, c.scale), h = LabelHeight(c.scale);
    Image image(w + 40, h + 40, kPaper);
    DrawLabel(image, 20, 20, c.text, kInk, c.scale);
    const int all = Count(image, {0, 0, w + 40, h + 40}, kInk);
    EXPECT_GT(all, 0) << c.text;
    EXPECT_EQ(Count(image, {20, 20, 20 + w, 20 + h}, kInk), all) << c.text;
  }
  EXPECT_GT(LabelWidth("Classic", 2), LabelWidth("Classic", 1));
  EXPECT_GT(LabelWidth("Classic clock", 1), LabelWidth("Classic", 1));
}

TEST(Label, BytesTheFontLacksAreDrawnAsQuestionMarks) {
  // Accented letters of the ANSI code page and control characters.
  const std::string odd = "\xE9\x01\xFF";
  EXPECT_EQ(LabelWidth(odd, 1), LabelWidth("???", 1));
  Image drawn(60, 20, kPaper), expected(60, 20, kPaper);
  DrawLabel(drawn, 2, 2, odd, kInk, 1);
  DrawLabel(expected, 2, 2, "???", kInk, 1);
  EXPECT_EQ(drawn.bytes(), expected.bytes());
}

}  // namespace
}  // namespace sorvane::skintool

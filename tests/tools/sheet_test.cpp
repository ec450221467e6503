#include "sheet.h"

#include <gtest/gtest.h>

#include "label_font.h"
#include "render.h"
#include "skin_source.h"
#include "temp_folder.h"
#include "tool_error.h"

namespace sorvane::skintool {
namespace {

int InkIn(const Image& image, Rect area) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) n += image.At(x, y) == kInk ? 1 : 0;
  }
  return n;
}

TEST(Sheet, EveryClockInItsCellWithItsLabels) {
  TempFolder folder;
  folder.WriteLines("a.skn", {"Vitrelle skin file.", "\\names Alpha", "\\staticanalog",
                              "circle +", "0 0 290", "\\harrow", "polygon +", "-20 0",
                              "0 -280", "20 0"});
  folder.WriteLines("b.skn", {"Vitrelle skin file.", "\\names Beta", "\\staticanalog",
                              "polygon +", "-300 -300", "300 -300", "300 300", "-300 300"});
  folder.WriteLines("c.skn", {"Vitrelle skin file.", "\\names Gamma", "\\marrow",
                              "polygon +", "-10 0", "0 -250", "10 0"});
  folder.WriteLines("notes.txt", {"not a skin"});
  const Skins skins = ReadSkinFolder(folder.path());
  ASSERT_EQ(skins.size(), 3u);

  const SheetLayout layout;
  const Image sheet = MakeSheet(skins, layout);
  const int columns = SheetColumns(skins.size());
  EXPECT_EQ(columns, 2);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(skins[static_cast<size_t>(i)].file_name);
    const Point at = SheetFaceOrigin(layout, columns, i);
    // The face square holds exactly the clock's region at 10:09:30.
    const Region clock = ClockRegion(skins, i, {10, 9, 30}, true, layout.face);
    int expected = 0;
    for (const Rect& r : clock.Rects()) expected += (r.right - r.left) * (r.bottom - r.top);
    EXPECT_EQ(InkIn(sheet, {at.x, at.y, at.x + layout.face, at.y + layout.face}), expected);
    // Labels below the face: name and file name.
    const Rect labels{at.x, at.y + layout.face, at.x + layout.face,
                      at.y + layout.face + 2 * (LabelHeight(layout.scale) + 2 * layout.scale)};
    EXPECT_GT(InkIn(sheet, labels), 0);
  }
  // The skins come in directory order; the full square face of b.skn fills its cell's face.
  int square = 0;
  while (skins[static_cast<size_t>(square)].file_name != "b.skn") ++square;
  const Point b = SheetFaceOrigin(layout, columns, square);
  EXPECT_EQ(InkIn(sheet, {b.x, b.y, b.x + layout.face, b.y + layout.face}),
            layout.face * layout.face);
  // Cells do not overlap and the sheet holds two rows of two.
  EXPECT_GE(SheetFaceOrigin(layout, columns, 2).y, SheetFaceOrigin(layout, columns, 0).y + layout.face);
  EXPECT_GE(SheetFaceOrigin(layout, columns, 1).x, SheetFaceOrigin(layout, columns, 0).x + layout.face);
  EXPECT_GE(sheet.height(), SheetFaceOrigin(layout, columns, 2).y + layout.face);
}

TEST(Sheet, LongNamesAreCutToTheCell) {
  Skins skins(1);
  skins[0].name = " " + std::string(200, 'W');
  skins[0].file_name = "w.skn";
  const SheetLayout layout;
  const Image sheet = MakeSheet(skins, layout);
  EXPECT_EQ(sheet.width(), layout.margin + layout.face + layout.margin);
  // Nothing drawn in the right margin.
  EXPECT_EQ(InkIn(sheet, {layout.margin + layout.face, 0, sheet.width(), sheet.height()}), 0);
}

TEST(Sheet, ColumnsKeepTheSheetNearlySquare) {
  const struct {
    size_t count;
    int columns;
  } cases[] = {{1, 1}, {2, 2}, {4, 2}, {5, 3}, {9, 3}, {10, 4}, {17, 5}};
  for (const auto& c : cases) EXPECT_EQ(SheetColumns(c.count), c.columns) << c.count;
  EXPECT_THROW(MakeSheet({}), ToolError);
}

}  // namespace
}  // namespace sorvane::skintool

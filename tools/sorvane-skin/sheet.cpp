#include "sheet.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "label_font.h"
#include "render.h"
#include "tool_error.h"

namespace sorvane::skintool {

namespace {

constexpr TimeOfDay kSheetTime{10, 9, 30};
constexpr int kLabelLines = 2;

int LabelBlock(const SheetLayout& layout) {
  return kLabelLines * (LabelHeight(layout.scale) + layout.scale * 2);
}
int CellWidth(const SheetLayout& layout) { return layout.face + layout.margin; }
int CellHeight(const SheetLayout& layout) {
  return layout.face + LabelBlock(layout) + layout.margin;
}

// The skin's name starts with the blank that followed "\names"; a label does not need it.
std::string Trimmed(const std::string& name) {
  const size_t first = name.find_first_not_of(" \t");
  return first == std::string::npos ? std::string() : name.substr(first);
}

// Cuts the label to the cell's width, marking the cut with "..".
std::string Fitted(std::string text, int width, int scale) {
  if (LabelWidth(text, scale) <= width) return text;
  while (!text.empty() && LabelWidth(text + "..", scale) > width) text.pop_back();
  return text + "..";
}

}  // namespace

int SheetColumns(size_t skin_count) {
  return std::max(1, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(skin_count)))));
}

Point SheetFaceOrigin(const SheetLayout& layout, int columns, int index) {
  return {layout.margin + (index % columns) * CellWidth(layout),
          layout.margin + (index / columns) * CellHeight(layout)};
}

Image MakeSheet(const Skins& skins, const SheetLayout& layout) {
  if (skins.empty()) throw ToolError("no skin to show");
  const int count = static_cast<int>(skins.size());
  const int columns = SheetColumns(skins.size());
  const int rows = (count + columns - 1) / columns;
  Image sheet(layout.margin + columns * CellWidth(layout),
              layout.margin + rows * CellHeight(layout), kPaper);
  for (int i = 0; i < count; ++i) {
    const Point at = SheetFaceOrigin(layout, columns, i);
    sheet.Paint(ClockRegion(skins, i, kSheetTime, true, layout.face), at.x, at.y, kInk);
    const int line = LabelHeight(layout.scale) + layout.scale * 2;
    const int y = at.y + layout.face + layout.scale * 2;
    const auto& skin = skins[static_cast<size_t>(i)];
    DrawLabel(sheet, at.x, y, Fitted(Trimmed(skin.name), layout.face, layout.scale), kInk,
              layout.scale);
    DrawLabel(sheet, at.x, y + line, Fitted(skin.file_name, layout.face, layout.scale), kInk,
              layout.scale);
  }
  return sheet;
}

}  // namespace sorvane::skintool

#pragma once
// A contact sheet: every skin of a catalogue side by side at ten past ten (10:09:30, second
// hand shown), each labelled with its name and file name.
#include "files/skin.h"
#include "image.h"

namespace sorvane::skintool {

struct SheetLayout {
  int face = 160;    // side of each clock face in pixels
  int margin = 12;   // around and between cells
  int scale = 2;     // label font scale
};

// Cells fill rows left to right, as close to a square as the count allows. Throws ToolError
// when the catalogue is empty.
Image MakeSheet(const Skins& skins, const SheetLayout& layout = {});

// Top-left corner of the face of cell `index`, so callers and tests can find each clock.
Point SheetFaceOrigin(const SheetLayout& layout, int columns, int index);
int SheetColumns(size_t skin_count);

}  // namespace sorvane::skintool

#pragma once
// Small labels for the contact sheet, drawn with stb_easy_font's blocky built-in letters.
#include <string_view>

#include "image.h"

namespace sorvane::skintool {

// Size of `text` drawn at `scale` (each font unit a scale x scale block), in pixels.
int LabelWidth(std::string_view text, int scale);
int LabelHeight(int scale);

// Draws `text` with its top-left corner at (x, y). Characters the font lacks (control
// characters and bytes above 126, e.g. accented letters of the ANSI code page) are drawn
// as '?'. What falls outside the picture is clipped.
void DrawLabel(Image& image, int x, int y, std::string_view text, Colour colour, int scale);

}  // namespace sorvane::skintool

#include "label_font.h"

#include <cmath>
#include <string>
#include <vector>

#include "stb_easy_font.h"

namespace sorvane::skintool {

namespace {

// The font indexes a table of the 95 printable ASCII characters by the byte value, so any
// other byte would be read from outside that table.
std::string Printable(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c < 32 || c > 126) c = '?';
  }
  return out;
}

// stb_easy_font's vertex: position, an unused depth and a colour.
struct FontVertex {
  float x, y, z;
  unsigned char colour[4];
};

int ToPixel(float v, int scale) { return static_cast<int>(std::lround(v * static_cast<float>(scale))); }

}  // namespace

int LabelWidth(std::string_view text, int scale) {
  std::string printable = Printable(text);
  return stb_easy_font_width(printable.data()) * scale;
}

// Capital letters and digits stand 7 units tall; descenders reach 2 more.
int LabelHeight(int scale) { return 10 * scale; }

void DrawLabel(Image& image, int x, int y, std::string_view text, Colour colour, int scale) {
  std::string printable = Printable(text);
  // About 270 bytes a character on average; room for the worst character.
  std::vector<FontVertex> vertices(printable.size() * 64 + 4);
  const int quads = stb_easy_font_print(0, 0, printable.data(), nullptr, vertices.data(),
                                        static_cast<int>(vertices.size() * sizeof(FontVertex)));
  for (int q = 0; q < quads; ++q) {
    const FontVertex& top_left = vertices[static_cast<size_t>(q) * 4];
    const FontVertex& bottom_right = vertices[static_cast<size_t>(q) * 4 + 2];
    image.Fill({x + ToPixel(top_left.x, scale), y + ToPixel(top_left.y, scale),
                x + ToPixel(bottom_right.x, scale), y + ToPixel(bottom_right.y, scale)},
               colour);
  }
}

}  // namespace sorvane::skintool

#pragma once
// A plain RGBA picture, row by row from the top, four bytes a pixel. The commands draw
// clock regions and labels into it and hand it to the PNG writer.
#include <cstdint>
#include <vector>

#include "region/region.h"

namespace sorvane::skintool {

struct Colour {
  uint8_t r = 0, g = 0, b = 0, a = 255;
  friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour kInk{0, 0, 0, 255};
inline constexpr Colour kPaper{255, 255, 255, 255};
inline constexpr Colour kClear{255, 255, 255, 0};

class Image {
 public:
  // Throws ToolError when the picture would be absurdly large.
  Image(int width, int height, Colour background);

  int width() const { return width_; }
  int height() const { return height_; }
  const std::vector<uint8_t>& bytes() const { return rgba_; }

  Colour At(int x, int y) const;
  // Fills the part of `area` (half-open, as Rect is) that lies inside the picture.
  void Fill(const Rect& area, Colour colour);
  // Paints every pixel of `region`, moved by (dx, dy); what falls outside is clipped.
  void Paint(const Region& region, int dx, int dy, Colour colour);

 private:
  int width_, height_;
  std::vector<uint8_t> rgba_;
};

}  // namespace sorvane::skintool

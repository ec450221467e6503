#include "image.h"

#include <algorithm>
#include <cstddef>

#include "tool_error.h"

namespace sorvane::skintool {

namespace {
// Large enough for a contact sheet of a few hundred skins, small enough that a typing
// mistake in --size does not ask for gigabytes.
constexpr int64_t kMaxPixels = int64_t{1} << 27;
}  // namespace

Image::Image(int width, int height, Colour background) : width_(width), height_(height) {
  if (width <= 0 || height <= 0 || int64_t{width} * height > kMaxPixels) {
    throw ToolError("picture of " + std::to_string(width) + "x" + std::to_string(height) +
                    " pixels is out of range");
  }
  rgba_.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
  Fill({0, 0, width, height}, background);
}

Colour Image::At(int x, int y) const {
  const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)) * 4;
  return {rgba_[at], rgba_[at + 1], rgba_[at + 2], rgba_[at + 3]};
}

void Image::Fill(const Rect& area, Colour colour) {
  const int x0 = std::max(area.left, 0), x1 = std::min(area.right, width_);
  const int y0 = std::max(area.top, 0), y1 = std::min(area.bottom, height_);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)) * 4;
      rgba_[at] = colour.r;
      rgba_[at + 1] = colour.g;
      rgba_[at + 2] = colour.b;
      rgba_[at + 3] = colour.a;
    }
  }
}

void Image::Paint(const Region& region, int dx, int dy, Colour colour) {
  for (const Rect& r : region.Rects()) {
    // Widened so a region near the int range cannot overflow when moved.
    const auto shift = [](int32_t v, int d) {
      return static_cast<int>(std::clamp<int64_t>(int64_t{v} + d, -1, int64_t{1} << 30));
    };
    Fill({shift(r.left, dx), shift(r.top, dy), shift(r.right, dx), shift(r.bottom, dy)}, colour);
  }
}

}  // namespace sorvane::skintool

#include "app/clock/layered_image.h"

#include <algorithm>
#include <stdexcept>

namespace sorvane {
namespace {

// Opaque 0xFFRRGGBB.
uint32_t OpaquePixel(ports::Color c) {
  return 0xFF000000u | uint32_t{c.red} << 16 | uint32_t{c.green} << 8 | c.blue;
}

uint32_t Scaled(uint32_t channel, uint32_t alpha) {
  return (channel * alpha + 127) / 255;
}

}  // namespace

ImageCanvas::ImageCanvas(ports::LayeredImage& image, int32_t width, int32_t height)
    : image_(image) {
  image_.width = std::max(width, 0);
  image_.height = std::max(height, 0);
  image_.pixels.assign(
      static_cast<std::size_t>(image_.width) * static_cast<std::size_t>(image_.height), 0);
}

void ImageCanvas::FillRect(const Rect& rect, ports::Color color) {
  const int32_t left = std::max(rect.left, 0), right = std::min(rect.right, image_.width);
  const int32_t top = std::max(rect.top, 0), bottom = std::min(rect.bottom, image_.height);
  if (left >= right) return;
  const uint32_t pixel = OpaquePixel(color);
  for (int32_t y = top; y < bottom; ++y) {
    auto row = image_.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image_.width;
    std::fill(row + left, row + right, pixel);
  }
}

void ApplyCoverage(ports::LayeredImage& image, const Coverage& coverage) {
  if (coverage.width != image.width || coverage.height != image.height) {
    throw std::invalid_argument("coverage and image differ in size");
  }
  // Most pixels are wholly in or out: those take no arithmetic.
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    const uint32_t alpha = coverage.alpha[i];
    if (alpha == 255) continue;
    if (alpha == 0) {
      image.pixels[i] = 0;
      continue;
    }
    const uint32_t p = image.pixels[i];
    image.pixels[i] = alpha << 24 | Scaled((p >> 16) & 0xFF, alpha) << 16 |
                      Scaled((p >> 8) & 0xFF, alpha) << 8 | Scaled(p & 0xFF, alpha);
  }
}

}  // namespace sorvane

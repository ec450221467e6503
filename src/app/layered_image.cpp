#include "app/layered_image.h"

#include <algorithm>
#include <stdexcept>

namespace sorvane {
namespace {

// COLORREF 0x00BBGGRR to opaque 0xFFRRGGBB.
uint32_t OpaquePixel(int32_t colorref) {
  const auto c = static_cast<uint32_t>(colorref);
  const uint32_t red = c & 0xFF, green = (c >> 8) & 0xFF, blue = (c >> 16) & 0xFF;
  return 0xFF000000u | red << 16 | green << 8 | blue;
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

void ImageCanvas::FillRect(const Rect& rect, int32_t color) {
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

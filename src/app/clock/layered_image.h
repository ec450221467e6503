#pragma once
// The image a window with smooth edges shows: the clock painted as for its region, then
// each pixel weighted by the share of it the outline covers.
#include <cstdint>

#include "app/ports/clock_window.h"
#include "region/coverage.h"

namespace sorvane {

// Samples per pixel in each direction for smooth edges: 17 shades of an edge. (8 x 8 gives
// 65 shades that an eye does not tell from 17 at a clock's edges, and costs about four
// times as much per tick; bench/rebuild measures both.)
inline constexpr int32_t kSmoothSamples = 4;

// kSmoothSamples, or fewer for a window so large that its outline drawn that much finer
// would leave the range a region holds (kCoordLimit): a digital clock across a 5K screen.
constexpr int32_t SmoothSamplesFor(int32_t width, int32_t height) {
  const int32_t side = width > height ? width : height;
  if (side <= 0) return kSmoothSamples;
  const int32_t fitting = kCoordLimit / side;
  return fitting < 1 ? 1 : (fitting < kSmoothSamples ? fitting : kSmoothSamples);
}

// A canvas that paints opaque pixels into an image, which it first makes width x height
// (reusing its storage).
class ImageCanvas final : public ports::Canvas {
 public:
  ImageCanvas(ports::LayeredImage& image, int32_t width, int32_t height);
  void FillRect(const Rect& rect, ports::Color color) override;  // clipped to the image

 private:
  ports::LayeredImage& image_;
};

// Premultiplies every pixel by its coverage, which must be of the image's size.
void ApplyCoverage(ports::LayeredImage& image, const Coverage& coverage);

}  // namespace sorvane

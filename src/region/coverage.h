#pragma once
// Smooth edges from the region engine: an outline drawn at several samples per pixel and
// reduced to the share of each pixel it covers. At one sample per pixel the share is all or
// nothing, which is the region itself.
#include <cstdint>
#include <vector>

#include "region/region.h"

namespace sorvane {

// One byte per pixel, rows top to bottom: 0 where the outline misses the pixel, 255 where it
// covers all of it, the share in between.
struct Coverage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> alpha;
  uint8_t At(int32_t x, int32_t y) const {
    return alpha[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                 static_cast<std::size_t>(x)];
  }
};

// The coverage of a width x height window by `fine`, an outline drawn samples_x times wider
// and samples_y times taller (pixel (x, y) is the samples [x*sx, (x+1)*sx) x [y*sy, (y+1)*sy)).
// What lies outside the window is left out. Samples are 1 to 16 in each direction.
Coverage CoverageOf(const Region& fine, int32_t samples_x, int32_t samples_y, int32_t width,
                    int32_t height);
// The same into `out`, reusing its storage: a ticking clock allocates nothing anew.
void ReduceToCoverage(const Region& fine, int32_t samples_x, int32_t samples_y, int32_t width,
                      int32_t height, Coverage& out);

}  // namespace sorvane

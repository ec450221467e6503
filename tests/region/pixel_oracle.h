#pragma once
// Brute-force answers for the region tests: a pixel grid over a small window, filled one pixel
// at a time straight from the definitions, to hold the band-sweeping engine against.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "region/region.h"

namespace sorvane::testing {

class PixelGrid {
 public:
  PixelGrid(const Rect& window, const std::function<bool(int32_t, int32_t)>& inside);
  static PixelGrid Of(const Region& r, const Rect& window);

  bool at(int32_t x, int32_t y) const;
  const Rect& window() const { return window_; }
  // The first pixel where two grids differ, as "(x, y): expected 1, got 0", or "".
  std::string FirstDifference(const PixelGrid& got) const;
  std::size_t Count() const;

 private:
  Rect window_;
  std::vector<uint8_t> bits_;
};

// The definition of polygon fill: the corner point (x, y) against every non-horizontal edge
// that row y meets, in exact integer arithmetic.
bool PolygonCovers(std::span<const Point> vertices, FillMode mode, int32_t x, int32_t y);

bool Apply(CombineMode mode, bool in_a, bool in_b);

}  // namespace sorvane::testing

#include "geometry/pixel_round.h"

#include <cmath>

namespace sorvane {

int32_t RoundToPixel(double v) {
  if (std::isnan(v)) return 0;
  const double limit = kPixelLimit;
  if (v <= -limit) return -kPixelLimit;
  if (v >= limit) return kPixelLimit;
  // Under the default rounding mode nearbyint rounds halves to even.
  return static_cast<int32_t>(std::nearbyint(v));
}

}  // namespace sorvane

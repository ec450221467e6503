#include "geometry/pixel_round.h"

#include <cmath>

namespace sorvane {

// Rounds by adding and taking away 1.5 * 2^52 rather than calling std::nearbyint: on Windows
// the C library's nearbyint saves and restores the floating-point environment and costs some
// seventy nanoseconds, which, for every vertex of every mark, was a third of a rebuild. Past
// 2^52 a double has no fraction left, so the sum keeps only whole numbers, rounded the way
// the processor rounds by default, halves to even; inside the limit that is exact.
int32_t RoundToPixel(double v) {
  if (std::isnan(v)) return 0;
  const double limit = kCoordLimit;
  if (v <= -limit) return -kCoordLimit;
  if (v >= limit) return kCoordLimit;
  constexpr double kShift = 6755399441055744.0;  // 1.5 * 2^52
  // Plain double arithmetic (x86-64 SSE2, no fast-math), so the sum is rounded to a double.
  return static_cast<int32_t>((v + kShift) - kShift);
}

}  // namespace sorvane

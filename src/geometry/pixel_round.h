#pragma once
// Turning real window coordinates into whole pixels.
#include <cstdint>

namespace sorvane {

// No screen comes near this many pixels from the face centre. Coordinates beyond it are
// clamped, so that a skin holding huge numbers still yields a bounded region instead of one
// with billions of rows, and no conversion to int ever leaves the int range.
inline constexpr int32_t kPixelLimit = 1 << 16;

// The nearest whole pixel, a value exactly halfway going to the even one (12.5 -> 12,
// 13.5 -> 14, -0.5 -> 0). Values beyond +-kPixelLimit give +-kPixelLimit; NaN gives 0.
int32_t RoundToPixel(double v);

}  // namespace sorvane

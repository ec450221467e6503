#pragma once
// Turning real window coordinates into whole pixels.
#include <cstdint>

namespace sorvane {

// Beyond the largest face any screen can show (a full-screen face is the screen height).
// Coordinates past it are clamped, so that a skin holding huge numbers still yields a small
// region quickly instead of one with billions of rows, and no conversion to int ever leaves
// the int range. Ordinary skins never come near it.
inline constexpr int32_t kPixelLimit = 1 << 14;

// The nearest whole pixel, a value exactly halfway going to the even one (12.5 -> 12,
// 13.5 -> 14, -0.5 -> 0). Values beyond +-kPixelLimit give +-kPixelLimit; NaN gives 0.
int32_t RoundToPixel(double v);

}  // namespace sorvane

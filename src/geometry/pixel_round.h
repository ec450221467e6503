#pragma once
// Turning real window coordinates into whole pixels.
#include <cstdint>

#include "region/rect.h"

namespace sorvane {

// The nearest whole pixel, a value exactly halfway going to the even one (12.5 -> 12,
// 13.5 -> 14, -0.5 -> 0). Values beyond +-kCoordLimit give +-kCoordLimit (so no
// conversion to int ever leaves the int range); NaN gives 0.
int32_t RoundToPixel(double v);

}  // namespace sorvane

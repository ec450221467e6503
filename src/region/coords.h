#pragma once
// Clamping of outside coordinates into the range a region may hold.
#include <algorithm>
#include <cstdint>

#include "region/region.h"

namespace sorvane::coords {

inline int32_t Clamp(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, -int64_t{kCoordLimit}, int64_t{kCoordLimit}));
}

}  // namespace sorvane::coords

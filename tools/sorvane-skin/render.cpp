#include "render.h"

#include "geometry/analog_region.h"

namespace sorvane::skintool {

Region ClockRegion(const Skins& skins, int32_t index, TimeOfDay time, bool seconds, int size) {
  const int centre = size / 2;
  return AnalogClockRegion(skins, index, time, seconds, centre, centre, size);
}

Image RenderClock(const Region& region, int size) {
  Image image(size, size, kClear);
  image.Paint(region, 0, 0, kInk);
  return image;
}

}  // namespace sorvane::skintool

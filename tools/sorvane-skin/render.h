#pragma once
// The analog clock of a skin as the clock window shows it: the window region of a face
// `size` pixels wide, built by the clock's own region builder.
#include "files/skin.h"
#include "image.h"
#include "region/region.h"
#include "timefmt/date_format.h"

namespace sorvane::skintool {

// The region of skin `index` of `skins` for a window `size` pixels wide: the face is the
// size x size square at the window's top, centred at (size div 2, size div 2).
Region ClockRegion(const Skins& skins, int32_t index, TimeOfDay time, bool seconds, int size);

// A size x size picture: the region's pixels in ink, everything else transparent, as the
// desktop would show through the window.
Image RenderClock(const Region& region, int size);

}  // namespace sorvane::skintool

#include "geometry/analog_face_memory.h"

#include <cstddef>

#include "geometry/analog_region.h"

namespace sorvane {

bool AnalogFaceMemory::Matches(const StillKey& key, const TSkin& skin, int x0, int y0, int side) {
  return key.x0 == x0 && key.y0 == y0 && key.side == side && key.order == skin.AnalogOrder &&
         key.mark_rotate == skin.MarkRotate && key.face == skin.StaticAnalog &&
         key.marks == skin.Marks;
}

Region AnalogFaceMemory::Make(const TSkins& skins, int32_t cur_skin, TimeOfDay t, bool showseconds,
                              int x0, int y0, int side) {
  if (cur_skin < 0 || static_cast<std::size_t>(cur_skin) >= skins.size()) return Region();
  const TSkin& skin = skins[static_cast<std::size_t>(cur_skin)];
  if (!key_ || !Matches(*key_, skin, x0, y0, side)) {
    still_ = MakeStillAnalogRgn(skin, x0, y0, side);
    key_ = StillKey{skin.AnalogOrder, skin.StaticAnalog, skin.Marks, skin.MarkRotate, x0, y0, side};
    ++still_builds_;
  }
  return AddAnalogHands(still_, skin, t, showseconds, x0, y0, side);
}

}  // namespace sorvane

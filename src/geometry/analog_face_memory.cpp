#include "geometry/analog_face_memory.h"

#include <cstddef>

#include "geometry/analog_region.h"

namespace sorvane {

bool AnalogFaceMemory::Matches(const StillKey& key, const Skin& skin, int x0, int y0, int side) {
  return key.x0 == x0 && key.y0 == y0 && key.side == side && key.order == skin.analog_order &&
         key.mark_turns == skin.mark_turns && key.face == skin.face && key.marks == skin.marks;
}

Region AnalogFaceMemory::Build(const Skins& skins, int32_t skin_index, TimeOfDay t,
                               bool show_seconds, int x0, int y0, int side) {
  if (skin_index < 0 || static_cast<std::size_t>(skin_index) >= skins.size()) return Region();
  const Skin& skin = skins[static_cast<std::size_t>(skin_index)];
  if (!key_ || !Matches(*key_, skin, x0, y0, side)) {
    still_ = StillPartsRegion(skin, x0, y0, side);
    key_ = StillKey{skin.analog_order, skin.face, skin.marks, skin.mark_turns, x0, y0, side};
    ++still_builds_;
  }
  return AddHands(still_, skin, t, show_seconds, x0, y0, side);
}

}  // namespace sorvane

#pragma once
// The analog outline as the ticking clock builds it. The face and the marks stand still: they
// change only with the skin, the face size or its place, while the hands move every tick. So
// the region of the still parts is kept and only the hands are drawn again; the result is
// always exactly AnalogClockRegion's.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "files/skin.h"
#include "region/region.h"
#include "timefmt/date_format.h"

namespace sorvane {

class AnalogFaceMemory {
 public:
  Region Build(const Skins& skins, int32_t skin_index, TimeOfDay t, bool show_seconds, int x0,
               int y0, int side);

  // How often the still parts were drawn, for tests and measurements.
  int still_builds() const { return still_builds_; }

 private:
  // What the still parts were drawn from; the skin's parts are compared by value, so a skin
  // read again or changed in place is noticed as surely as another skin.
  struct StillKey {
    std::array<std::string, 5> order;
    Shape face;
    std::array<Shape, 15> marks;
    std::array<bool, 15> mark_turns{};
    int x0 = 0, y0 = 0, side = 0;
    friend bool operator==(const StillKey&, const StillKey&) = default;
  };

  static bool Matches(const StillKey& key, const Skin& skin, int x0, int y0, int side);

  std::optional<StillKey> key_;
  Region still_;
  int still_builds_ = 0;
};

}  // namespace sorvane

#include "geometry/analog_region.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "geometry/shape_region.h"
#include "region/region_union.h"

namespace sorvane {
namespace {

constexpr int kMinuteMark = 14;  // mark 0 is the generic hour mark, 1 to 12 specific ones;
                                 // mark 13 belongs to no position and is never drawn here

// The copies of one outline, collected and united in one sweep at the end; union does not
// depend on order, and this is far cheaper than adding each copy to the result in turn.
class Copies {
 public:
  Copies(int side, int x0, int y0) : side_(side), x0_(x0), y0_(y0) {}
  // Joining parts drawn before and kept by the caller, without copying them.
  Copies(const Region& kept, int side, int x0, int y0)
      : side_(side), x0_(x0), y0_(y0), all_(kept) {}

  void Draw(const Shape& shape, int angle) {
    if (!shape.empty()) all_.Add(ShapeRegion(shape, side_, angle, x0_, y0_));
  }
  Region Take() { return all_.Take(); }

 private:
  int side_, x0_, y0_;
  RegionUnion all_;
};

// Minute marks stand at every minute except the twelve hour positions.
void DrawMinuteMarks(const Skin& skin, Copies& copies) {
  const Shape& mark = skin.marks[kMinuteMark];
  if (mark.empty()) return;
  for (int j = 1; j < 60; ++j) {
    if (j % 5 != 0) copies.Draw(mark, -6 * j);
  }
}

// Position j (0 = 12 o'clock, clockwise) shows specific mark j + 1 when the skin has one,
// else the generic mark 0. A mark whose rotation is off stands where the skin drew it.
// Copies that would land on one another (a fixed mark used at several positions) are drawn
// once: the union is the same.
void DrawHourMarks(const Skin& skin, Copies& copies) {
  bool fixed_drawn[13] = {};
  for (std::size_t j = 0; j < 12; ++j) {
    const std::size_t chosen = skin.marks[j + 1].empty() ? 0 : j + 1;
    if (skin.mark_turns[chosen]) {
      copies.Draw(skin.marks[chosen], -30 * static_cast<int>(j));
    } else if (!fixed_drawn[chosen]) {
      copies.Draw(skin.marks[chosen], 0);
      fixed_drawn[chosen] = true;
    }
  }
}

// The face and the marks stand still between ticks; the hands move.
enum class Slots { Still, Hands, All };

bool IsStill(const std::string& slot) {
  return slot == "static" || slot == "marks";
}

void DrawSlot(const std::string& slot, const Skin& skin, TimeOfDay t, bool show_seconds,
              Copies& copies) {
  if (slot == "static") {
    copies.Draw(skin.face, 0);
  } else if (slot == "marks") {
    DrawMinuteMarks(skin, copies);
    DrawHourMarks(skin, copies);
  } else if (slot == "harrow") {
    copies.Draw(skin.hour_hand, HourHandAngle(t));
  } else if (slot == "marrow") {
    copies.Draw(skin.minute_hand, MinuteHandAngle(t));
  } else if (slot == "sarrow" && show_seconds) {
    copies.Draw(skin.second_hand, SecondHandAngle(t));
  }
}

// A slot that repeats an earlier one draws the same copies again, which changes nothing.
void DrawOrder(const Skin& skin, TimeOfDay t, bool show_seconds, Slots which, Copies& copies) {
  for (std::size_t i = 0; i < skin.analog_order.size(); ++i) {
    const auto earlier = skin.analog_order.begin() + static_cast<std::ptrdiff_t>(i);
    if (std::find(skin.analog_order.begin(), earlier, *earlier) != earlier) continue;
    if (which != Slots::All && IsStill(*earlier) != (which == Slots::Still)) continue;
    DrawSlot(*earlier, skin, t, show_seconds, copies);
  }
}

}  // namespace

int HourHandAngle(TimeOfDay t) {
  return -(30 * t.hours + t.minutes / 2);
}
int MinuteHandAngle(TimeOfDay t) {
  return -6 * t.minutes;
}
int SecondHandAngle(TimeOfDay t) {
  return -6 * t.seconds;
}

Region AnalogClockRegion(const Skins& skins, int32_t skin_index, TimeOfDay t, bool show_seconds,
                         int x0, int y0, int side) {
  if (skin_index < 0 || static_cast<std::size_t>(skin_index) >= skins.size()) return Region();
  Copies copies(side, x0, y0);
  DrawOrder(skins[static_cast<std::size_t>(skin_index)], t, show_seconds, Slots::All, copies);
  return copies.Take();
}

Region StillPartsRegion(const Skin& skin, int x0, int y0, int side) {
  Copies copies(side, x0, y0);
  DrawOrder(skin, TimeOfDay{}, false, Slots::Still, copies);
  return copies.Take();
}

Region AddHands(const Region& still, const Skin& skin, TimeOfDay t, bool show_seconds, int x0,
                int y0, int side) {
  Copies copies(still, side, x0, y0);
  DrawOrder(skin, t, show_seconds, Slots::Hands, copies);
  return copies.Take();
}

}  // namespace sorvane

// AnalogClockRegion on skins whose shapes hold extreme numbers, with any order slots, any
// rotation flags, any skin index, any time of day and every clock size. Besides sanitizer
// findings it checks that the result is a valid region within the pixel limit, that a
// missing skin gives an empty region, and that the face and each hand it names appear in
// the outline at their own angles: the hour hand one degree every two minutes of the
// 24-hour day, the minute hand six degrees a minute, the second hand six a second.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "fuzz_check.h"
#include "geometry/analog_region.h"
#include "geometry/pixel_round.h"
#include "geometry/shape_region.h"
#include "skin_numbers.h"

namespace {

using namespace sorvane;

// The minute mark is drawn 48 times and the hour marks 12, so marks stay small.
Shape ConsumeMark(FuzzedDataProvider& in) {
  return in.ConsumeIntegralInRange(0, 3) == 0 ? fuzz::ConsumeShape(in, 2, 4) : Shape{};
}

Skin ConsumeSkin(FuzzedDataProvider& in) {
  static constexpr std::array<const char*, 8> kSlotWords{
      "static", "marks", "harrow", "marrow", "sarrow", "Marks", "", "digits"};
  Skin skin;
  for (std::string& slot : skin.analog_order)
    slot = kSlotWords[in.ConsumeIntegralInRange<size_t>(0, kSlotWords.size() - 1)];
  for (size_t i = 0; i < skin.mark_turns.size(); ++i) skin.mark_turns[i] = in.ConsumeBool();
  skin.face = fuzz::ConsumeShape(in, 3, 6);
  skin.hour_hand = fuzz::ConsumeShape(in, 2, 6);
  skin.minute_hand = fuzz::ConsumeShape(in, 2, 6);
  skin.second_hand = fuzz::ConsumeShape(in, 2, 6);
  // Marks 0 (generic), 1, 12 and 13 (never drawn), and 14 (minute mark) vary; 2 to 11 are
  // the same kind of slot as 1 and 12.
  for (size_t m : {size_t{0}, size_t{1}, size_t{12}, size_t{13}, size_t{14}})
    skin.marks[m] = ConsumeMark(in);
  return skin;
}

int32_t ConsumeSkinIndex(FuzzedDataProvider& in, size_t count) {
  if (in.ConsumeIntegralInRange(0, 7) == 0) {
    return in.ConsumeBool() ? std::numeric_limits<int32_t>::min()
                            : std::numeric_limits<int32_t>::max();
  }
  return in.ConsumeIntegralInRange<int32_t>(-1, static_cast<int32_t>(count));
}

bool Covers(const Region& outer, const Region& inner) {
  return Region::Combine(inner, outer, CombineMode::Diff).IsEmpty();
}

bool Names(const Skin& skin, const char* word) {
  return std::find(skin.analog_order.begin(), skin.analog_order.end(), word) !=
         skin.analog_order.end();
}

// Each element the order names is part of the outline at its own angle.
void CheckElements(const Region& outline, const Skin& skin, TimeOfDay t, bool show_seconds,
                   int side) {
  const int c = side / 2;
  auto check = [&](const char* word, const Shape& shape, int angle) {
    if (Names(skin, word) && !shape.empty())
      FUZZ_CHECK(Covers(outline, ShapeRegion(shape, side, angle, c, c)));
  };
  check("static", skin.face, 0);
  check("harrow", skin.hour_hand, -(30 * t.hours + t.minutes / 2));
  check("marrow", skin.minute_hand, -6 * t.minutes);
  if (show_seconds) check("sarrow", skin.second_hand, -6 * t.seconds);
}

bool DrawsNothing(const Skin& skin, bool show_seconds) {
  bool any_mark = false;
  for (size_t m = 0; m < skin.marks.size(); ++m) any_mark |= m != 13 && !skin.marks[m].empty();
  return !(Names(skin, "static") && !skin.face.empty()) &&
         !(Names(skin, "marks") && any_mark) && !(Names(skin, "harrow") && !skin.hour_hand.empty()) &&
         !(Names(skin, "marrow") && !skin.minute_hand.empty()) &&
         !(show_seconds && Names(skin, "sarrow") && !skin.second_hand.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const int side = fuzz::ConsumeFaceSide(in);
  const TimeOfDay t{in.ConsumeIntegralInRange(0, 23), in.ConsumeIntegralInRange(0, 59),
                    in.ConsumeIntegralInRange(0, 59)};
  const bool show_seconds = in.ConsumeBool();
  Skins skins(in.ConsumeIntegralInRange<size_t>(0, 2));
  for (Skin& skin : skins) skin = ConsumeSkin(in);
  const int32_t cur = ConsumeSkinIndex(in, skins.size());

  const Region outline = AnalogClockRegion(skins, cur, t, show_seconds, side / 2, side / 2, side);
  FUZZ_CHECK(outline.IsValid());
  const Rect b = outline.Bounds();
  FUZZ_CHECK(b.left >= -kCoordLimit && b.top >= -kCoordLimit && b.right <= kCoordLimit &&
             b.bottom <= kCoordLimit);
  if (cur < 0 || static_cast<size_t>(cur) >= skins.size()) {
    FUZZ_CHECK(outline.IsEmpty());
    return 0;
  }
  const Skin& skin = skins[static_cast<size_t>(cur)];
  // Shapes whose first element has no area make empty pieces, so only this direction holds.
  if (DrawsNothing(skin, show_seconds)) FUZZ_CHECK(outline.IsEmpty());
  CheckElements(outline, skin, t, show_seconds, side);
  return 0;
}

// MakeAnalogClockRgn on skins whose shapes hold extreme numbers, with any order slots, any
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
TShape ConsumeMark(FuzzedDataProvider& in) {
  return in.ConsumeIntegralInRange(0, 3) == 0 ? fuzz::ConsumeShape(in, 2, 4) : TShape{};
}

TSkin ConsumeSkin(FuzzedDataProvider& in) {
  static constexpr std::array<const char*, 8> kSlotWords{
      "static", "marks", "harrow", "marrow", "sarrow", "Marks", "", "digits"};
  TSkin skin;
  for (std::string& slot : skin.AnalogOrder)
    slot = kSlotWords[in.ConsumeIntegralInRange<size_t>(0, kSlotWords.size() - 1)];
  for (size_t i = 0; i < skin.MarkRotate.size(); ++i) skin.MarkRotate[i] = in.ConsumeBool();
  skin.StaticAnalog = fuzz::ConsumeShape(in, 3, 6);
  skin.HArrow = fuzz::ConsumeShape(in, 2, 6);
  skin.MArrow = fuzz::ConsumeShape(in, 2, 6);
  skin.SArrow = fuzz::ConsumeShape(in, 2, 6);
  // Marks 0 (generic), 1, 12 and 13 (never drawn), and 14 (minute mark) vary; 2 to 11 are
  // the same kind of slot as 1 and 12.
  for (size_t m : {size_t{0}, size_t{1}, size_t{12}, size_t{13}, size_t{14}})
    skin.Marks[m] = ConsumeMark(in);
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

bool Names(const TSkin& skin, const char* word) {
  return std::find(skin.AnalogOrder.begin(), skin.AnalogOrder.end(), word) !=
         skin.AnalogOrder.end();
}

// Each element the order names is part of the outline at its own angle.
void CheckElements(const Region& outline, const TSkin& skin, TimeOfDay t, bool showseconds,
                   int side) {
  const int c = side / 2;
  auto check = [&](const char* word, const TShape& shape, int angle) {
    if (Names(skin, word) && !shape.empty())
      FUZZ_CHECK(Covers(outline, MakeRgnFromShape(shape, side, angle, c, c)));
  };
  check("static", skin.StaticAnalog, 0);
  check("harrow", skin.HArrow, -(30 * t.hours + t.minutes / 2));
  check("marrow", skin.MArrow, -6 * t.minutes);
  if (showseconds) check("sarrow", skin.SArrow, -6 * t.seconds);
}

bool DrawsNothing(const TSkin& skin, bool showseconds) {
  bool any_mark = false;
  for (size_t m = 0; m < skin.Marks.size(); ++m) any_mark |= m != 13 && !skin.Marks[m].empty();
  return !(Names(skin, "static") && !skin.StaticAnalog.empty()) &&
         !(Names(skin, "marks") && any_mark) && !(Names(skin, "harrow") && !skin.HArrow.empty()) &&
         !(Names(skin, "marrow") && !skin.MArrow.empty()) &&
         !(showseconds && Names(skin, "sarrow") && !skin.SArrow.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const int side = fuzz::ConsumeFaceSide(in);
  const TimeOfDay t{in.ConsumeIntegralInRange(0, 23), in.ConsumeIntegralInRange(0, 59),
                    in.ConsumeIntegralInRange(0, 59)};
  const bool showseconds = in.ConsumeBool();
  TSkins skins(in.ConsumeIntegralInRange<size_t>(0, 2));
  for (TSkin& skin : skins) skin = ConsumeSkin(in);
  const int32_t cur = ConsumeSkinIndex(in, skins.size());

  const Region outline = MakeAnalogClockRgn(skins, cur, t, showseconds, side / 2, side / 2, side);
  FUZZ_CHECK(outline.IsValid());
  const Rect b = outline.Bounds();
  FUZZ_CHECK(b.left >= -kCoordLimit && b.top >= -kCoordLimit && b.right <= kCoordLimit &&
             b.bottom <= kCoordLimit);
  if (cur < 0 || static_cast<size_t>(cur) >= skins.size()) {
    FUZZ_CHECK(outline.IsEmpty());
    return 0;
  }
  const TSkin& skin = skins[static_cast<size_t>(cur)];
  // Shapes whose first element has no area make empty pieces, so only this direction holds.
  if (DrawsNothing(skin, showseconds)) FUZZ_CHECK(outline.IsEmpty());
  CheckElements(outline, skin, t, showseconds, side);
  return 0;
}

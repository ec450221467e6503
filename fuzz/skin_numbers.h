#pragma once
// Skin shapes made from fuzz input, with numbers chosen to hurt: the int32 limits, values
// around them, the face's own scale (300, 600) and arbitrary ones. Shared by the geometry
// fuzz targets.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <limits>

#include "files/skin.h"
#include "geometry/clock_sizes.h"

namespace sorvane::fuzz {

// A number an ordinary skin could hold, around the face.
inline int32_t ConsumePlainNumber(FuzzedDataProvider& in) {
  return in.ConsumeIntegralInRange(-700, 700);
}

// A number meant to break things: a limit, a value next to one, or anything at all.
inline int32_t ConsumeWildNumber(FuzzedDataProvider& in) {
  static constexpr std::array<int32_t, 14> kPicks{
      std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min() + 1,
      std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max() - 1,
      0, 1, -1, 300, -300, 599, 600, -600, 1 << 30, -(1 << 30)};
  const uint8_t pick = in.ConsumeIntegral<uint8_t>();
  if (pick < kPicks.size() * 12) return kPicks[pick % kPicks.size()];
  return in.ConsumeIntegral<int32_t>();
}

// One circle or polygon. About one element in four is wild: its numbers may be extreme, and
// its region may then reach the pixel limit, which makes it slow to build; the others keep
// the fuzzer fast enough to explore the combinations.
inline ShapeElement ConsumeElement(FuzzedDataProvider& in, size_t max_points) {
  static constexpr std::array<char, 5> kOperations{0, '+', '-', '&', '%'};
  const bool wild = in.ConsumeIntegralInRange(0, 3) == 0;
  auto number = [&] { return wild ? ConsumeWildNumber(in) : ConsumePlainNumber(in); };
  ShapeElement e;
  e.operation = kOperations[in.ConsumeIntegralInRange<size_t>(0, kOperations.size() - 1)];
  e.radius = number();
  e.x = number();
  e.y = number();
  e.points.resize(in.ConsumeIntegralInRange<size_t>(0, max_points));
  for (Point& p : e.points) p = {number(), number()};
  return e;
}

inline Shape ConsumeShape(FuzzedDataProvider& in, size_t max_elements, size_t max_points) {
  Shape shape(in.ConsumeIntegralInRange<size_t>(0, max_elements));
  for (ShapeElement& e : shape) e = ConsumeElement(in, max_points);
  return shape;
}

// The face side of one of the clock sizes; for "FullScreen", of a screen of any size up to
// 16384 pixels a side, with the analog or the analog-and-digital style, date on or off.
inline int ConsumeFaceSide(FuzzedDataProvider& in) {
  const ClockSize& size = kClockSizes[in.ConsumeIntegralInRange<size_t>(0, kClockSizes.size() - 1)];
  if (size.side > 0) return size.side;
  const Size screen{in.ConsumeIntegralInRange(1, 16384), in.ConsumeIntegralInRange(1, 16384)};
  const bool show_date = in.ConsumeBool();
  const ClockStyle style = in.ConsumeBool() ? ClockStyle::Analog : ClockStyle::AnaDigi;
  return WindowSizeFor(0, style, show_date, screen).width;
}

}  // namespace sorvane::fuzz

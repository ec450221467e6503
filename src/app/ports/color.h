#pragma once
// A colour as the clock paints it. vl.prf keeps colours as Windows COLORREF numbers
// (0x00BBGGRR: red in the low byte); they are turned into a Color where they are read.
#include <cstdint>

namespace sorvane::ports {

struct Color {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

constexpr Color ColorFromRef(int32_t ref) {
  const auto bits = static_cast<uint32_t>(ref);
  return {static_cast<uint8_t>(bits & 0xFF), static_cast<uint8_t>((bits >> 8) & 0xFF),
          static_cast<uint8_t>((bits >> 16) & 0xFF)};
}

constexpr int32_t RefFromColor(const Color& color) {
  return static_cast<int32_t>(color.red | (uint32_t{color.green} << 8) |
                              (uint32_t{color.blue} << 16));
}

}  // namespace sorvane::ports

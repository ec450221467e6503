#include "geometry/clock_sizes.h"

namespace sorvane {
namespace {

using Style = ClockStyle;

// A text band (time line or date line) is a quarter of the side high.
Size FixedSide(int32_t s, Style style, bool show_date) {
  const int32_t band = s / 4;
  const int32_t date = show_date ? band : 0;
  switch (style) {
    case Style::Digital:
      return {s, band + date};
    case Style::AnaDigi:
      return {s, s + band + date};
    case Style::Invisible:
      return {0, 0};
    case Style::Analog:
    case Style::Other:
      break;
  }
  return {s, s + date};
}

// Full screen: the window takes the screen height, and the face narrows so the text bands
// still fit below it; the digital clock alone takes the screen width instead.
Size FullScreen(Size screen, Style style, bool show_date) {
  const int32_t sw = screen.width;
  const int32_t sh = screen.height;
  switch (style) {
    case Style::Digital:
      return {sw, show_date ? sw / 4 + sw / 4 : sw / 4};
    case Style::AnaDigi: {
      const int32_t w1 = sh - sh / 4;
      return {show_date ? w1 - w1 / 4 : w1, sh};
    }
    case Style::Invisible:
      return {0, 0};
    case Style::Other:
      return {sh, sh};
    case Style::Analog:
      break;
  }
  return {show_date ? sh - sh / 4 : sh, sh};
}

}  // namespace

ClockStyle ParseClockStyle(std::string_view word) {
  if (word == "Digital") return Style::Digital;
  if (word == "AnaDigi") return Style::AnaDigi;
  if (word == "Invisible") return Style::Invisible;
  if (word == "Analog") return Style::Analog;
  return Style::Other;
}

std::optional<int> FindClockSize(std::string_view name) {
  for (std::size_t i = 0; i < kClockSizes.size(); ++i) {
    if (kClockSizes[i].name == name) return static_cast<int>(i) + 1;
  }
  return std::nullopt;
}

int32_t ScaledToDpi(int32_t side, int32_t dpi) {
  if (dpi <= 0) return side;  // an unknown scale is 100 %
  const int64_t product = int64_t{side} * dpi;
  const int64_t half = product >= 0 ? 48 : -48;
  return static_cast<int32_t>((product + half) / 96);
}

Size WindowSizeFor(int32_t side, ClockStyle style, bool show_date, Size screen) {
  return side > 0 ? FixedSide(side, style, show_date) : FullScreen(screen, style, show_date);
}

}  // namespace sorvane

#pragma once
// Where the parts of the clock's outline go for each clock style, and which band of the
// window is painted in the text colour. W is the window width: the analog face is always
// the W x W square at the top, and each text line is a band a quarter of W high below it.
#include <cstdint>
#include <optional>
#include <string_view>

#include "region/rect.h"

namespace sorvane {

struct OutlineLayout {
  bool analog_face = false;           // face centred at (W div 2, W div 2), side W
  std::optional<int32_t> time_top;    // top of the time line, when there is one
  int32_t date_top = 0;               // top of the date line, when the date is shown
};

// The layout for "Analog", "Digital" and "AnaDigi" (exact spelling); nothing for any other
// style, "Invisible" included: such a window keeps whatever outline it has.
std::optional<OutlineLayout> LayoutForStyle(std::string_view style, int32_t width);

// The part of a W x H window painted in the text colour: the whole window for "Digital",
// the band under the face for "AnaDigi" and for "Analog" with the date shown.
std::optional<Rect> TextColorBand(std::string_view style, bool show_date, int32_t width,
                                  int32_t height);

}  // namespace sorvane

#include "app/clock/outline_layout.h"

namespace sorvane {

int32_t LabelLineHeight(int32_t width, bool labelled) {
  return labelled ? width / 4 : 0;
}

std::optional<OutlineLayout> LayoutFor(ClockStyle style, int32_t width, bool labelled) {
  const int32_t line = width / 4;
  const int32_t top = LabelLineHeight(width, labelled);
  OutlineLayout layout;
  if (labelled) layout.label_top = 0;
  switch (style) {
    case ClockStyle::Analog:
      layout.analog_top = top;
      layout.date_top = top + width;
      return layout;
    case ClockStyle::Digital:
      layout.time_top = top;
      layout.date_top = top + line;
      return layout;
    case ClockStyle::AnaDigi:
      layout.analog_top = top;
      layout.time_top = top + width;
      layout.date_top = top + width + line;
      return layout;
    case ClockStyle::Invisible:
    case ClockStyle::Other:
      break;
  }
  return std::nullopt;
}

TextBands TextColorBands(ClockStyle style, bool show_date, bool labelled, int32_t width,
                         int32_t height) {
  const int32_t top = LabelLineHeight(width, labelled);
  TextBands bands;
  if (labelled) bands.label = Rect{0, 0, width, top};
  if (style == ClockStyle::Digital) {
    bands.text = Rect{0, top, width, height};
  } else if (style == ClockStyle::AnaDigi || (style == ClockStyle::Analog && show_date)) {
    bands.text = Rect{0, top + width, width, height};
  }
  return bands;
}

}  // namespace sorvane

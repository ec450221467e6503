#pragma once
// Where the parts of the clock's outline go for each clock style, and which bands of the
// window are painted in the text colour. W is the window width. Each text line is a band a
// quarter of W high; the label line, when the clock has a label, is the first of them, and
// everything else moves down by it. The analog face is the W x W square below the label.
#include <cstdint>
#include <optional>

#include "geometry/clock_sizes.h"
#include "region/rect.h"

namespace sorvane {

struct OutlineLayout {
  std::optional<int32_t> label_top;   // top of the label line, when there is a label
  std::optional<int32_t> analog_top;  // top of the face's square, when there is a face
  std::optional<int32_t> time_top;    // top of the time line, when there is one
  int32_t date_top = 0;               // top of the date line, when the date is shown
};

// The layout for Analog, Digital and AnaDigi; nothing for Invisible and Other: such a
// window keeps whatever outline it has.
std::optional<OutlineLayout> LayoutFor(ClockStyle style, int32_t width, bool labelled);

// The bands of a W x H window painted in the text colour: the label line, and the whole
// window below it for Digital, the part under the face for AnaDigi and for Analog with the
// date shown.
struct TextBands {
  std::optional<Rect> label;
  std::optional<Rect> text;
};
TextBands TextColorBands(ClockStyle style, bool show_date, bool labelled, int32_t width,
                         int32_t height);

// The height the label line adds to a window of width W: a text line's, or none.
int32_t LabelLineHeight(int32_t width, bool labelled);

}  // namespace sorvane

#pragma once
// The text lines of the digital clock and the date, and how they are laid out in their box:
// which font each line asks for and where it starts so that it sits in the box's middle.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/ports/services.h"
#include "timefmt/date_format.h"

namespace sorvane {

// Hours and minutes (and seconds when asked), joined by the user's time separator. The
// 12-hour clock shows 12 for noon and midnight, keeps the leading zero (01 to 11) and ends
// in " am" or " pm".
std::string TimeLineText(const TimeOfDay& time, bool twelve_hour, bool show_seconds,
                         std::string_view time_separator);

// The format string for a date format number. Numbers outside 1..10 (a hand-edited profiles
// file) fall back to format 1 rather than reading past the list.
const std::string& DateLineFormat(const DateFormatList& formats, int32_t number);

// The font of one line: its height is a quarter of the box width and its average character
// width shares the box among the characters plus two, so any line fills about the same
// part of its box. Weight is always normal; only the face and the italic flag come from the
// clock font. The face is cut to the 31 characters a logical font can hold.
ports::FontSpec TextLineFont(std::string_view text, int32_t box_width,
                             const ports::ClockFontState& clock_font, uint8_t char_set);

// Left edge that centres a text of the measured width in the box; a failed measurement
// leaves the text at the box's left edge. Text wider than the box moves left of it.
int32_t CentredLeft(int32_t box_left, int32_t box_width, std::optional<int32_t> text_width);

}  // namespace sorvane

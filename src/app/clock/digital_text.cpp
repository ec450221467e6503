#include "app/clock/digital_text.h"

namespace sorvane {

namespace {

constexpr size_t kMaxFaceLength = 31;  // LOGFONT's face field is 32 bytes with terminator
constexpr int32_t kNormalWeight = 400;

std::string TwoDigits(int value) {
  const std::string digits = std::to_string(value);
  return digits.size() < 2 ? '0' + digits : digits;
}

}  // namespace

std::string TimeLineText(const TimeOfDay& time, bool twelve_hour, bool show_seconds,
                         std::string_view time_separator) {
  int hours = time.hours;
  std::string suffix;
  if (twelve_hour) {
    suffix = hours < 12 ? " am" : " pm";
    if (hours == 0) hours = 12;
    if (hours > 12) hours -= 12;
  }
  std::string line = TwoDigits(hours);
  line += time_separator;
  line += TwoDigits(time.minutes);
  if (show_seconds) {
    line += time_separator;
    line += TwoDigits(time.seconds);
  }
  return line + suffix;
}

const std::string& DateLineFormat(const DateFormatList& formats, int32_t number) {
  const bool listed = number >= 1 && number <= 10;
  return formats[listed ? number : 1];
}

ports::FontSpec TextLineFont(std::string_view text, int32_t box_width,
                             const ports::ClockFontState& clock_font, uint8_t char_set) {
  ports::FontSpec font;
  font.height = box_width / 4;
  font.width = box_width / (static_cast<int32_t>(text.size()) + 2);
  font.weight = kNormalWeight;
  font.italic = clock_font.italic;
  font.underline = false;
  font.strike_out = false;
  font.char_set = char_set;
  font.face = clock_font.face.substr(0, kMaxFaceLength);
  return font;
}

int32_t CentredLeft(int32_t box_left, int32_t box_width, std::optional<int32_t> text_width) {
  if (!text_width) return box_left;
  return box_left + (box_width - *text_width) / 2;
}

}  // namespace sorvane

#include "app/program/remembered_text_lines.h"

#include <algorithm>

namespace sorvane {

RememberedTextLines::RememberedTextLines(ports::TextOutlines& source, std::size_t lines)
    : source_(source), capacity_(std::max<std::size_t>(lines, 1)) {}

// Failed measurements and empty outlines are not kept: a failure may pass (the system was
// short of handles for a moment), and the next tick should try again rather than show a
// line without text until the text changes.
std::optional<int32_t> RememberedTextLines::MeasureWidth(const ports::FontSpec& font,
                                                         const std::string& text) {
  Line& line = Remember(font, text);
  if (!line.width) line.width = source_.MeasureWidth(font, text);
  return line.width;
}

Region RememberedTextLines::Outline(const ports::FontSpec& font, const std::string& text, int32_t x,
                                    int32_t y) {
  Line& line = Remember(font, text);
  const Point origin{x, y};
  if (line.origin == origin) return line.outline;
  Region outline = source_.Outline(font, text, x, y);
  if (outline.IsEmpty()) {
    line.origin.reset();
    line.outline = Region();
  } else {
    line.origin = origin;
    line.outline = outline;
  }
  return outline;
}

RememberedTextLines::Line& RememberedTextLines::Remember(const ports::FontSpec& font,
                                                         const std::string& text) {
  const auto found = std::find_if(lines_.begin(), lines_.end(), [&](const Line& line) {
    return line.text == text && line.font == font;
  });
  if (found != lines_.end()) {
    lines_.splice(lines_.begin(), lines_, found);
  } else {
    if (lines_.size() >= capacity_) lines_.pop_back();
    lines_.push_front(Line{font, text, std::nullopt, std::nullopt, Region()});
  }
  return lines_.front();
}

}  // namespace sorvane

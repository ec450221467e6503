#pragma once
// Glyph outlines of text lines, from the system's text paths.
#include <cstdint>
#include <optional>
#include <string>

#include "region/region.h"

namespace sorvane::ports {

// A logical font as the text region asks for it (the fields of a LOGFONT that matter).
struct FontSpec {
  int32_t height = 0;
  int32_t width = 0;
  int32_t weight = 400;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  uint8_t char_set = 1;
  std::string face;  // at most 31 characters
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Glyph outlines of one line of text in a font, through the system's text paths.
class TextOutlines {
 public:
  virtual ~TextOutlines() = default;
  // Width of the text in pixels, nothing when the measurement fails.
  virtual std::optional<int32_t> MeasureWidth(const FontSpec& font, const std::string& text) = 0;
  // The filled outlines (alternate fill) of the text drawn with its cell's top-left at (x, y).
  virtual Region Outline(const FontSpec& font, const std::string& text, int32_t x, int32_t y) = 0;
};

}  // namespace sorvane::ports

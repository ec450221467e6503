#pragma once
// The last few text lines the clock drew, kept with their widths and outlines. The date line
// changes once a day and the time line at most once a second, but the outline is rebuilt at
// every tick; asking the system's text paths again for a line that did not change is the
// dearest part of a rebuild, so a line that was drawn before is given back from here.
#include <cstddef>
#include <cstdint>
#include <list>
#include <optional>
#include <string>

#include "app/ports/services.h"

namespace sorvane {

class RememberedTextLines final : public ports::TextOutlines {
 public:
  // `lines` is how many different lines are kept (the most recently used ones); the clock
  // draws at most two per rebuild.
  explicit RememberedTextLines(ports::TextOutlines& source, std::size_t lines = 4);

  std::optional<int32_t> MeasureWidth(const ports::FontSpec& font,
                                      const std::string& text) override;
  Region Outline(const ports::FontSpec& font, const std::string& text, int32_t x,
                 int32_t y) override;

 private:
  struct Line {
    ports::FontSpec font;
    std::string text;
    std::optional<int32_t> width;  // nothing until measured
    std::optional<Point> origin;   // where `outline` was drawn; nothing until drawn
    Region outline;
  };

  Line& Remember(const ports::FontSpec& font, const std::string& text);

  ports::TextOutlines& source_;
  std::size_t capacity_;
  std::list<Line> lines_;  // most recently used first
};

}  // namespace sorvane

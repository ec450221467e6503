#pragma once
// Text outlines without fonts: every character but the blank is a solid block one pixel
// narrower than its cell, so tests can count characters and see where the line starts.
// A cell is font.width wide (font.height div 2 when the width is 0) and font.height high.
#include <optional>
#include <string>
#include <vector>

#include "app/ports/services.h"

namespace sorvane::headless {

class FakeTextOutlines : public ports::TextOutlines {
 public:
  struct Call {
    ports::FontSpec font;
    std::string text;
    int32_t x = 0;
    int32_t y = 0;
  };

  std::optional<int32_t> MeasureWidth(const ports::FontSpec& font,
                                      const std::string& text) override;
  Region Outline(const ports::FontSpec& font, const std::string& text, int32_t x,
                 int32_t y) override;

  static int32_t CellWidth(const ports::FontSpec& font);

  bool fail_measure = false;   // MeasureWidth then reports failure
  bool fail_outline = false;   // Outline then throws std::runtime_error
  std::vector<Call> outlines;  // every Outline call, in order
  int measures = 0;
};

}  // namespace sorvane::headless

#include "support/fake_text_outlines.h"

#include <stdexcept>

namespace sorvane::headless {

int32_t FakeTextOutlines::CellWidth(const ports::FontSpec& font) {
  return font.width > 0 ? font.width : font.height / 2;
}

std::optional<int32_t> FakeTextOutlines::MeasureWidth(const ports::FontSpec& font,
                                                      const std::string& text) {
  ++measures;
  if (fail_measure) return std::nullopt;
  return CellWidth(font) * static_cast<int32_t>(text.size());
}

Region FakeTextOutlines::Outline(const ports::FontSpec& font, const std::string& text, int32_t x,
                                 int32_t y) {
  if (fail_outline) throw std::runtime_error("no outlines for the text");
  outlines.push_back({font, text, x, y});
  const int32_t cell = CellWidth(font);
  std::vector<Rect> blocks;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ') continue;
    const int32_t left = x + cell * static_cast<int32_t>(i);
    blocks.push_back({left, y, left + cell - 1, y + font.height});
  }
  return Region::FromRects(blocks);
}

}  // namespace sorvane::headless

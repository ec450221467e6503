#pragma once
// Glyph outlines through GDI text paths on a display device context.
#include "platform/platform.h"

namespace sorvane::win32 {

class GdiTextOutlines final : public platform::TextOutlines {
 public:
  std::optional<int32_t> MeasureWidth(const platform::FontSpec& font,
                                      const std::string& text) override;
  Region Outline(const platform::FontSpec& font, const std::string& text, int32_t x,
                 int32_t y) override;
};

}  // namespace sorvane::win32

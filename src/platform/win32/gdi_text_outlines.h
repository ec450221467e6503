#pragma once
// Glyph outlines through GDI text paths on a display device context. The context is made
// once and kept (making one costs a millisecond or more, the text itself a few microseconds),
// and so are the fonts of the last few lines.
#include <cstddef>
#include <list>

#include "platform/platform.h"
#include "platform/win32/gdi_holders.h"

namespace sorvane::win32 {

class GdiTextOutlines final : public platform::TextOutlines {
 public:
  GdiTextOutlines() = default;
  GdiTextOutlines(const GdiTextOutlines&) = delete;
  GdiTextOutlines& operator=(const GdiTextOutlines&) = delete;
  ~GdiTextOutlines() override;

  std::optional<int32_t> MeasureWidth(const platform::FontSpec& font,
                                      const std::string& text) override;
  Region Outline(const platform::FontSpec& font, const std::string& text, int32_t x,
                 int32_t y) override;

  // How many fonts are kept at most: the time and the date line each have their own.
  static constexpr std::size_t kKeptFonts = 4;

 private:
  struct KeptFont {
    platform::FontSpec spec;
    FontHandle handle;
  };

  HDC Display();
  HFONT Font(const platform::FontSpec& font);

  HDC display_ = nullptr;      // made at first use, deleted with this object
  std::list<KeptFont> fonts_;  // most recently used first
};

}  // namespace sorvane::win32

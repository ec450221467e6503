#pragma once
// Glyph outlines through GDI text paths on a display device context. The context is made
// once and kept (making one costs a millisecond or more, the text itself a few microseconds),
// and so are the fonts of the last few lines. A line of plain ASCII is put together from the
// outlines of its characters, each drawn once per font: the time line changes every second,
// but its characters do not.
#include <array>
#include <cstddef>
#include <list>
#include <optional>

#include "app/ports/services.h"
#include "shells/win32/gdi_holders.h"
#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

// The logical font GDI is asked for; a face longer than 31 characters is cut.
LOGFONTA ToLogFont(const ports::FontSpec& font);

class GdiTextOutlines final : public ports::TextOutlines {
 public:
  GdiTextOutlines() = default;
  GdiTextOutlines(const GdiTextOutlines&) = delete;
  GdiTextOutlines& operator=(const GdiTextOutlines&) = delete;
  ~GdiTextOutlines() override;

  std::optional<int32_t> MeasureWidth(const ports::FontSpec& font,
                                      const std::string& text) override;
  Region Outline(const ports::FontSpec& font, const std::string& text, int32_t x,
                 int32_t y) override;

  // How many fonts are kept at most: the time and the date line each have their own.
  static constexpr std::size_t kKeptFonts = 4;

 private:
  static constexpr unsigned char kFirstKept = 0x20, kLastKept = 0x7E;
  struct KeptFont {
    ports::FontSpec description;
    FontHandle handle;
    // The outline of each plain ASCII character drawn with its cell's top-left at (0, 0).
    std::array<std::optional<Region>, kLastKept - kFirstKept + 1> glyphs;
  };

  HDC Display();
  KeptFont* Font(const ports::FontSpec& font);
  static Region TextPath(HDC dc, const std::string& text, int32_t x, int32_t y);
  Region Composed(HDC dc, KeptFont& font, const std::string& text, int32_t x, int32_t y);

  HDC display_ = nullptr;      // made at first use, deleted with this object
  std::list<KeptFont> fonts_;  // most recently used first
};

}  // namespace sorvane::win32

#include "platform/win32/gdi_text_outlines.h"

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <climits>

#include "platform/win32/gdi_holders.h"
#include "platform/win32/region_conversion.h"

namespace sorvane::win32 {

namespace {

LOGFONTA ToLogFont(const platform::FontSpec& font) {
  LOGFONTA log{};
  log.lfHeight = font.height;
  log.lfWidth = font.width;
  log.lfWeight = font.weight;
  log.lfItalic = font.italic ? 1 : 0;
  log.lfUnderline = font.underline ? 1 : 0;
  log.lfStrikeOut = font.strike_out ? 1 : 0;
  log.lfCharSet = font.char_set;
  // A face name has room for 31 characters and the terminator; longer names are cut.
  const size_t length = std::min(font.face.size(), sizeof(log.lfFaceName) - 1);
  std::copy_n(font.face.data(), length, log.lfFaceName);
  return log;
}

int TextLength(const std::string& text) {
  return static_cast<int>(std::min<size_t>(text.size(), INT_MAX));
}

// The font selected into a fresh display context, both released in reverse order.
class FontOnDisplay {
 public:
  explicit FontOnDisplay(const platform::FontSpec& spec)
      : font_([&] {
          const LOGFONTA log = ToLogFont(spec);
          return CreateFontIndirectA(&log);
        }()),
        dc_(CreateDCA("DISPLAY", nullptr, nullptr, nullptr)),
        selected_(dc_.get(), font_.get()) {}

  bool ok() const { return font_ && dc_; }
  HDC dc() const { return dc_.get(); }

 private:
  FontHandle font_;
  CreatedDc dc_;
  ScopedSelect selected_;  // declared last: put back before the DC and the font go
};

}  // namespace

std::optional<int32_t> GdiTextOutlines::MeasureWidth(const platform::FontSpec& font,
                                                     const std::string& text) {
  FontOnDisplay display(font);
  if (!display.ok()) return std::nullopt;
  SIZE extent{};
  if (!GetTextExtentPoint32A(display.dc(), text.c_str(), TextLength(text), &extent)) {
    return std::nullopt;
  }
  return extent.cx;
}

Region GdiTextOutlines::Outline(const platform::FontSpec& font, const std::string& text,
                                int32_t x, int32_t y) {
  FontOnDisplay display(font);
  if (!display.ok()) return Region();
  HDC dc = display.dc();
  BeginPath(dc);
  SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, x, y, text.c_str(), TextLength(text));
  EndPath(dc);
  // The display context's fill mode is the default, alternate: counters stay holes.
  RegionHandle outline(PathToRegion(dc));
  return FromGdiRegion(outline.get());
}

}  // namespace sorvane::win32

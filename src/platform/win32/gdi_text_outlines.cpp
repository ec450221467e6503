#include "platform/win32/gdi_text_outlines.h"

#include <algorithm>
#include <climits>

#include "platform/win32/region_conversion.h"
#include "platform/win32/windows_api.h"

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

}  // namespace

GdiTextOutlines::~GdiTextOutlines() {
  // The kept fonts are never left selected (each use puts the previous font back), so the
  // context can go first.
  if (display_ != nullptr) DeleteDC(display_);
}

HDC GdiTextOutlines::Display() {
  if (display_ == nullptr) display_ = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  return display_;
}

HFONT GdiTextOutlines::Font(const platform::FontSpec& font) {
  const auto found = std::find_if(fonts_.begin(), fonts_.end(),
                                  [&](const KeptFont& kept) { return kept.spec == font; });
  if (found != fonts_.end()) {
    fonts_.splice(fonts_.begin(), fonts_, found);
    return fonts_.front().handle.get();
  }
  const LOGFONTA log = ToLogFont(font);
  FontHandle handle(CreateFontIndirectA(&log));
  if (!handle) return nullptr;  // not kept: the next line tries again
  if (fonts_.size() >= kKeptFonts) fonts_.pop_back();
  fonts_.push_front(KeptFont{font, std::move(handle)});
  return fonts_.front().handle.get();
}

std::optional<int32_t> GdiTextOutlines::MeasureWidth(const platform::FontSpec& font,
                                                     const std::string& text) {
  const HDC dc = Display();
  const HFONT handle = Font(font);
  if (dc == nullptr || handle == nullptr) return std::nullopt;
  ScopedSelect selected(dc, handle);
  SIZE extent{};
  if (!GetTextExtentPoint32A(dc, text.c_str(), TextLength(text), &extent)) return std::nullopt;
  return extent.cx;
}

Region GdiTextOutlines::Outline(const platform::FontSpec& font, const std::string& text, int32_t x,
                                int32_t y) {
  const HDC dc = Display();
  const HFONT handle = Font(font);
  if (dc == nullptr || handle == nullptr) return Region();
  ScopedSelect selected(dc, handle);
  BeginPath(dc);
  SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, x, y, text.c_str(), TextLength(text));
  EndPath(dc);
  // The display context's fill mode is the default, alternate: counters stay holes.
  RegionHandle outline(PathToRegion(dc));
  return FromGdiRegion(outline.get());
}

}  // namespace sorvane::win32

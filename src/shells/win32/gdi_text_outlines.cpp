#include "shells/win32/gdi_text_outlines.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

#include "shells/win32/region_conversion.h"
#include "shells/win32/windows_api.h"

namespace sorvane::win32 {

namespace {

// How far right of the edge a lone character is drawn: more than any slant or overhang.
int32_t GlyphPad(const ports::FontSpec& font) {
  const auto size = static_cast<int64_t>(std::abs(static_cast<int64_t>(font.height))) +
                    std::abs(static_cast<int64_t>(font.width));
  return static_cast<int32_t>(std::min<int64_t>(size + 16, 1 << 20));
}

int TextLength(const std::string& text) {
  return static_cast<int>(std::min<size_t>(text.size(), INT_MAX));
}

}  // namespace

LOGFONTA ToLogFont(const ports::FontSpec& font) {
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

GdiTextOutlines::~GdiTextOutlines() {
  // The kept fonts are never left selected (each use puts the previous font back), so the
  // context can go first.
  if (display_ != nullptr) DeleteDC(display_);
}

HDC GdiTextOutlines::Display() {
  if (display_ == nullptr) display_ = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  return display_;
}

GdiTextOutlines::KeptFont* GdiTextOutlines::Font(const ports::FontSpec& font) {
  const auto found = std::find_if(fonts_.begin(), fonts_.end(),
                                  [&](const KeptFont& kept) { return kept.description == font; });
  if (found != fonts_.end()) {
    fonts_.splice(fonts_.begin(), fonts_, found);
    return &fonts_.front();
  }
  const LOGFONTA log = ToLogFont(font);
  FontHandle handle(CreateFontIndirectA(&log));
  if (!handle) return nullptr;  // not kept: the next line tries again
  if (fonts_.size() >= kKeptFonts) fonts_.pop_back();
  fonts_.push_front(KeptFont{font, std::move(handle), {}});
  return &fonts_.front();
}

Region GdiTextOutlines::TextPath(HDC dc, const std::string& text, int32_t x, int32_t y) {
  BeginPath(dc);
  SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, x, y, text.c_str(), TextLength(text));
  EndPath(dc);
  // The display context's fill mode is the default, alternate: counters stay holes.
  RegionHandle outline(PathToRegion(dc));
  return FromGdiRegion(outline.get());
}

// The characters stand where TextOut puts them, at the widths of the text before them.
// Under the alternate fill a pixel of the whole line is inside when an odd number of
// outline crossings lie left of it, which is the exclusive-or of the characters' own
// fills: overlapping characters (italics) come out as the line's path would have them.
// Wine rounds outline points left of x = 0 (or above y = 0) differently from the same
// points further on, so each character is drawn well right of the edge, and a line any of
// whose characters would reach left of the edge is drawn whole instead.
Region GdiTextOutlines::Composed(HDC dc, KeptFont& font, const std::string& text, int32_t x,
                                 int32_t y) {
  std::vector<INT> ends(text.size());
  SIZE extent{};
  if (!GetTextExtentExPointA(dc, text.c_str(), TextLength(text), 0, nullptr, ends.data(),
                             &extent)) {
    return TextPath(dc, text, x, y);
  }
  const int32_t pad = GlyphPad(font.description);
  Region line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::optional<Region>& glyph = font.glyphs[static_cast<unsigned char>(text[i]) - kFirstKept];
    if (!glyph) glyph = TextPath(dc, std::string(1, text[i]), pad, 0);
    if (glyph->IsEmpty()) continue;
    const int32_t pen = x + (i == 0 ? 0 : ends[i - 1]);
    if (pen + glyph->Bounds().left - pad < 0) return TextPath(dc, text, x, y);
    Region placed = *glyph;
    placed.Translate(pen - pad, y);
    line.CombineWith(placed, CombineMode::Xor);
  }
  return line;
}

std::optional<int32_t> GdiTextOutlines::MeasureWidth(const ports::FontSpec& font,
                                                     const std::string& text) {
  const HDC dc = Display();
  KeptFont* kept = Font(font);
  if (dc == nullptr || kept == nullptr) return std::nullopt;
  ScopedSelect selected(dc, kept->handle.get());
  SIZE extent{};
  if (!GetTextExtentPoint32A(dc, text.c_str(), TextLength(text), &extent)) return std::nullopt;
  return extent.cx;
}

// Lines start at y >= 0 (the window's time and date lines); above that, Wine rounds glyph
// paths differently from the same path lower down, so such lines are drawn whole.
Region GdiTextOutlines::Outline(const ports::FontSpec& font, const std::string& text, int32_t x,
                                int32_t y) {
  const HDC dc = Display();
  KeptFont* kept = Font(font);
  if (dc == nullptr || kept == nullptr) return Region();
  ScopedSelect selected(dc, kept->handle.get());
  const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= kFirstKept && byte <= kLastKept;
  });
  if (plain && y >= 0) return Composed(dc, *kept, text, x, y);
  return TextPath(dc, text, x, y);
}

}  // namespace sorvane::win32

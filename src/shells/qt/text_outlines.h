#pragma once
// Glyph outlines of a line of text through Qt: the text's path in the clock font, filled
// even-odd by our region engine, so the counters of 0, 4, 6, 8 and 9 stay holes.
#include <QFont>
#include <optional>

#include "app/ports/services.h"

namespace sorvane::qt {

class QtTextOutlines final : public ports::TextOutlines {
 public:
  std::optional<int32_t> MeasureWidth(const ports::FontSpec& font,
                                      const std::string& text) override;
  Region Outline(const ports::FontSpec& font, const std::string& text, int32_t x,
                 int32_t y) override;

 private:
  // A font as the clock asks for it: the face at the pixel size whose cell is as tall as the
  // requested height, and the horizontal scale that gives the requested average width.
  struct Sized {
    ports::FontSpec description;
    QFont font;
    double ascent = 0;
    double x_scale = 1;
  };
  const Sized& Font(const ports::FontSpec& font);

  // The time line asks for the same font every second; finding a face through fontconfig
  // is the slow part, so the last one is kept.
  std::optional<Sized> last_;
};

// The font a FontSpec names, at the given pixel size (no scale applied).
QFont QtFontOf(const ports::FontSpec& font, int pixel_size);

}  // namespace sorvane::qt

#include "shells/qt/text_outlines.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

namespace sorvane::qt {

namespace {

// The clock's texts are 8-bit strings of the locale's words; on Linux those are UTF-8.
QString TextOf(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int32_t RoundedCoordinate(double value) {
  const double limit = static_cast<double>(kCoordLimit);
  return static_cast<int32_t>(std::nearbyint(std::clamp(value, -limit, limit)));
}

Region FilledEvenOdd(const QPolygonF& polygon) {
  std::vector<Point> corners;
  corners.reserve(static_cast<size_t>(polygon.size()));
  for (const QPointF& p : polygon) {
    corners.push_back(Point{RoundedCoordinate(p.x()), RoundedCoordinate(p.y())});
  }
  return Region::Polygon(corners, FillMode::Alternate);
}

}  // namespace

QFont QtFontOf(const ports::FontSpec& font, int pixel_size) {
  QFont qfont(QString::fromStdString(font.face));
  qfont.setPixelSize(std::max(pixel_size, 1));
  qfont.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
  qfont.setItalic(font.italic);
  qfont.setUnderline(font.underline);
  qfont.setStrikeOut(font.strike_out);
  // Outlines only: a bitmap face has no path to fill.
  qfont.setStyleStrategy(QFont::ForceOutline);
  return qfont;
}

// A positive height is the character cell's (ascent + descent), a negative one the em
// height, as the clock's text layout asks; the width, when given, is the average character
// width, reached by scaling the outlines across.
const QtTextOutlines::Sized& QtTextOutlines::Font(const ports::FontSpec& font) {
  if (last_ && last_->description == font) return *last_;
  const int requested =
      static_cast<int>(std::min<int64_t>(std::abs(int64_t{font.height}), 1 << 14));
  const int asked = requested == 0 ? 16 : requested;
  QFont qfont = QtFontOf(font, asked);
  if (font.height > 0) {
    const double cell = QFontMetricsF(qfont).height();
    if (cell > 0) qfont = QtFontOf(font, static_cast<int>(std::lround(asked * asked / cell)));
  }
  const QFontMetricsF metrics(qfont);
  double x_scale = 1;
  if (font.width > 0 && metrics.averageCharWidth() > 0) {
    x_scale = font.width / metrics.averageCharWidth();
  }
  last_ = Sized{font, qfont, metrics.ascent(), x_scale};
  return *last_;
}

std::optional<int32_t> QtTextOutlines::MeasureWidth(const ports::FontSpec& font,
                                                    const std::string& text) {
  const Sized& sized = Font(font);
  const double width = QFontMetricsF(sized.font).horizontalAdvance(TextOf(text)) * sized.x_scale;
  return RoundedCoordinate(width);
}

// Qt joins the glyphs' contours that meet into one polygon each; contours apart from each
// other become polygons of their own. Even-odd within a polygon keeps the counters open,
// and exclusive-or across polygons keeps the line as the whole path would fill.
Region QtTextOutlines::Outline(const ports::FontSpec& font, const std::string& text, int32_t x,
                               int32_t y) {
  const Sized& sized = Font(font);
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  path.addText(QPointF(0, sized.ascent), sized.font, TextOf(text));
  const QTransform place =
      QTransform::fromScale(sized.x_scale, 1) * QTransform::fromTranslate(x, y);
  Region line;
  for (const QPolygonF& polygon : path.toFillPolygons(place)) {
    line.CombineWith(FilledEvenOdd(polygon), CombineMode::Xor);
  }
  return line;
}

}  // namespace sorvane::qt

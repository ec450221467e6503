#include "shells/qt/qt_canvas.h"

#include <QRect>

namespace sorvane::qt {

QColor FromColorRef(int32_t color) {
  const auto bits = static_cast<uint32_t>(color);
  return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                static_cast<int>((bits >> 16) & 0xFF));
}

int32_t ToColorRef(const QColor& color) {
  const QColor rgb = color.toRgb();
  return static_cast<int32_t>(static_cast<uint32_t>(rgb.red()) |
                              (static_cast<uint32_t>(rgb.green()) << 8) |
                              (static_cast<uint32_t>(rgb.blue()) << 16));
}

void QtCanvas::FillRect(const Rect& rect, ports::Color color) {
  painter_.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                    QColor(color.red, color.green, color.blue));
}

}  // namespace sorvane::qt

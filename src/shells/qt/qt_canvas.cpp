#include "shells/qt/qt_canvas.h"

#include <QRect>

namespace sorvane::qt {

void QtCanvas::FillRect(const Rect& rect, ports::Color color) {
  painter_.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                    QColor(color.red, color.green, color.blue));
}

}  // namespace sorvane::qt

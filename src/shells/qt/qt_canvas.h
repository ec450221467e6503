#pragma once
// Solid fills through a QPainter, and the colours of vl.prf (COLORREF) as Qt's.
#include <QColor>
#include <QPainter>

#include "app/ports/clock_window.h"

namespace sorvane::qt {

// 0x00BBGGRR, as the profiles file stores colours, to Qt's colour.
QColor FromColorRef(int32_t color);
// And back, for the colour dialog's answer.
int32_t ToColorRef(const QColor& color);

class QtCanvas final : public ports::Canvas {
 public:
  explicit QtCanvas(QPainter& painter) : painter_(painter) {}
  void FillRect(const Rect& rect, ports::Color color) override;

 private:
  QPainter& painter_;
};

}  // namespace sorvane::qt

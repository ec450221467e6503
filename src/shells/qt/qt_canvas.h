#pragma once
// Solid fills through a QPainter.
#include <QColor>
#include <QPainter>

#include "app/ports/clock_window.h"

namespace sorvane::qt {

class QtCanvas final : public ports::Canvas {
 public:
  explicit QtCanvas(QPainter& painter) : painter_(painter) {}
  void FillRect(const Rect& rect, ports::Color color) override;

 private:
  QPainter& painter_;
};

}  // namespace sorvane::qt

#pragma once
// Solid fills on a device context, for the paint handler.
#include "shells/win32/windows_api.h"

#include "app/ports/clock_window.h"

namespace sorvane::win32 {

class GdiCanvas final : public ports::Canvas {
 public:
  explicit GdiCanvas(HDC dc) : dc_(dc) {}
  void FillRect(const Rect& rect, ports::Color color) override;

 private:
  HDC dc_;
};

}  // namespace sorvane::win32

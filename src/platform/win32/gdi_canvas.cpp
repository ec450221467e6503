#include "platform/win32/gdi_canvas.h"

#include "platform/win32/gdi_holders.h"

namespace sorvane::win32 {

void GdiCanvas::FillRect(const Rect& rect, int32_t color) {
  BrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(color)));
  if (!brush) return;
  const RECT area{rect.left, rect.top, rect.right, rect.bottom};
  ::FillRect(dc_, &area, brush.get());
}

}  // namespace sorvane::win32

#include "shells/win32/gdi_canvas.h"

#include "shells/win32/gdi_holders.h"
#include "region/window_fit.h"

namespace sorvane::win32 {

void GdiCanvas::FillRect(const Rect& rect, ports::Color color) {
  // Only the part the device context can show goes to the window system (window_fit.h).
  RECT shown{};
  if (GetClipBox(dc_, &shown) == ERROR) return;
  const Rect part = ClipRect(rect, Rect{shown.left, shown.top, shown.right, shown.bottom});
  if (part.left == part.right || part.top == part.bottom) return;
  BrushHandle brush(CreateSolidBrush(RGB(color.red, color.green, color.blue)));
  if (!brush) return;
  const RECT area{part.left, part.top, part.right, part.bottom};
  ::FillRect(dc_, &area, brush.get());
}

}  // namespace sorvane::win32

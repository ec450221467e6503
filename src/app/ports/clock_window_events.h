#pragma once
// What a shell's clock window reports to the clock behind it. The window only translates
// its system's messages or events into these calls.
#include <cstdint>

#include "app/ports/clock_window.h"

namespace sorvane::ports {

class ClockWindowEvents {
 public:
  virtual ~ClockWindowEvents() = default;
  virtual void Paint(Canvas& canvas) = 0;
  virtual void RightButtonDown(int32_t x, int32_t y) = 0;  // window coordinates
  virtual void MiddleButtonDown(int32_t x, int32_t y) = 0;
  // The user let go of the window after dragging it (or only pressed on it).
  virtual void DragEnded() = 0;
  virtual void DisplayScaleChanged() = 0;  // moved to a monitor of another scale
  // A menu item's command sent to the window itself (WM_COMMAND), as another program or a
  // test sends it: the item of the clock's menu with this id.
  virtual void Command(int32_t id) = 0;
  // The system closed the window (not the program): the program ends.
  virtual void Closed() = 0;
};

}  // namespace sorvane::ports

#pragma once
// What a shell's clock window reports to the clock behind it. The window only translates
// its system's messages or events into these calls.
#include <cstdint>

#include "app/ports/services.h"

namespace sorvane::ports {

class ClockWindowEvents {
 public:
  virtual ~ClockWindowEvents() = default;
  virtual void Tick() = 0;
  virtual void TimeChanged() = 0;  // the system time was set, or the machine woke up
  // The user let go of the window after dragging it (or only pressed on it).
  virtual void DragEnded() = 0;
  virtual void Paint(Canvas& canvas) = 0;
  virtual void RightButtonDown(int32_t x, int32_t y) = 0;  // window coordinates
  virtual void MiddleButtonDown(int32_t x, int32_t y) = 0;
  virtual void Command(int32_t id) = 0;    // a menu item chosen
  virtual void DisplayScaleChanged() = 0;  // moved to a monitor of another scale
  virtual void Closed() = 0;               // the window is gone
};

}  // namespace sorvane::ports

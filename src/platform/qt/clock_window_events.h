#pragma once
// What the clock window reports to the clock behind it. The widget only translates Qt's
// events into these calls.
#include <cstdint>

#include "platform/platform.h"

namespace sorvane::qt {

class ClockWindowEvents {
 public:
  virtual ~ClockWindowEvents() = default;
  virtual void Tick() = 0;
  virtual void TimeChanged() = 0;  // the system time was set
  virtual void Moved() = 0;        // the window's place changed (a drag, or the clock's own)
  virtual void Paint(platform::Canvas& canvas) = 0;
  virtual void RightButtonDown(int32_t x, int32_t y) = 0;  // window coordinates
  virtual void MiddleButtonDown(int32_t x, int32_t y) = 0;
  virtual void Closed() = 0;
};

}  // namespace sorvane::qt

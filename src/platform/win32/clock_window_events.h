#pragma once
// What the clock window reports to the clock behind it. The window procedure only
// translates messages into these calls.
#include <cstdint>

#include "platform/platform.h"
#include "platform/win32/windows_api.h"

namespace sorvane::win32 {

class ClockWindowEvents {
 public:
  virtual ~ClockWindowEvents() = default;
  virtual void Tick() = 0;
  virtual void TimeChanged() = 0;  // the system time was set, or the machine woke up
  virtual void Moved() = 0;        // the window's place changed (a drag, or the clock's own)
  virtual void Paint(platform::Canvas& canvas) = 0;
  virtual void RightButtonDown(int32_t x, int32_t y) = 0;  // client coordinates
  virtual void MiddleButtonDown(int32_t x, int32_t y) = 0;
  virtual void Command(UINT id) = 0;       // a menu item chosen
  virtual void DisplayScaleChanged() = 0;  // moved to a monitor of another DPI
  virtual void Destroyed() = 0;
};

}  // namespace sorvane::win32

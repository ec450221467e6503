#pragma once
// The screens the clock stands on.
#include <vector>

#include "region/rect.h"

namespace sorvane::ports {

class Screen {
 public:
  virtual ~Screen() = default;
  virtual Size PrimarySize() const = 0;            // GetSystemMetrics(SM_CXSCREEN / SM_CYSCREEN)
  virtual std::vector<Rect> Monitors() const = 0;  // every monitor, primary first
  // The primary monitor less the taskbar and other bars docked to its edges
  // (SPI_GETWORKAREA): where a window shows whole and uncovered. Empty when unknown.
  virtual Rect PrimaryWorkArea() const = 0;
};

}  // namespace sorvane::ports

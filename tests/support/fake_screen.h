#pragma once
// A settable desktop: the primary screen's size, the monitor rectangles and the primary
// monitor's work area.
#include <stdexcept>
#include <vector>

#include "app/ports/services.h"

namespace sorvane::headless {

class FakeScreen : public ports::Screen {
 public:
  FakeScreen() { SetPrimary(1024, 768); }

  Size PrimarySize() const override {
    if (fail) throw std::runtime_error("screen size unavailable");
    return primary_;
  }
  std::vector<Rect> Monitors() const override {
    if (fail) throw std::runtime_error("monitor list unavailable");
    return monitors_;
  }
  Rect PrimaryWorkArea() const override {
    if (fail) throw std::runtime_error("work area unavailable");
    return work_area_;
  }

  // One monitor, the primary, at the origin, with no taskbar.
  void SetPrimary(int32_t width, int32_t height) {
    primary_ = {width, height};
    monitors_ = {Rect{0, 0, width, height}};
    work_area_ = monitors_.front();
  }
  // The primary monitor less a taskbar, e.g. {0, 0, 1024, 728} for one 40 pixels high below.
  void SetWorkArea(const Rect& work_area) { work_area_ = work_area; }
  // Adds a further monitor after the primary.
  void AddMonitor(const Rect& monitor) { monitors_.push_back(monitor); }

  bool fail = false;  // every question throws, as a broken display driver would

 private:
  Size primary_;
  std::vector<Rect> monitors_;
  Rect work_area_;
};

}  // namespace sorvane::headless

#pragma once
// A settable desktop: the primary screen's size and the monitor rectangles.
#include <stdexcept>
#include <vector>

#include "platform/platform.h"

namespace sorvane::headless {

class FakeScreen : public platform::Screen {
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

  // One monitor, the primary, at the origin.
  void SetPrimary(int32_t width, int32_t height) {
    primary_ = {width, height};
    monitors_ = {Rect{0, 0, width, height}};
  }
  // Adds a further monitor after the primary.
  void AddMonitor(const Rect& monitor) { monitors_.push_back(monitor); }

  bool fail = false;  // every question throws, as a broken display driver would

 private:
  Size primary_;
  std::vector<Rect> monitors_;
};

}  // namespace sorvane::headless

#pragma once
// A clock window that only remembers what it was told.
#include <cstdint>
#include <vector>

#include "app/ports/services.h"
#include "support/journal.h"

namespace sorvane::headless {

class FakeWindow : public ports::ClockWindow, public ports::SmoothEdges {
 public:
  explicit FakeWindow(Journal* journal = nullptr) : journal_(journal) {}

  Rect Bounds() const override;
  void SetWidth(int32_t width) override;
  void SetHeight(int32_t height) override;
  void SetLeft(int32_t left) override;
  void SetTop(int32_t top) override;
  void SetColor(int32_t color) override;
  void SetRegion(const Region& region) override;
  void SetOpacity(int32_t percent) override;
  int32_t Dpi() const override { return dpi; }
  void ShowImage(const ports::LayeredImage& image) override;
  void Repaint() override;
  void ScheduleTick(int32_t milliseconds) override;
  void Close() override;
  bool AnotherCopyRunning() override;

  // Moves the window as a drag would, without going through the clock's setters.
  void DragTo(int32_t left, int32_t top);

  // The window's starting place and size, before any profile is applied.
  int32_t left = 144, top = 237, width = 302, height = 302;
  int32_t color = 0x00FF0000;               // blue
  std::vector<Region> regions;              // every region set, in order
  std::vector<ports::LayeredImage> images;  // every image shown, in order
  bool shows_image = false;                 // an image was shown after the last region
  int32_t opacity = 100;
  int32_t dpi = 96;
  int repaints = 0;
  std::vector<int32_t> tick_delays;  // every arming of the tick timer, in order
  bool closed = false;
  bool another_copy = false;  // what the single-instance check finds

  int RegionCount() const { return static_cast<int>(regions.size()); }
  bool HasRegion() const { return !regions.empty(); }
  const Region& CurrentRegion() const { return regions.back(); }
  int32_t ArmedDelay() const { return tick_delays.back(); }  // the arming in force

 private:
  Journal* journal_;
};

}  // namespace sorvane::headless

#pragma once
// A clock window that only remembers what it was told.
#include <cstdint>
#include <vector>

#include "app/ports/clock_window.h"
#include "support/journal.h"

namespace sorvane::headless {

class FakeWindow : public ports::ClockWindow {
 public:
  explicit FakeWindow(Journal* journal = nullptr) : journal_(journal) {}

  Rect Bounds() const override;
  void SetBounds(const Rect& bounds) override;
  void Show() override;
  void SetColor(ports::Color color) override;
  void SetRegion(const Region& region) override;
  void ShowImage(const ports::LayeredImage& image) override;
  void SetOpacity(int32_t percent) override;
  int32_t Dpi() const override { return dpi; }
  void Repaint() override;

  // Moves the window as a drag would, without going through the clock.
  void DragTo(int32_t left, int32_t top);

  // The window's starting place and size, before any profile is applied.
  int32_t left = 144, top = 237, width = 302, height = 302;
  int32_t color = 0x00FF0000;               // COLORREF, as vl.prf keeps colours; blue
  std::vector<Region> regions;              // every region set, in order
  std::vector<ports::LayeredImage> images;  // every image shown, in order
  bool shows_image = false;                 // an image was shown after the last region
  int32_t opacity = 100;
  int32_t dpi = 96;
  int repaints = 0;
  bool shown = false;
  bool destroyed = false;  // the program let go of it

  int RegionCount() const { return static_cast<int>(regions.size()); }
  bool HasRegion() const { return !regions.empty(); }
  const Region& CurrentRegion() const { return regions.back(); }

 private:
  Journal* journal_;
};

}  // namespace sorvane::headless

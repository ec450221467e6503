#pragma once
// The clock window as the program sees it, and what paints it.
#include <cstdint>
#include <vector>

#include "region/region.h"

namespace sorvane::ports {

// The clock window as the program sees it: a borderless, stay-on-top window whose region
// is the clock's outline.
class ClockWindow {
 public:
  virtual ~ClockWindow() = default;
  virtual Rect Bounds() const = 0;  // screen pixels, right/bottom exclusive
  virtual void SetWidth(int32_t width) = 0;
  virtual void SetHeight(int32_t height) = 0;
  virtual void SetLeft(int32_t left) = 0;
  virtual void SetTop(int32_t top) = 0;
  // COLORREF (0x00BBGGRR); the window repaints in it.
  virtual void SetColor(int32_t color) = 0;
  // The window takes the region over and paints the pixels it adds; those inside both the
  // old and the new outline keep what was painted there (Repaint paints them all). A window
  // showing an image with smooth edges goes back to its region.
  virtual void SetRegion(const Region& region) = 0;
  // The whole window at this opacity, in percent (100: opaque), whether it shows its
  // region or an image with smooth edges.
  virtual void SetOpacity(int32_t percent) = 0;
  // Dots per inch of the monitor the window is on; 96 is the scale of 100 %.
  virtual int32_t Dpi() const = 0;
  virtual void Repaint() = 0;
  // Arms the clock's one timer: the shell calls the clock's Tick once, `milliseconds` from
  // now (at once for 0 or less). Arming it again replaces the earlier time.
  virtual void ScheduleTick(int32_t milliseconds) = 0;
  // Closes the window, which ends the message loop.
  virtual void Close() = 0;
  // Whether an unowned top-level window titled "Sorvane" other than this copy's
  // application window exists.
  virtual bool AnotherCopyRunning() = 0;
};

// The pixels of a window that shows its outline with smooth edges: premultiplied alpha,
// 0xAARRGGBB, rows top to bottom (in memory the B, G, R, A bytes of a Windows DIB).
struct LayeredImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;
};

// A clock window that can show an image with per-pixel alpha instead of a region (on
// Windows a layered window). A shell that offers it gets the "Smooth Edges" item.
class SmoothEdges {
 public:
  virtual ~SmoothEdges() = default;
  // Shows the image, of the window's size, until the next SetRegion. Pixels of alpha 0 let
  // the mouse through to what lies below, as pixels outside a region do.
  virtual void ShowImage(const LayeredImage& image) = 0;
};

// Solid fills of the client area, used by the paint handler.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void FillRect(const Rect& rect, int32_t color) = 0;
};

}  // namespace sorvane::ports

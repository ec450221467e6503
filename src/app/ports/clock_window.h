#pragma once
// A clock's window as the program sees it, and what paints it.
#include <cstdint>
#include <vector>

#include "app/ports/color.h"
#include "region/region.h"

namespace sorvane::ports {

// The pixels of a window that shows its outline with smooth edges: premultiplied alpha,
// 0xAARRGGBB, rows top to bottom (in memory the B, G, R, A bytes of a Windows DIB).
struct LayeredImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;
};

// A borderless, stay-on-top window whose region is the clock's outline. Made hidden; the
// program shows it once it is placed and shaped.
class ClockWindow {
 public:
  virtual ~ClockWindow() = default;
  virtual Rect Bounds() const = 0;  // screen pixels, right/bottom exclusive
  // Size and place in one move, so that no one sees a window half moved.
  virtual void SetBounds(const Rect& bounds) = 0;
  virtual void Show() = 0;
  // The colour the window repaints in.
  virtual void SetColor(Color color) = 0;
  // The window takes the region over and paints the pixels it adds; those inside both the
  // old and the new outline keep what was painted there (Repaint paints them all). A window
  // showing an image with smooth edges goes back to its region.
  virtual void SetRegion(const Region& region) = 0;
  // Shows the image, of the window's size, until the next SetRegion. Pixels of alpha 0 let
  // the mouse through to what lies below, as pixels outside a region do. Only asked of a
  // window whose program offers smooth edges.
  virtual void ShowImage(const LayeredImage& image) = 0;
  // The whole window at this opacity, in percent (100: opaque), whether it shows its
  // region or an image with smooth edges.
  virtual void SetOpacity(int32_t percent) = 0;
  // Dots per inch of the monitor the window is on; 96 is the scale of 100 %.
  virtual int32_t Dpi() const = 0;
  virtual void Repaint() = 0;
};

// Solid fills of the client area, used by the paint handler.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void FillRect(const Rect& rect, Color color) = 0;
};

}  // namespace sorvane::ports

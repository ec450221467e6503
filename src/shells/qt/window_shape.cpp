#include "shells/qt/input_shape.h"

#include <vector>

#include "region/window_fit.h"
#include "shells/qt/x_connection.h"

// Xlib's macros (None, Bool, Status, ...) would clash with Qt's names: included last.
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

namespace sorvane::qt {

// Each row's runs of covered pixels; the region engine merges equal rows into bands.
Region CoveredPixels(const ports::LayeredImage& image) {
  std::vector<Rect> runs;
  for (int32_t y = 0; y < image.height; ++y) {
    const uint32_t* row = image.pixels.data() + static_cast<size_t>(y) * image.width;
    for (int32_t x = 0; x < image.width;) {
      if ((row[x] >> 24) == 0) {
        ++x;
        continue;
      }
      const int32_t start = x;
      while (x < image.width && (row[x] >> 24) != 0) ++x;
      runs.push_back({start, y, x, y + 1});
    }
  }
  return Region::FromRects(runs);
}

// Only what one request can carry (window_fit.h), as for the shape the window shows.
void SetInputShape(QWidget& window, const Region& region) {
  Display* display = XDisplay();
  if (display == nullptr) return;
  const Region fitted = RegionForWindow(region, window.width(), window.height());
  std::vector<XRectangle> rects;
  for (const Rect& r : fitted.Rects()) {
    rects.push_back({static_cast<short>(r.left), static_cast<short>(r.top),
                     static_cast<unsigned short>(r.right - r.left),
                     static_cast<unsigned short>(r.bottom - r.top)});
  }
  XShapeCombineRectangles(display, window.winId(), ShapeInput, 0, 0, rects.data(),
                          static_cast<int>(rects.size()), ShapeSet, YXBanded);
  XFlush(display);
}

void ResetInputShape(QWidget& window) {
  Display* display = XDisplay();
  if (display == nullptr) return;
  XShapeCombineMask(display, window.winId(), ShapeInput, 0, 0, 0, ShapeSet);  // 0 is None
  XFlush(display);
}

}  // namespace sorvane::qt

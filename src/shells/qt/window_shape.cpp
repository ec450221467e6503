#include "shells/qt/window_shape.h"

#include <cmath>
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

namespace {

// The region is in Qt's device-independent pixels; the server counts the screen's own.
XRectangle OnScreen(const Rect& r, double scale) {
  const auto at = [scale](int32_t v) { return static_cast<int>(std::lround(v * scale)); };
  return {static_cast<short>(at(r.left)), static_cast<short>(at(r.top)),
          static_cast<unsigned short>(at(r.right) - at(r.left)),
          static_cast<unsigned short>(at(r.bottom) - at(r.top))};
}

void SetShape(QWidget& window, int kind, const Region& region) {
  Display* display = XDisplay();
  if (display == nullptr) return;
  const Region fitted = RegionForWindow(region, window.width(), window.height());
  const std::vector<Rect> bands = fitted.Rects();
  const double scale = window.devicePixelRatioF();
  std::vector<XRectangle> rects;
  rects.reserve(bands.size());
  for (const Rect& r : bands) rects.push_back(OnScreen(r, scale));
  XShapeCombineRectangles(display, window.winId(), kind, 0, 0, rects.data(),
                          static_cast<int>(rects.size()), ShapeSet, YXBanded);
  XFlush(display);
}

void ResetShape(QWidget& window, int kind) {
  Display* display = XDisplay();
  if (display == nullptr) return;
  XShapeCombineMask(display, window.winId(), kind, 0, 0, 0, ShapeSet);  // 0 is None
  XFlush(display);
}

}  // namespace

void SetBoundingShape(QWidget& window, const Region& region) {
  SetShape(window, ShapeBounding, region);
}

void ResetBoundingShape(QWidget& window) { ResetShape(window, ShapeBounding); }

void SetInputShape(QWidget& window, const Region& region) {
  SetShape(window, ShapeInput, region);
}

void ResetInputShape(QWidget& window) { ResetShape(window, ShapeInput); }

}  // namespace sorvane::qt

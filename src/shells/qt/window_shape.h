#pragma once
// A window's shapes on the X server (SHAPE extension), set straight from the clock's region:
// the bounding shape, the pixels the window shows, and the input shape, the pixels the
// mouse reaches. A window with smooth edges shows every pixel and lets clicks on its clear
// ones through, as a layered window does on Windows.
//
// Qt's own mask is not used: it would copy the region twice (into a QRegion, then into X
// rectangles) on every tick, where one set of rectangles will do.
#include <QWidget>

#include "app/ports/clock_window.h"
#include "region/region.h"

namespace sorvane::qt {

// The pixels of the image with any alpha at all.
Region CoveredPixels(const ports::LayeredImage& image);

// Each cuts the window to `region`, only what one request can carry (window_fit.h); or
// resets it to the whole window. Each request is sent at once.
void SetBoundingShape(QWidget& window, const Region& region);
void ResetBoundingShape(QWidget& window);
void SetInputShape(QWidget& window, const Region& region);
void ResetInputShape(QWidget& window);

}  // namespace sorvane::qt

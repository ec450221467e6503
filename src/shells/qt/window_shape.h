#pragma once
// The pixels of a window that the mouse reaches (X SHAPE's input shape), apart from those it
// shows: a window with smooth edges shows every pixel and lets clicks on its clear ones
// through, as a layered window does on Windows.
#include <QWidget>

#include "app/ports/clock_window.h"
#include "region/region.h"

namespace sorvane::qt {

// The pixels of the image with any alpha at all.
Region CoveredPixels(const ports::LayeredImage& image);

void SetInputShape(QWidget& window, const Region& region);
// The mouse reaches what the window shows again.
void ResetInputShape(QWidget& window);

}  // namespace sorvane::qt

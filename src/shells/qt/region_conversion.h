#pragma once
// Our region as the QRegion that QWidget::setMask hands to the X SHAPE extension.
#include <QRegion>

#include "region/region.h"

namespace sorvane::qt {

// The region's rectangles, one per span, in one setRects call (no union per rectangle).
QRegion ToQRegion(const Region& region);

// The mask for a window showing `region`. An empty QRegion would mean "no mask" to Qt and
// show the whole window, where an empty outline must show nothing: that is a mask of one
// pixel outside the window.
QRegion MaskFor(const Region& region);

}  // namespace sorvane::qt

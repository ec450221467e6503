#include "shells/qt/region_conversion.h"

#include <QList>
#include <QRect>

namespace sorvane::qt {

QRegion ToQRegion(const Region& region) {
  QList<QRect> rects;
  rects.reserve(static_cast<qsizetype>(region.SpanCount()));
  for (const Rect& r : region.Rects()) {
    rects.append(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
  }
  QRegion result;
  result.setRects(rects.constData(), static_cast<int>(rects.size()));
  return result;
}

QRegion MaskFor(const Region& region) {
  if (region.IsEmpty()) return QRegion(-1, -1, 1, 1);
  return ToQRegion(region);
}

}  // namespace sorvane::qt

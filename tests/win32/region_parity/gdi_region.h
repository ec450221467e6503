#pragma once
// GDI regions for the parity test: an owning holder and the read-back into our Region.
#include <windows.h>

#include <span>

#include "region/region.h"

namespace sorvane::parity {

class GdiRegion {
 public:
  explicit GdiRegion(HRGN h) : handle_(h) {}
  GdiRegion(const GdiRegion&) = delete;
  GdiRegion& operator=(const GdiRegion&) = delete;
  ~GdiRegion() {
    if (handle_ != nullptr) DeleteObject(handle_);
  }
  HRGN get() const { return handle_; }
  HRGN release() {
    HRGN h = handle_;
    handle_ = nullptr;
    return h;
  }

 private:
  HRGN handle_;
};

GdiRegion GdiPolygon(std::span<const Point> vertices, FillMode mode);
GdiRegion GdiEllipse(const Rect& box);
// A fresh region holding a combination of two others.
GdiRegion GdiCombine(HRGN a, HRGN b, CombineMode mode);
// The pixels of a GDI region (a null handle, a failed creation, counts as empty).
Region ReadBack(HRGN h);

}  // namespace sorvane::parity

#include "gdi_region.h"

#include <vector>

namespace sorvane::parity {

GdiRegion GdiPolygon(std::span<const Point> vertices, FillMode mode) {
  std::vector<POINT> points;
  points.reserve(vertices.size());
  for (const Point& p : vertices) points.push_back(POINT{p.x, p.y});
  return GdiRegion(CreatePolygonRgn(points.data(), static_cast<int>(points.size()),
                                    mode == FillMode::Winding ? WINDING : ALTERNATE));
}

GdiRegion GdiEllipse(const Rect& box) {
  return GdiRegion(CreateEllipticRgn(box.left, box.top, box.right, box.bottom));
}

GdiRegion GdiCombine(HRGN a, HRGN b, CombineMode mode) {
  HRGN out = CreateRectRgn(0, 0, 0, 0);
  CombineRgn(out, a, b, static_cast<int>(mode));
  return GdiRegion(out);
}

Region ReadBack(HRGN h) {
  if (h == nullptr) return Region();
  const DWORD bytes = GetRegionData(h, 0, nullptr);
  if (bytes < sizeof(RGNDATAHEADER)) return Region();
  // RGNDATA is a header followed by RECTs: a RECT buffer keeps it aligned.
  std::vector<RECT> buffer((bytes + sizeof(RECT) - 1) / sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (GetRegionData(h, bytes, data) != bytes) return Region();
  const auto* in = reinterpret_cast<const RECT*>(data->Buffer);
  std::vector<Rect> rects;
  rects.reserve(data->rdh.nCount);
  for (DWORD i = 0; i < data->rdh.nCount; ++i) {
    rects.push_back({in[i].left, in[i].top, in[i].right, in[i].bottom});
  }
  return Region::FromRects(rects);
}

}  // namespace sorvane::parity

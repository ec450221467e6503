#include "platform/win32/region_conversion.h"

#include <vector>

namespace sorvane::win32 {

namespace {

// RGNDATA is a header followed by the rectangles; keep both in one aligned buffer.
std::vector<RECT> RegionDataBuffer(size_t bytes) {
  return std::vector<RECT>((bytes + sizeof(RECT) - 1) / sizeof(RECT));
}

}  // namespace

RegionHandle ToGdiRegion(const Region& region) {
  const std::vector<Rect> rects = region.Rects();
  if (rects.empty()) return RegionHandle(CreateRectRgn(0, 0, 0, 0));

  const size_t bytes = sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT);
  std::vector<RECT> buffer = RegionDataBuffer(bytes);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  const Rect box = region.Bounds();
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(rects.size());
  data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  data->rdh.rcBound = RECT{box.left, box.top, box.right, box.bottom};
  auto* out = reinterpret_cast<RECT*>(data->Buffer);
  for (size_t i = 0; i < rects.size(); ++i) {
    out[i] = RECT{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
  }
  return RegionHandle(ExtCreateRegion(nullptr, static_cast<DWORD>(bytes), data));
}

Region FromGdiRegion(HRGN handle) {
  if (handle == nullptr) return Region();
  const DWORD bytes = GetRegionData(handle, 0, nullptr);
  if (bytes < sizeof(RGNDATAHEADER)) return Region();
  std::vector<RECT> buffer = RegionDataBuffer(bytes);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (GetRegionData(handle, bytes, data) != bytes) return Region();

  const auto* in = reinterpret_cast<const RECT*>(data->Buffer);
  std::vector<Rect> rects(data->rdh.nCount);
  for (size_t i = 0; i < rects.size(); ++i) {
    rects[i] = Rect{in[i].left, in[i].top, in[i].right, in[i].bottom};
  }
  return Region::FromRects(rects);
}

}  // namespace sorvane::win32

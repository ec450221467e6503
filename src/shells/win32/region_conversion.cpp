#include "shells/win32/region_conversion.h"

#include <algorithm>
#include <span>
#include <vector>

namespace sorvane::win32 {

namespace {

// RGNDATA is a header followed by the rectangles; keep both in one aligned buffer.
std::vector<RECT> RegionDataBuffer(size_t bytes) {
  return std::vector<RECT>((bytes + sizeof(RECT) - 1) / sizeof(RECT));
}

// Wine's ExtCreateRegion adds one rectangle after another to the region it builds, so its
// time grows with the square of the count: 1,000 rectangles took 1.4 ms, 64,000 took 50 s.
// Small pieces united in pairs, then pairs of pairs, take 0.16 ms and 20 ms.
constexpr std::size_t kRectsPerPiece = 64;

RegionHandle Piece(std::span<const Rect> rects) {
  const size_t bytes = sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT);
  std::vector<RECT> buffer = RegionDataBuffer(bytes);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  RECT bound{rects[0].left, rects[0].top, rects[0].right, rects[0].bottom};
  auto* out = reinterpret_cast<RECT*>(data->Buffer);
  for (size_t i = 0; i < rects.size(); ++i) {
    const Rect& r = rects[i];
    out[i] = RECT{r.left, r.top, r.right, r.bottom};
    bound = RECT{std::min<LONG>(bound.left, r.left), std::min<LONG>(bound.top, r.top),
                 std::max<LONG>(bound.right, r.right), std::max<LONG>(bound.bottom, r.bottom)};
  }
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(rects.size());
  data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  data->rdh.rcBound = bound;
  return RegionHandle(ExtCreateRegion(nullptr, static_cast<DWORD>(bytes), data));
}

// Holds nothing when GDI refuses any piece or union.
RegionHandle JoinedRegion(std::span<const Rect> rects) {
  if (rects.size() <= kRectsPerPiece) return Piece(rects);
  const std::size_t half = rects.size() / 2;
  RegionHandle first = JoinedRegion(rects.first(half));
  RegionHandle second = JoinedRegion(rects.subspan(half));
  if (!first || !second) return RegionHandle();
  if (CombineRgn(first.get(), first.get(), second.get(), RGN_OR) == ERROR) return RegionHandle();
  return first;
}

}  // namespace

RegionHandle ToGdiRegion(const Region& region) {
  const std::vector<Rect> rects = region.Rects();
  if (rects.empty()) return RegionHandle(CreateRectRgn(0, 0, 0, 0));
  return JoinedRegion(rects);
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

#include "region/window_fit.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace sorvane {

namespace {

// Past this size a cell holds the whole coordinate range of a region: at most four cells.
constexpr int64_t kLargestCell = int64_t{1} << 30;

int32_t ToInt32(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// The grid line at or before v, and the one at or after it (cells start at 0, so negative
// coordinates round towards minus infinity too).
int32_t GridDown(int32_t v, int64_t cell) {
  const int64_t q = v / cell - (v % cell < 0 ? 1 : 0);
  return ToInt32(q * cell);
}
int32_t GridUp(int32_t v, int64_t cell) {
  const int64_t q = v / cell + (v % cell > 0 ? 1 : 0);
  return ToInt32(q * cell);
}

// Every rectangle of `region` grown to the cells it touches, united.
Region Coarsened(const Region& region, int64_t cell) {
  std::vector<Rect> cells;
  cells.reserve(region.SpanCount());
  for (const Rect& r : region.Rects()) {
    cells.push_back({GridDown(r.left, cell), GridDown(r.top, cell), GridUp(r.right, cell),
                     GridUp(r.bottom, cell)});
  }
  return Region::FromRects(cells);
}

}  // namespace

Region ClipToWindow(const Region& region, int32_t width, int32_t height) {
  return Region::Combine(region, Region::FromRect({0, 0, width, height}), CombineMode::And);
}

Rect ClipRect(const Rect& rect, const Rect& bounds) {
  const int32_t left = std::max(rect.left, bounds.left);
  const int32_t top = std::max(rect.top, bounds.top);
  return {left, top, std::max(left, std::min(rect.right, bounds.right)),
          std::max(top, std::min(rect.bottom, bounds.bottom))};
}

Region CoarsenToFit(const Region& region, std::size_t most_rects) {
  Region coarse = region;
  // Cells of twice the size nest in the last ones, so each round may start from the last
  // result, which is already smaller.
  for (int64_t cell = 2; coarse.SpanCount() > most_rects && cell <= kLargestCell; cell *= 2) {
    coarse = Coarsened(coarse, cell);
  }
  return coarse;
}

Region RegionForWindow(const Region& outline, int32_t width, int32_t height) {
  Region shown = ClipToWindow(outline, width, height);
  if (shown.SpanCount() <= kMostRectsInOneRequest) return shown;
  // Cells at the right and bottom edges may reach past the window.
  return ClipToWindow(CoarsenToFit(shown, kMostRectsInOneRequest), width, height);
}

}  // namespace sorvane

// The union of a list of rectangles: one sweep down the distinct top and bottom edges; in each
// row band the rectangles covering it are ordered by left edge and joined.
#include <algorithm>
#include <vector>

#include "region/coords.h"
#include "region/region.h"
#include "region/region_builder.h"

namespace sorvane {

Region Region::FromRects(std::span<const Rect> rects) {
  std::vector<Rect> live;
  live.reserve(rects.size());
  for (const Rect& r : rects) {
    const Rect c{coords::Clamp(r.left), coords::Clamp(r.top), coords::Clamp(r.right),
                 coords::Clamp(r.bottom)};
    if (c.left < c.right && c.top < c.bottom) live.push_back(c);
  }
  if (live.empty()) return {};
  if (live.size() == 1) return FromRect(live.front());

  std::vector<int32_t> ys;
  ys.reserve(live.size() * 2);
  for (const Rect& r : live) ys.push_back(r.top), ys.push_back(r.bottom);
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  std::sort(live.begin(), live.end(), [](const Rect& p, const Rect& q) { return p.top < q.top; });

  RegionBuilder out(ys.size(), live.size());
  std::vector<Rect> active;  // rectangles whose rows reach the current band, by left edge
  std::size_t next = 0;
  for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
    const int32_t y0 = ys[i], y1 = ys[i + 1];
    std::erase_if(active, [y0](const Rect& r) { return r.bottom <= y0; });
    bool added = false;
    for (; next < live.size() && live[next].top == y0; ++next, added = true) {
      active.push_back(live[next]);
    }
    if (added) {
      std::sort(active.begin(), active.end(),
                [](const Rect& p, const Rect& q) { return p.left < q.left; });
    }
    for (const Rect& r : active) out.AddSpan(r.left, r.right);
    out.EndBand(y0, y1);
  }
  return out.Finish();
}

}  // namespace sorvane

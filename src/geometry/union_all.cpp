#include "geometry/union_all.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "region/region_builder.h"

namespace sorvane {
namespace {

// Where one part stands in the sweep: its next band not yet passed.
struct Cursor {
  const Region* region;
  std::size_t band = 0;
  const Region::Band& current() const { return region->bands()[band]; }
  bool done() const { return band >= region->bands().size(); }
};

}  // namespace

Region UnionAll(const std::vector<Region>& parts) {
  std::vector<Cursor> cursors;
  int32_t y = std::numeric_limits<int32_t>::max();
  int64_t bottom = std::numeric_limits<int32_t>::min();
  std::size_t largest = 0, total_bands = 0, total_spans = 0;
  for (const Region& r : parts) {
    if (r.IsEmpty()) continue;
    cursors.push_back({&r});
    y = std::min(y, r.bands().front().y0);
    bottom = std::max<int64_t>(bottom, r.bands().back().y1);
    std::size_t spans = 0;
    for (const Region::Band& b : r.bands()) spans += b.span_count;
    largest = std::max(largest, spans);
    total_bands += r.bands().size();
    total_spans += spans;
  }
  if (cursors.empty()) return Region();
  if (cursors.size() == 1) return *cursors.front().region;

  // Room for one band per row and a few spans each: enough for a clock face without asking
  // for the sum of all parts, most of which overlap; never more than that sum.
  const std::size_t rows = std::min(static_cast<std::size_t>(bottom - y), total_bands);
  RegionBuilder out(rows, std::min(std::max(largest, rows) * 2, total_spans));
  // Parts join the sweep when it reaches their first row, so each step looks only at the
  // few parts present around the current rows, not at every mark of the clock.
  std::sort(cursors.begin(), cursors.end(), [](const Cursor& a, const Cursor& b) {
    return a.current().y0 < b.current().y0;
  });
  std::size_t waiting = 0;
  std::vector<Cursor> active;
  std::vector<Region::Span> row;
  while (waiting < cursors.size() || !active.empty()) {
    for (; waiting < cursors.size() && cursors[waiting].current().y0 <= y; ++waiting) {
      active.push_back(cursors[waiting]);
    }
    // The rows from y down to the next place where any part starts or ends a band.
    int32_t y_end = waiting < cursors.size() ? cursors[waiting].current().y0
                                             : std::numeric_limits<int32_t>::max();
    row.clear();
    for (const Cursor& c : active) {
      const Region::Band& b = c.current();
      if (b.y0 <= y) {
        const auto spans = c.region->spans_of(b);
        row.insert(row.end(), spans.begin(), spans.end());
        y_end = std::min(y_end, b.y1);
      } else {
        y_end = std::min(y_end, b.y0);
      }
    }
    if (!row.empty()) {
      std::sort(row.begin(), row.end(),
                [](const Region::Span& a, const Region::Span& b) { return a.x0 < b.x0; });
      for (const Region::Span& s : row) out.AddSpan(s.x0, s.x1);
      out.EndBand(y, y_end);
    }
    y = y_end;
    for (Cursor& c : active) {
      if (c.current().y1 == y) ++c.band;
    }
    std::erase_if(active, [](const Cursor& c) { return c.done(); });
  }
  return out.Finish();
}

}  // namespace sorvane

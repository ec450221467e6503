// The union of many regions in one sweep down all of them together: each row band takes the
// spans of every part present there, in x order, joined. Every part is walked once and the
// result is built once, where uniting one part after another would walk the growing result
// again for each small piece.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "region/region.h"
#include "region/region_builder.h"
#include "region/workspace_storage.h"

namespace sorvane {
namespace {

using Cursor = detail::SweepCursor;

// Adds the spans of every active part to the rows from y down, and returns where those rows
// end: the next place where an active part starts or ends a band, or `limit`.
int32_t GatherRow(const std::vector<Cursor>& active, int32_t y, int32_t limit,
                  std::vector<Region::Span>& row) {
  row.clear();
  for (const Cursor& c : active) {
    const Region::Band& b = c.current();
    if (b.y0 <= y) {
      const auto spans = c.region->spans_of(b);
      row.insert(row.end(), spans.begin(), spans.end());
      limit = std::min(limit, b.y1);
    } else {
      limit = std::min(limit, b.y0);
    }
  }
  return limit;
}

// Unites the parts waiting in the scratch lists.
Region UniteWaiting(detail::ScratchForCall& call) {
  detail::Scratch& s = call.get();
  s.active_parts.clear();
  if (s.waiting.empty()) return Region();
  if (s.waiting.size() == 1) return *s.waiting.front().region;

  // Parts join the sweep when it reaches their first row, so each step looks only at the
  // few parts present around the current rows, not at every piece.
  std::sort(s.waiting.begin(), s.waiting.end(),
            [](const Cursor& a, const Cursor& b) { return a.current().y0 < b.current().y0; });
  // Room for the largest result at once: growing a small spare step by step costs a
  // reallocation and a copy each time, and the clock's outline is tens of kilobytes.
  std::size_t bands = 0, spans = 0;
  for (const Cursor& c : s.waiting) {
    bands += 2 * c.region->bands().size();  // each band boundary of a part can cut a band
    spans += c.region->SpanCount();
  }
  RegionBuilder out(call.storage());
  out.Reserve(bands, spans);
  int32_t y = s.waiting.front().current().y0;
  std::size_t next = 0;
  while (next < s.waiting.size() || !s.active_parts.empty()) {
    for (; next < s.waiting.size() && s.waiting[next].current().y0 <= y; ++next) {
      s.active_parts.push_back(s.waiting[next]);
    }
    const int32_t limit = next < s.waiting.size() ? s.waiting[next].current().y0
                                                  : std::numeric_limits<int32_t>::max();
    const int32_t y_end = GatherRow(s.active_parts, y, limit, s.row);
    if (!s.row.empty()) {
      std::sort(s.row.begin(), s.row.end(),
                [](const Region::Span& a, const Region::Span& b) { return a.x0 < b.x0; });
      for (const Region::Span& span : s.row) out.AddSpan(span.x0, span.x1);
      out.EndBand(y, y_end);
    }
    y = y_end;
    for (Cursor& c : s.active_parts) {
      if (c.current().y1 == y) ++c.band;
    }
    std::erase_if(s.active_parts, [](const Cursor& c) { return c.done(); });
  }
  return out.FinishCompact();
}

}  // namespace

Region Region::UnionOf(std::span<const Region> parts) {
  return UnionOf(Region(), parts);
}

Region Region::UnionOf(std::initializer_list<const Region*> parts) {
  detail::ScratchForCall call;
  detail::Scratch& s = call.get();
  s.waiting.clear();
  for (const Region* r : parts) {
    if (r != nullptr && !r->IsEmpty()) s.waiting.push_back({r});
  }
  return UniteWaiting(call);
}

Region Region::UnionOf(const Region& first, std::span<const Region> rest) {
  detail::ScratchForCall call;
  detail::Scratch& s = call.get();
  s.waiting.clear();
  if (!first.IsEmpty()) s.waiting.push_back({&first});
  for (const Region& r : rest) {
    if (!r.IsEmpty()) s.waiting.push_back({&r});
  }
  return UniteWaiting(call);
}

}  // namespace sorvane

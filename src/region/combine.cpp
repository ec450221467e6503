// Boolean operations: one sweep down the bands of both regions and, inside each row band, one
// sweep along the spans of both, deciding from a four-entry table whether a point that is in
// A or not, in B or not, belongs to the result.
#include <algorithm>
#include <array>
#include <limits>
#include <vector>

#include "region/region.h"
#include "region/region_builder.h"

namespace sorvane {
namespace {

// Indexed by (in A) + 2 * (in B).
using InsideTable = std::array<bool, 4>;

InsideTable TableFor(CombineMode mode) {
  switch (mode) {
    case CombineMode::And:
      return {false, false, false, true};
    case CombineMode::Or:
      return {false, true, true, true};
    case CombineMode::Xor:
      return {false, true, true, false};
    case CombineMode::Diff:
      return {false, true, false, false};
  }
  return {false, false, false, false};
}

// Walks the span edges of both rows in x order; the edges of each list alternate enter, leave.
void CombineRow(std::span<const Region::Span> a, std::span<const Region::Span> b,
                const InsideTable& inside, RegionBuilder& out) {
  constexpr int64_t kEnd = std::numeric_limits<int64_t>::max();
  const std::size_t a_edges = a.size() * 2, b_edges = b.size() * 2;
  auto edge = [](std::span<const Region::Span> s, std::size_t i) -> int64_t {
    return (i & 1) ? s[i / 2].x1 : s[i / 2].x0;
  };
  std::size_t ia = 0, ib = 0;
  bool was_in = false;
  int32_t start = 0;
  while (ia < a_edges || ib < b_edges) {
    const int64_t xa = ia < a_edges ? edge(a, ia) : kEnd;
    const int64_t xb = ib < b_edges ? edge(b, ib) : kEnd;
    const int64_t x = std::min(xa, xb);
    if (xa == x) ++ia;
    if (xb == x) ++ib;
    const bool now_in = inside[(ia & 1) + 2 * (ib & 1)];
    if (now_in == was_in) continue;
    if (now_in) {
      start = static_cast<int32_t>(x);
    } else {
      out.AddSpan(start, static_cast<int32_t>(x));
    }
    was_in = now_in;
  }
}

bool BoundsOverlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool IsSingleRect(const Region& r) {
  return r.bands().size() == 1 && r.bands().front().span_count == 1;
}

bool RowsOverlap(const Region& a, const Region& b) {
  return a.bands().front().y0 < b.bands().back().y1 && b.bands().front().y0 < a.bands().back().y1;
}

// Answers that need no sweep: an empty operand, disjoint bounds, two rectangles meeting.
bool TryFastPath(const Region& a, const Region& b, CombineMode mode, Region& result) {
  if (a.IsEmpty() || b.IsEmpty()) {
    const bool keep_a = mode != CombineMode::And && !a.IsEmpty();
    const bool keep_b = (mode == CombineMode::Or || mode == CombineMode::Xor) && !b.IsEmpty();
    result = keep_a ? a : (keep_b ? b : Region{});
    return true;
  }
  // Union and exclusive or of disjoint regions still need the sweep to interleave bands.
  if (mode == CombineMode::Or || mode == CombineMode::Xor) return false;
  const bool disjoint = !RowsOverlap(a, b) || !BoundsOverlap(a.Bounds(), b.Bounds());
  if (disjoint) {
    result = mode == CombineMode::And ? Region{} : a;
    return true;
  }
  if (mode == CombineMode::And && IsSingleRect(a) && IsSingleRect(b)) {
    const Rect ba = a.Bounds(), bb = b.Bounds();
    result = Region::FromRect({std::max(ba.left, bb.left), std::max(ba.top, bb.top),
                               std::min(ba.right, bb.right), std::min(ba.bottom, bb.bottom)});
    return true;
  }
  return false;
}

// Where only one operand has rows, the result there is either that operand's rows unchanged
// or nothing.
bool KeepsAlone(CombineMode mode, bool is_a) {
  return mode == CombineMode::Or || mode == CombineMode::Xor || (mode == CombineMode::Diff && is_a);
}

// The index of the first band at or after `from` that reaches below row y (or the end).
std::size_t FirstBandEndingAfter(const std::vector<Region::Band>& bands, std::size_t from,
                                 int64_t y) {
  while (from < bands.size() && bands[from].y1 <= y) ++from;
  return from;
}

}  // namespace

Region Region::Combine(const Region& a, const Region& b, CombineMode mode) {
  Region fast;
  if (TryFastPath(a, b, mode, fast)) return fast;

  const InsideTable inside = TableFor(mode);
  const auto& abands = a.bands();
  const auto& bbands = b.bands();
  RegionBuilder out(abands.size() + bbands.size(), a.spans_.size() + b.spans_.size());
  constexpr int64_t kEnd = std::numeric_limits<int64_t>::max();
  std::size_t ia = 0, ib = 0;
  int64_t y = std::min(abands.front().y0, bbands.front().y0);
  while (ia < abands.size() || ib < bbands.size()) {
    const bool in_a = ia < abands.size() && abands[ia].y0 <= y;
    const bool in_b = ib < bbands.size() && bbands[ib].y0 <= y;
    // The rows from y down to the next place where either region changes.
    const int64_t a_next = ia >= abands.size() ? kEnd : (in_a ? abands[ia].y1 : abands[ia].y0);
    const int64_t b_next = ib >= bbands.size() ? kEnd : (in_b ? bbands[ib].y1 : bbands[ib].y0);
    if (in_a != in_b) {
      // One region alone until the other starts: its bands go over whole, or not at all.
      const auto& bands = in_a ? abands : bbands;
      std::size_t& i = in_a ? ia : ib;
      const int64_t other_start = in_a ? b_next : a_next;
      const std::size_t stop = FirstBandEndingAfter(bands, i, other_start);
      if (KeepsAlone(mode, in_a)) {
        out.CopyBands(in_a ? a : b, i, stop, static_cast<int32_t>(y));
        if (stop < bands.size() && bands[stop].y0 < other_start) {
          // The band the other region starts inside: its rows above that start.
          out.AddBand(std::max<int32_t>(bands[stop].y0, static_cast<int32_t>(y)),
                      static_cast<int32_t>(other_start), (in_a ? a : b).spans_of(bands[stop]));
        }
      }
      i = stop;
      y = other_start;
      continue;
    }
    const int64_t y_end = std::min(a_next, b_next);
    if (in_a) {
      CombineRow(a.spans_of(abands[ia]), b.spans_of(bbands[ib]), inside, out);
      out.EndBand(static_cast<int32_t>(y), static_cast<int32_t>(y_end));
    }
    y = y_end;
    if (in_a && abands[ia].y1 == y) ++ia;
    if (in_b && bbands[ib].y1 == y) ++ib;
  }
  return out.Finish();
}

Region Region::UnionOf(std::span<const Region> parts) {
  if (parts.empty()) return {};
  std::vector<Region> level(parts.begin(), parts.end());
  while (level.size() > 1) {
    std::vector<Region> next;
    next.reserve((level.size() + 1) / 2);
    for (std::size_t i = 0; i + 1 < level.size(); i += 2) {
      next.push_back(Combine(level[i], level[i + 1], CombineMode::Or));
    }
    if (level.size() % 2 == 1) next.push_back(std::move(level.back()));
    level.swap(next);
  }
  return std::move(level.front());
}

}  // namespace sorvane

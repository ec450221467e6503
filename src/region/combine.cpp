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

constexpr int64_t kNoRow = std::numeric_limits<int64_t>::max();

// One operand's progress down its bands during the sweep.
struct Cursor {
  const Region& region;
  std::size_t band = 0;

  bool done() const { return band >= region.bands().size(); }
  const Region::Band& current() const { return region.bands()[band]; }
  bool covers(int64_t y) const { return !done() && current().y0 <= y; }
  // The next row at which this operand changes, seen from row y.
  int64_t next_change(int64_t y) const {
    return done() ? kNoRow : (covers(y) ? current().y1 : current().y0);
  }
};

// Rows [y, until) where `alone` has bands and the other operand none: copy them whole, or skip.
void SweepAlone(Cursor& alone, int64_t y, int64_t until, bool keep, RegionBuilder& out) {
  const auto& bands = alone.region.bands();
  const std::size_t stop = FirstBandEndingAfter(bands, alone.band, until);
  if (keep) {
    out.CopyBands(alone.region, alone.band, stop, static_cast<int32_t>(y));
    if (stop < bands.size() && bands[stop].y0 < until) {
      // The band the other operand starts inside: its rows above that start.
      out.AddBand(std::max<int32_t>(bands[stop].y0, static_cast<int32_t>(y)),
                  static_cast<int32_t>(until), alone.region.spans_of(bands[stop]));
    }
  }
  alone.band = stop;
}

}  // namespace

Region Region::Combine(const Region& a, const Region& b, CombineMode mode) {
  Region fast;
  if (TryFastPath(a, b, mode, fast)) return fast;

  const InsideTable inside = TableFor(mode);
  RegionBuilder out(a.bands_.size() + b.bands_.size(), a.spans_.size() + b.spans_.size());
  Cursor ca{a}, cb{b};
  int64_t y = std::min(a.bands_.front().y0, b.bands_.front().y0);
  while (!ca.done() || !cb.done()) {
    const bool in_a = ca.covers(y), in_b = cb.covers(y);
    const int64_t a_next = ca.next_change(y), b_next = cb.next_change(y);
    if (in_a != in_b) {
      const int64_t other_start = in_a ? b_next : a_next;
      SweepAlone(in_a ? ca : cb, y, other_start, KeepsAlone(mode, in_a), out);
      y = other_start;
      continue;
    }
    // Both operands have rows here (or neither): down to where either changes.
    const int64_t y_end = std::min(a_next, b_next);
    if (in_a) {
      CombineRow(a.spans_of(ca.current()), b.spans_of(cb.current()), inside, out);
      out.EndBand(static_cast<int32_t>(y), static_cast<int32_t>(y_end));
      if (ca.current().y1 == y_end) ++ca.band;
      if (cb.current().y1 == y_end) ++cb.band;
    }
    y = y_end;
  }
  return out.Finish();
}

}  // namespace sorvane

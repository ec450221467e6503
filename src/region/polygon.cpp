// Polygon scan conversion with GDI's pixel rule: a pixel (x, y) is inside when its top-left
// corner, the point (x, y), is inside the outline, counting a point on a left edge or on a top
// edge as inside and one on a right or bottom edge as outside. Row y meets every edge whose
// upper end is at or above y and whose lower end is below y; horizontal edges meet no row.
// Where an edge crosses row y at the exact position e, the pixels from ceil(e) onwards lie to
// its right. A pixel belongs to the region when the edges left of it (crossings at or before
// x) have an odd count (alternate fill) or a non-zero sum of directions (winding fill).
#include <algorithm>
#include <utility>
#include <vector>

#include "region/coords.h"
#include "region/region.h"
#include "region/region_builder.h"
#include "region/workspace_storage.h"

namespace sorvane {
namespace {

// Vertices beyond this are pulled in, which keeps every product below 2^63.
constexpr int64_t kVertexLimit = int64_t{1} << 30;

using detail::ScanCrossing;
using detail::ScanEdge;

int64_t FloorDiv(int64_t a, int64_t b) {  // b > 0
  const int64_t q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

void MakeEdges(std::span<const Point> vertices, std::vector<ScanEdge>& edges) {
  edges.clear();
  edges.reserve(vertices.size());
  auto clamped = [](const Point& p) {
    return std::pair<int64_t, int64_t>{std::clamp<int64_t>(p.x, -kVertexLimit, kVertexLimit),
                                       std::clamp<int64_t>(p.y, -kVertexLimit, kVertexLimit)};
  };
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    const auto [x0, y0] = clamped(vertices[i == 0 ? vertices.size() - 1 : i - 1]);
    const auto [x1, y1] = clamped(vertices[i]);
    if (y0 == y1) continue;
    // Filled in where it stays: a copy made on the stack first cost a third of the scan.
    ScanEdge& e = edges.emplace_back();
    const bool down = y0 < y1;
    e.direction = down ? 1 : -1;
    e.top = down ? y0 : y1;
    e.bottom = down ? y1 : y0;
    e.x_top = down ? x0 : x1;
    e.dx = (down ? x1 : x0) - e.x_top;
    e.dy = e.bottom - e.top;
  }
}

bool Inside(int count, FillMode mode) {
  return mode == FillMode::Winding ? count != 0 : (count & 1) != 0;
}

// Emits the spans of one row from its crossings, sorted by x.
void EmitRow(const std::vector<ScanCrossing>& crossings, FillMode mode, RegionBuilder& out) {
  int count = 0;
  int32_t start = 0;
  for (const ScanCrossing& c : crossings) {
    const bool was_in = Inside(count, mode);
    count += mode == FillMode::Winding ? c.direction : 1;
    const bool now_in = Inside(count, mode);
    if (now_in && !was_in) start = c.x;
    if (was_in && !now_in) out.AddSpan(start, c.x);
  }
}

}  // namespace

void detail::ScanEdge::StartAt(int64_t row) {
  const int64_t num = (row - top) * dx;  // |row - top|, |dx| <= 2^31
  const int64_t q = -FloorDiv(-num, dy);
  x = x_top + q;
  rem = q * dy - num;
  step = FloorDiv(dx, dy);
  step_rem = dx - step * dy;  // 0 <= step_rem < dy
}

Region Region::Polygon(std::span<const Point> vertices, FillMode mode) {
  if (vertices.size() < 3) return {};
  detail::ScratchForCall call;
  detail::Scratch& scratch = call.get();
  std::vector<ScanEdge>& edges = scratch.edges;
  MakeEdges(vertices, edges);
  if (edges.empty()) return {};
  std::sort(edges.begin(), edges.end(),
            [](const ScanEdge& a, const ScanEdge& b) { return a.top < b.top; });

  int64_t last_row = edges.front().bottom;
  for (const ScanEdge& e : edges) last_row = std::max(last_row, e.bottom);
  const int64_t first = std::max<int64_t>(edges.front().top, -kCoordLimit);
  const int64_t end = std::min<int64_t>(last_row, kCoordLimit);

  RegionBuilder out(call.storage());
  std::vector<ScanEdge>& active = scratch.active_edges;
  std::vector<ScanCrossing>& crossings = scratch.crossings;
  active.clear();
  std::size_t next = 0;
  for (int64_t y = first; y < end;) {
    for (; next < edges.size() && edges[next].top <= y; ++next) {
      if (edges[next].bottom <= y) continue;  // lies wholly above the coordinate range
      edges[next].StartAt(y);
      active.push_back(edges[next]);
    }
    if (active.empty()) {
      if (next == edges.size()) break;
      y = edges[next].top;
      continue;
    }
    // Nearly sorted from the previous row: insertion sort is the cheap choice.
    for (std::size_t i = 1; i < active.size(); ++i) {
      for (std::size_t j = i; j > 0 && active[j - 1].x > active[j].x; --j) {
        std::swap(active[j - 1], active[j]);
      }
    }
    if (active.size() == 2) {
      // A closed outline crosses a row as often downwards as upwards, so two crossings are
      // one of each and the row is inside between them under either fill: most rows of a
      // clock's marks and hands.
      out.AddSpan(coords::Clamp(active[0].x), coords::Clamp(active[1].x));
    } else {
      crossings.clear();
      for (const ScanEdge& e : active) crossings.push_back({coords::Clamp(e.x), e.direction});
      EmitRow(crossings, mode, out);
    }
    out.EndBand(static_cast<int32_t>(y), static_cast<int32_t>(y + 1));
    ++y;
    std::erase_if(active, [y](const ScanEdge& e) { return e.bottom <= y; });
    for (ScanEdge& e : active) e.Advance();
  }
  return out.Finish();
}

}  // namespace sorvane

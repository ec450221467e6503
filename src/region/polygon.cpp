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

namespace sorvane {
namespace {

// Vertices beyond this are pulled in, which keeps every product below 2^63.
constexpr int64_t kVertexLimit = int64_t{1} << 30;

int64_t FloorDiv(int64_t a, int64_t b) {  // b > 0
  const int64_t q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

// One non-horizontal edge, stepped a row at a time without division. At row top + k its
// crossing is x_top + k * dx / dy exactly; x holds the ceiling of that and rem how far the
// ceiling lies right of the exact value, in units of 1 / dy.
struct Edge {
  int64_t top = 0;     // first row it meets
  int64_t bottom = 0;  // first row it no longer meets
  int64_t x_top = 0, dx = 0, dy = 0;
  int direction = 0;  // +1 downwards, -1 upwards
  int64_t x = 0, rem = 0, step = 0, step_rem = 0;

  void StartAt(int64_t row) {
    const int64_t num = (row - top) * dx;  // |row - top|, |dx| <= 2^31
    const int64_t q = -FloorDiv(-num, dy);
    x = x_top + q;
    rem = q * dy - num;
    step = FloorDiv(dx, dy);
    step_rem = dx - step * dy;  // 0 <= step_rem < dy
  }
  void Advance() {
    // ceil((num + dx) / dy) from ceil(num / dy): add the whole part, then the fraction.
    x += step;
    if (step_rem > rem) {
      x += 1;
      rem += dy - step_rem;
    } else {
      rem -= step_rem;
    }
  }
};

struct Crossing {
  int32_t x;
  int direction;
};

// Working lists kept from one polygon to the next on this thread: the clock's marks and
// hands are scan-converted again every second.
struct ScanScratch {
  std::vector<Edge> edges;
  std::vector<Edge> active;
  std::vector<Crossing> crossings;
};

ScanScratch& ThreadScratch() {
  thread_local ScanScratch scratch;
  return scratch;
}

void MakeEdges(std::span<const Point> vertices, std::vector<Edge>& edges) {
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
    Edge e;
    const bool down = y0 < y1;
    e.direction = down ? 1 : -1;
    e.top = down ? y0 : y1;
    e.bottom = down ? y1 : y0;
    e.x_top = down ? x0 : x1;
    e.dx = (down ? x1 : x0) - e.x_top;
    e.dy = e.bottom - e.top;
    edges.push_back(e);
  }
}

bool Inside(int count, FillMode mode) {
  return mode == FillMode::Winding ? count != 0 : (count & 1) != 0;
}

// Emits the spans of one row from its crossings, sorted by x.
void EmitRow(const std::vector<Crossing>& crossings, FillMode mode, RegionBuilder& out) {
  int count = 0;
  int32_t start = 0;
  for (const Crossing& c : crossings) {
    const bool was_in = Inside(count, mode);
    count += mode == FillMode::Winding ? c.direction : 1;
    const bool now_in = Inside(count, mode);
    if (now_in && !was_in) start = c.x;
    if (was_in && !now_in) out.AddSpan(start, c.x);
  }
}

}  // namespace

Region Region::Polygon(std::span<const Point> vertices, FillMode mode) {
  if (vertices.size() < 3) return {};
  ScanScratch& scratch = ThreadScratch();
  std::vector<Edge>& edges = scratch.edges;
  MakeEdges(vertices, edges);
  if (edges.empty()) return {};
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.top < b.top; });

  int64_t last_row = edges.front().bottom;
  for (const Edge& e : edges) last_row = std::max(last_row, e.bottom);
  const int64_t first = std::max<int64_t>(edges.front().top, -kCoordLimit);
  const int64_t end = std::min<int64_t>(last_row, kCoordLimit);

  RegionBuilder out;
  std::vector<Edge>& active = scratch.active;
  std::vector<Crossing>& crossings = scratch.crossings;
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
    crossings.clear();
    for (const Edge& e : active) crossings.push_back({coords::Clamp(e.x), e.direction});
    EmitRow(crossings, mode, out);
    out.EndBand(static_cast<int32_t>(y), static_cast<int32_t>(y + 1));
    ++y;
    std::erase_if(active, [y](const Edge& e) { return e.bottom <= y; });
    for (Edge& e : active) e.Advance();
  }
  return out.Finish();
}

}  // namespace sorvane

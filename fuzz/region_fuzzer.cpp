// The region engine driven by random sequences of operations on four region slots. Beside
// each slot runs a plain per-pixel bitmap of a 64 x 64 window; after every operation the
// slot must pass the engine's own invariant check, list rectangles in GDI's order, agree
// with its bounding box and point test, and cover exactly the bitmap's pixels.
//
// Rectangles and combinations have an exact bitmap answer. Polygons are checked against the
// pixel rule written out directly (top-left corner of the pixel inside the outline, left and
// top edges inclusive), evaluated with exact integer arithmetic per pixel. Ellipses have no
// closed-form answer here; they are checked for what every inscribed ellipse satisfies:
// inside their box, one span per row, symmetric left to right and top to bottom, widest in
// the middle. Some coordinates are extreme (near the int32 limits) to exercise clipping.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "fuzz_check.h"
#include "region/region.h"

namespace {

using namespace sorvane;

constexpr int32_t kLow = -32;   // the bitmap window covers kLow <= x, y < kLow + 64
constexpr int32_t kSize = 64;
constexpr int kSlots = 4;
constexpr int64_t kVertexLimit = int64_t{1} << 30;  // the engine pulls polygon vertices in to this

struct Bitmap {
  std::array<uint64_t, kSize> rows{};

  static bool InWindow(int64_t x, int64_t y) {
    return x >= kLow && x < kLow + kSize && y >= kLow && y < kLow + kSize;
  }
  bool Get(int32_t x, int32_t y) const { return (rows[y - kLow] >> (x - kLow)) & 1u; }
  void Set(int32_t x, int32_t y) { rows[y - kLow] |= uint64_t{1} << (x - kLow); }
  friend bool operator==(const Bitmap&, const Bitmap&) = default;
};

Bitmap Combined(const Bitmap& a, const Bitmap& b, CombineMode mode) {
  Bitmap out;
  for (int i = 0; i < kSize; ++i) {
    switch (mode) {
      case CombineMode::And: out.rows[i] = a.rows[i] & b.rows[i]; break;
      case CombineMode::Or: out.rows[i] = a.rows[i] | b.rows[i]; break;
      case CombineMode::Xor: out.rows[i] = a.rows[i] ^ b.rows[i]; break;
      case CombineMode::Diff: out.rows[i] = a.rows[i] & ~b.rows[i]; break;
    }
  }
  return out;
}

void Fill(Bitmap& bits, const Rect& r) {
  for (int64_t y = std::max<int64_t>(r.top, kLow); y < std::min<int64_t>(r.bottom, kLow + kSize); ++y)
    for (int64_t x = std::max<int64_t>(r.left, kLow); x < std::min<int64_t>(r.right, kLow + kSize); ++x)
      bits.Set(static_cast<int32_t>(x), static_cast<int32_t>(y));
}

// The part of a region inside the window, from its rectangle list.
Bitmap Raster(const std::vector<Rect>& rects) {
  Bitmap bits;
  for (const Rect& r : rects) Fill(bits, r);
  return bits;
}

// Small coordinates around the window, or, in an operation marked wild, now and then one
// near or beyond the limits. Wild shapes can span the whole coordinate range and are slow
// to build, so only one input in eight has wild operations, a quarter of its operations.
int32_t ConsumeCoord(FuzzedDataProvider& in, bool wild) {
  const uint8_t pick = in.ConsumeIntegral<uint8_t>();
  if (!wild || pick < 128) return static_cast<int32_t>(pick % 49) - 24;
  static constexpr std::array<int32_t, 8> kExtremes{
      std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(),
      kCoordLimit,                 -kCoordLimit - 1,
      (1 << 30) + 7,                       -(1 << 30) - 3,
      kCoordLimit - 1,             -kCoordLimit};
  if (pick < 224) return kExtremes[pick % kExtremes.size()];
  return in.ConsumeIntegral<int32_t>();
}

Rect ConsumeRect(FuzzedDataProvider& in, bool wild) {
  Rect r;
  r.left = ConsumeCoord(in, wild);
  r.top = ConsumeCoord(in, wild);
  r.right = ConsumeCoord(in, wild);
  r.bottom = ConsumeCoord(in, wild);
  return r;
}

// The polygon pixel rule on its own: pixel (x, y) is inside when its top-left corner is.
// Row y meets the edges whose upper end is at or above it and whose lower end is below it;
// an edge crossing at exact position e counts as left of x when e <= x.
bool PolygonCovers(const std::vector<Point>& v, FillMode mode, int64_t x, int64_t y) {
  auto c = [](int32_t value) { return std::clamp<int64_t>(value, -kVertexLimit, kVertexLimit); };
  int crossings = 0, winding = 0;
  for (size_t i = 0; i < v.size(); ++i) {
    const Point& p = v[i == 0 ? v.size() - 1 : i - 1];
    const Point& q = v[i];
    int64_t x0 = c(p.x), y0 = c(p.y), x1 = c(q.x), y1 = c(q.y);
    if (y0 == y1) continue;
    const int direction = y0 < y1 ? 1 : -1;
    if (y0 > y1) std::swap(x0, x1), std::swap(y0, y1);
    if (y < y0 || y >= y1) continue;
    // e = x0 + (y - y0) * (x1 - x0) / (y1 - y0) <= x, multiplied out by y1 - y0 > 0.
    if (x0 * (y1 - y0) + (y - y0) * (x1 - x0) <= x * (y1 - y0)) {
      ++crossings;
      winding += direction;
    }
  }
  return mode == FillMode::Alternate ? crossings % 2 == 1 : winding != 0;
}

Bitmap PolygonBitmap(const std::vector<Point>& v, FillMode mode) {
  Bitmap bits;
  for (int32_t y = kLow; y < kLow + kSize; ++y)
    for (int32_t x = kLow; x < kLow + kSize; ++x)
      if (PolygonCovers(v, mode, x, y)) bits.Set(x, y);
  return bits;
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
         inner.bottom <= outer.bottom;
}

// What the engine promises about any region, and that it covers exactly `expected` inside
// the window. The point test is tried at the corners of the rectangles and, with `sweep`,
// at every pixel of the window (costly, so only for the final regions).
void Verify(const Region& region, const Bitmap& expected, bool sweep) {
  FUZZ_CHECK(region.IsValid());
  const std::vector<Rect> rects = region.Rects();
  FUZZ_CHECK(region.IsEmpty() == rects.empty());
  Rect box{};
  for (size_t i = 0; i < rects.size(); ++i) {
    const Rect& r = rects[i];
    FUZZ_CHECK(r.left < r.right && r.top < r.bottom);
    FUZZ_CHECK(Inside(r, {-kCoordLimit, -kCoordLimit, kCoordLimit,
                          kCoordLimit}));
    if (i > 0) {
      const Rect& p = rects[i - 1];
      const bool same_band = r.top == p.top && r.bottom == p.bottom && r.left > p.right;
      FUZZ_CHECK(same_band || r.top >= p.bottom);
    }
    box = i == 0 ? r
                 : Rect{std::min(box.left, r.left), std::min(box.top, r.top),
                        std::max(box.right, r.right), std::max(box.bottom, r.bottom)};
  }
  FUZZ_CHECK(region.Bounds() == box);
  FUZZ_CHECK(Raster(rects) == expected);
  if (sweep) {
    for (int32_t y = kLow; y < kLow + kSize; ++y)
      for (int32_t x = kLow; x < kLow + kSize; ++x)
        FUZZ_CHECK(region.Contains(x, y) == expected.Get(x, y));
  }
  for (size_t i = 0; i < rects.size() && i < 16; ++i) {
    const Rect& r = rects[i];
    FUZZ_CHECK(region.Contains(r.left, r.top) && region.Contains(r.right - 1, r.bottom - 1));
    FUZZ_CHECK(!region.Contains(r.right, r.top) && !region.Contains(r.left - 1, r.bottom - 1));
  }
}

// An inscribed ellipse: inside the normalised box without its right column and bottom row,
// one span per row, each span centred in the box, rows mirrored about the middle, and no
// row wider than one nearer the middle.
void VerifyEllipse(const Region& e, const Rect& box) {
  auto clamp = [](int32_t v) {
    return std::clamp<int32_t>(v, -kCoordLimit, kCoordLimit);
  };
  const int64_t left = std::min(clamp(box.left), clamp(box.right));
  const int64_t right = std::max(clamp(box.left), clamp(box.right)) - 1;
  const int64_t top = std::min(clamp(box.top), clamp(box.bottom));
  const int64_t bottom = std::max(clamp(box.top), clamp(box.bottom)) - 1;
  if (e.IsEmpty()) return;
  const Rect b = e.Bounds();
  FUZZ_CHECK(b.left >= left && b.right <= right && b.top >= top && b.bottom <= bottom);
  std::vector<std::pair<int64_t, int64_t>> rows;  // span of each row, top to bottom
  for (const Region::Band& band : e.bands()) {
    const auto spans = e.spans_of(band);
    FUZZ_CHECK(spans.size() == 1);
    FUZZ_CHECK(spans[0].x0 - left == right - spans[0].x1);
    for (int64_t y = band.y0; y < band.y1; ++y) rows.emplace_back(spans[0].x0, spans[0].x1);
  }
  FUZZ_CHECK(static_cast<int64_t>(rows.size()) == b.bottom - b.top);
  for (size_t i = 0; i < rows.size(); ++i) {
    FUZZ_CHECK(rows[i] == rows[rows.size() - 1 - i]);
    if (i > 0 && 2 * i <= rows.size()) FUZZ_CHECK(rows[i].first <= rows[i - 1].first);
  }
}

struct Slot {
  Region region;
  Bitmap bits;
};

CombineMode ConsumeMode(FuzzedDataProvider& in) {
  return static_cast<CombineMode>(in.ConsumeIntegralInRange(1, 4));
}

void MakePolygon(FuzzedDataProvider& in, Slot& slot, bool wild) {
  std::vector<Point> v(in.ConsumeIntegralInRange<size_t>(0, 8));
  for (Point& p : v) p = {ConsumeCoord(in, wild), ConsumeCoord(in, wild)};
  const FillMode mode = in.ConsumeBool() ? FillMode::Alternate : FillMode::Winding;
  slot.region = Region::Polygon(v, mode);
  slot.bits = PolygonBitmap(v, mode);
  // An alternate fill never covers a pixel the winding fill leaves out.
  const Region other = Region::Polygon(v, mode == FillMode::Alternate ? FillMode::Winding
                                                                      : FillMode::Alternate);
  const Region& alternate = mode == FillMode::Alternate ? slot.region : other;
  const Region& winding = mode == FillMode::Alternate ? other : slot.region;
  FUZZ_CHECK(Region::Combine(alternate, winding, CombineMode::Diff).IsEmpty());
}

void Step(FuzzedDataProvider& in, std::array<Slot, kSlots>& slots, bool wild_input) {
  const int op = in.ConsumeIntegralInRange(0, 9);
  Slot& target = slots[in.ConsumeIntegralInRange(0, kSlots - 1)];
  Slot& other = slots[in.ConsumeIntegralInRange(0, kSlots - 1)];
  const bool wild = wild_input && in.ConsumeIntegralInRange(0, 3) == 0;
  switch (op) {
    case 0: {
      const Rect r = ConsumeRect(in, wild);
      target.region = Region::FromRect(r);
      target.bits = {};
      Fill(target.bits, r);
      break;
    }
    case 1: {
      std::vector<Rect> rects(in.ConsumeIntegralInRange<size_t>(0, 6));
      target.bits = {};
      for (Rect& r : rects) Fill(target.bits, r = ConsumeRect(in, wild));
      target.region = Region::FromRects(rects);
      break;
    }
    case 2: MakePolygon(in, target, wild); break;
    case 3: {
      const Rect box = ConsumeRect(in, wild);
      target.region = Region::Ellipse(box);
      VerifyEllipse(target.region, box);
      target.bits = Raster(target.region.Rects());
      break;
    }
    case 4: {
      const Slot& a = slots[in.ConsumeIntegralInRange(0, kSlots - 1)];
      const CombineMode mode = ConsumeMode(in);
      Slot result{Region::Combine(a.region, other.region, mode), Combined(a.bits, other.bits, mode)};
      target = std::move(result);
      break;
    }
    case 5: {  // in place, the other slot possibly the target itself
      const CombineMode mode = ConsumeMode(in);
      target.bits = Combined(target.bits, other.bits, mode);
      target.region.CombineWith(other.region, mode);
      break;
    }
    case 6: {  // a small move, only while everything stays inside the window
      const int32_t dx = in.ConsumeIntegralInRange(-6, 6), dy = in.ConsumeIntegralInRange(-6, 6);
      const Rect b = target.region.Bounds();
      const Rect window{kLow, kLow, kLow + kSize, kLow + kSize};
      if (target.region.IsEmpty() || !Inside(b, window) ||
          !Inside({b.left + dx, b.top + dy, b.right + dx, b.bottom + dy}, window))
        return;
      Bitmap moved;
      for (int32_t y = kLow; y < kLow + kSize; ++y)
        for (int32_t x = kLow; x < kLow + kSize; ++x)
          if (target.bits.Get(x, y)) moved.Set(x + dx, y + dy);
      target.bits = moved;
      target.region.Translate(dx, dy);
      break;
    }
    case 7: {
      std::vector<Region> parts;
      Bitmap all;
      for (const Slot& s : slots) {
        parts.push_back(s.region);
        all = Combined(all, s.bits, CombineMode::Or);
      }
      target = {Region::UnionOf(parts), all};
      break;
    }
    case 8: {  // a move so far that nothing can come back into the window
      static constexpr std::array<int32_t, 4> kFar{std::numeric_limits<int32_t>::min(),
                                                   std::numeric_limits<int32_t>::max(),
                                                   2 * kCoordLimit + kSize,
                                                   -2 * kCoordLimit - kSize};
      const int32_t far = kFar[in.ConsumeIntegralInRange<size_t>(0, kFar.size() - 1)];
      const int32_t near = in.ConsumeIntegralInRange(-6, 6);
      if (in.ConsumeBool()) {
        target.region.Translate(far, near);
      } else {
        target.region.Translate(near, far);
      }
      target.bits = {};
      break;
    }
    default: target = other; break;
  }
  Verify(target.region, target.bits, false);
}

bool InsideWindow(const Region& r) {
  return r.IsEmpty() || Inside(r.Bounds(), {kLow, kLow, kLow + kSize, kLow + kSize});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  std::array<Slot, kSlots> slots;
  const bool wild_input = in.ConsumeIntegralInRange(0, 7) == 0;
  for (int steps = 0; steps < 64 && in.remaining_bytes() > 0; ++steps) Step(in, slots, wild_input);
  for (const Slot& s : slots) Verify(s.region, s.bits, true);
  // Equal regions are equal sets; inside the window equal sets are equal regions.
  for (const Slot& a : slots) {
    for (const Slot& b : slots) {
      if (a.region == b.region) FUZZ_CHECK(a.bits == b.bits);
      if (InsideWindow(a.region) && InsideWindow(b.region))
        FUZZ_CHECK((a.region == b.region) == (a.bits == b.bits));
    }
  }
  return 0;
}

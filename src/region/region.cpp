// The plain operations on a region: rectangles, queries, translation and the self-check.
#include "region/region.h"

#include <algorithm>

#include "region/coords.h"
#include "region/region_builder.h"
#include "region/workspace_storage.h"

namespace sorvane {

Region Region::FromRect(const Rect& r) {
  const Rect c{coords::Clamp(r.left), coords::Clamp(r.top), coords::Clamp(r.right),
               coords::Clamp(r.bottom)};
  Region out;
  if (c.left >= c.right || c.top >= c.bottom) return out;
  if (detail::WorkspaceStorage* storage = detail::StorageInUse()) {
    storage->TakeSpare(out.bands_, out.spans_);
  }
  out.spans_.push_back({c.left, c.right});
  out.bands_.push_back({c.top, c.bottom, 0, 1});
  return out;
}

Rect Region::Bounds() const {
  if (bands_.empty()) return {};
  int32_t left = spans_[bands_.front().first_span].x0;
  int32_t right = spans_[bands_.front().first_span].x1;
  for (const Band& b : bands_) {
    left = std::min(left, spans_[b.first_span].x0);
    right = std::max(right, spans_[b.first_span + b.span_count - 1].x1);
  }
  return {left, bands_.front().y0, right, bands_.back().y1};
}

bool Region::Contains(int32_t x, int32_t y) const {
  auto band = std::upper_bound(bands_.begin(), bands_.end(), y,
                               [](int32_t v, const Band& b) { return v < b.y1; });
  if (band == bands_.end() || y < band->y0) return false;
  const auto spans = spans_of(*band);
  auto span = std::upper_bound(spans.begin(), spans.end(), x,
                               [](int32_t v, const Span& s) { return v < s.x1; });
  return span != spans.end() && x >= span->x0;
}

std::vector<Rect> Region::Rects() const {
  std::vector<Rect> out;
  out.reserve(spans_.size());
  for (const Band& b : bands_) {
    for (const Span& s : spans_of(b)) out.push_back({s.x0, b.y0, s.x1, b.y1});
  }
  return out;
}

void Region::Translate(int32_t dx, int32_t dy) {
  if (bands_.empty() || (dx == 0 && dy == 0)) return;
  const Rect b = Bounds();
  const bool stays_inside =
      int64_t{b.left} + dx >= -kCoordLimit && int64_t{b.right} + dx <= kCoordLimit &&
      int64_t{b.top} + dy >= -kCoordLimit && int64_t{b.bottom} + dy <= kCoordLimit;
  if (stays_inside) {
    for (Band& band : bands_) band.y0 += dy, band.y1 += dy;
    for (Span& s : spans_) s.x0 += dx, s.x1 += dx;
    return;
  }
  // Whatever leaves the coordinate range is cut off; the builder drops what becomes empty and
  // joins bands that the cut made equal.
  RegionBuilder out;
  for (const Band& band : bands_) {
    for (const Span& s : spans_of(band)) {
      out.AddSpan(coords::Clamp(int64_t{s.x0} + dx), coords::Clamp(int64_t{s.x1} + dx));
    }
    out.EndBand(coords::Clamp(int64_t{band.y0} + dy), coords::Clamp(int64_t{band.y1} + dy));
  }
  *this = out.Finish();
}

bool Region::IsValid() const {
  uint32_t next_span = 0;
  const Band* prev = nullptr;
  for (const Band& b : bands_) {
    if (b.y0 >= b.y1 || b.span_count == 0 || b.first_span != next_span) return false;
    if (b.y0 < -kCoordLimit || b.y1 > kCoordLimit) return false;
    if (uint64_t{b.first_span} + b.span_count > spans_.size()) return false;
    const auto spans = spans_of(b);
    for (std::size_t i = 0; i < spans.size(); ++i) {
      if (spans[i].x0 >= spans[i].x1) return false;
      if (spans[i].x0 < -kCoordLimit || spans[i].x1 > kCoordLimit) return false;
      if (i > 0 && spans[i - 1].x1 >= spans[i].x0) return false;  // overlapping or touching
    }
    if (prev != nullptr) {
      if (prev->y1 > b.y0) return false;
      const auto prev_spans = spans_of(*prev);
      if (prev->y1 == b.y0 &&
          std::equal(prev_spans.begin(), prev_spans.end(), spans.begin(), spans.end())) {
        return false;  // should have been one band
      }
    }
    next_span += b.span_count;
    prev = &b;
  }
  return next_span == spans_.size();
}

bool operator==(const Region& a, const Region& b) {
  // Canonical form makes equal pixel sets equal representations.
  return a.bands_ == b.bands_ && a.spans_ == b.spans_;
}

}  // namespace sorvane

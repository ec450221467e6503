#include "region/region_builder.h"

#include <algorithm>
#include <utility>

namespace sorvane {

RegionBuilder::RegionBuilder(std::size_t expected_bands, std::size_t expected_spans) {
  region_.bands_.reserve(expected_bands);
  region_.spans_.reserve(expected_spans);
}

void RegionBuilder::AddSpan(int32_t x0, int32_t x1) {
  if (x0 >= x1) return;
  auto& spans = region_.spans_;
  if (spans.size() > pending_start_ && x0 <= spans.back().x1) {
    spans.back().x1 = std::max(spans.back().x1, x1);
    return;
  }
  spans.push_back({x0, x1});
}

void RegionBuilder::EndBand(int32_t y0, int32_t y1) {
  auto& spans = region_.spans_;
  auto& bands = region_.bands_;
  const std::size_t count = spans.size() - pending_start_;
  if (count == 0 || y0 >= y1) {
    spans.resize(pending_start_);
    return;
  }
  if (!bands.empty()) {
    Region::Band& last = bands.back();
    const bool same_spans =
        last.y1 == y0 && last.span_count == count &&
        std::equal(spans.begin() + last.first_span, spans.begin() + pending_start_,
                   spans.begin() + pending_start_);
    if (same_spans) {
      last.y1 = y1;
      spans.resize(pending_start_);
      return;
    }
  }
  bands.push_back({y0, y1, static_cast<uint32_t>(pending_start_), static_cast<uint32_t>(count)});
  pending_start_ = spans.size();
}

void RegionBuilder::AddBand(int32_t y0, int32_t y1, std::span<const Region::Span> spans) {
  region_.spans_.insert(region_.spans_.end(), spans.begin(), spans.end());
  EndBand(y0, y1);
}

Region RegionBuilder::Finish() {
  region_.spans_.resize(pending_start_);
  pending_start_ = 0;
  return std::exchange(region_, Region{});
}

}  // namespace sorvane

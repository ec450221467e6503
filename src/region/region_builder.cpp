#include "region/region_builder.h"

#include <algorithm>
#include <utility>

namespace sorvane {

RegionBuilder::RegionBuilder() : region_(Region::TakeSpare()) {}

RegionBuilder::RegionBuilder(detail::ThreadWorkspace& workspace)
    : region_(Region::TakeSpare(workspace)) {}

RegionBuilder::RegionBuilder(std::size_t expected_bands, std::size_t expected_spans)
    : RegionBuilder() {
  region_.bands_.reserve(expected_bands);
  region_.spans_.reserve(expected_spans);
}

RegionBuilder::~RegionBuilder() {
  Region::Recycle(std::move(region_));
}

void RegionBuilder::Reserve(std::size_t bands, std::size_t spans) {
  region_.bands_.reserve(bands);
  region_.spans_.reserve(spans);
}

void RegionBuilder::AddBand(int32_t y0, int32_t y1, std::span<const Region::Span> spans) {
  region_.spans_.insert(region_.spans_.end(), spans.begin(), spans.end());
  EndBand(y0, y1);
}

void RegionBuilder::CopyBands(const Region& from, std::size_t first, std::size_t last, int32_t y0) {
  if (first >= last) return;
  const Region::Band& head = from.bands_[first];
  AddBand(std::max(y0, head.y0), head.y1, from.spans_of(head));
  if (first + 1 == last) return;
  auto& bands = region_.bands_;
  auto& spans = region_.spans_;
  const uint32_t src_start = from.bands_[first + 1].first_span;
  const uint32_t src_end = from.bands_[last - 1].first_span + from.bands_[last - 1].span_count;
  const auto shift = static_cast<int64_t>(spans.size()) - src_start;
  spans.insert(spans.end(), from.spans_.begin() + src_start, from.spans_.begin() + src_end);
  for (std::size_t i = first + 1; i < last; ++i) {
    Region::Band b = from.bands_[i];
    b.first_span = static_cast<uint32_t>(b.first_span + shift);
    bands.push_back(b);
  }
  pending_start_ = spans.size();
}

Region RegionBuilder::Finish() {
  region_.spans_.resize(pending_start_);
  pending_start_ = 0;
  return std::exchange(region_, Region{});
}

Region RegionBuilder::FinishCompact() {
  region_.spans_.resize(pending_start_);
  pending_start_ = 0;
  Region out;
  out.bands_.assign(region_.bands_.begin(), region_.bands_.end());
  out.spans_.assign(region_.spans_.begin(), region_.spans_.end());
  Region::Recycle(std::exchange(region_, Region{}));
  return out;
}

}  // namespace sorvane

#include "region/region_builder.h"

#include <algorithm>
#include <utility>

namespace sorvane {

RegionBuilder::RegionBuilder() : region_(Region::TakeSpare()) {}

RegionBuilder::RegionBuilder(std::size_t expected_bands, std::size_t expected_spans)
    : RegionBuilder() {
  region_.bands_.reserve(expected_bands);
  region_.spans_.reserve(expected_spans);
}

RegionBuilder::~RegionBuilder() {
  Region::Recycle(std::move(region_));
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

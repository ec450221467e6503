#include "region/region_builder.h"

#include <algorithm>
#include <utility>

namespace sorvane {

RegionBuilder::RegionBuilder() : RegionBuilder(detail::StorageInUse()) {}

RegionBuilder::RegionBuilder(detail::WorkspaceStorage* storage) : storage_(storage) {
  if (storage_ != nullptr) storage_->TakeSpare(region_.bands_, region_.spans_);
}

RegionBuilder::RegionBuilder(std::size_t expected_bands, std::size_t expected_spans)
    : storage_(detail::StorageInUse()) {
  Reserve(expected_bands, expected_spans);
}

void RegionBuilder::Reserve(std::size_t bands, std::size_t spans) {
  auto& own_bands = region_.bands_;
  auto& own_spans = region_.spans_;
  const bool fits = own_bands.capacity() >= bands && own_spans.capacity() >= spans;
  if (!fits && storage_ != nullptr && own_bands.empty() && own_spans.empty()) {
    // A spare of the workspace chosen for this size takes the place of the storage in hand.
    std::vector<Region::Band> chosen_bands;
    std::vector<Region::Span> chosen_spans;
    if (storage_->TakeSpareFor(bands, spans, chosen_bands, chosen_spans)) {
      storage_->KeepSpare(own_bands, own_spans);
      own_bands = std::move(chosen_bands);
      own_spans = std::move(chosen_spans);
    }
  }
  own_bands.reserve(bands);
  own_spans.reserve(spans);
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
  if (storage_ != nullptr) return Finish();
  region_.spans_.resize(pending_start_);
  pending_start_ = 0;
  Region out;
  out.bands_.assign(region_.bands_.begin(), region_.bands_.end());
  out.spans_.assign(region_.spans_.begin(), region_.spans_.end());
  return out;
}

}  // namespace sorvane

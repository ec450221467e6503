#include "region/region_union.h"

#include <utility>

namespace sorvane {

void RegionUnion::Add(Region&& part) {
  if (part.IsEmpty()) return;
  if (kept_ == nullptr && united_.IsEmpty() && parts_.empty()) {
    united_ = std::move(part);  // a first part is its own union: nothing to collect yet
    return;
  }
  part_bands_ += part.bands().size();
  // Room for a clock face's worth of parts at once, rather than growing a step at a time.
  if (parts_.capacity() == 0) parts_.reserve(kFirstCapacity);
  parts_.push_back(std::move(part));
  if (parts_.size() >= kMaxParts || part_bands_ >= kMaxBands) UniteCollected();
}

void RegionUnion::UniteCollected() {
  if (parts_.empty()) return;
  if (!united_.IsEmpty()) parts_.push_back(std::move(united_));
  if (kept_ != nullptr) {
    united_ = Region::UnionOf(*kept_, parts_);
  } else {
    united_ = Region::UnionOf(parts_);
  }
  kept_ = nullptr;  // it is in united_ now
  parts_.clear();   // inside a workspace, their storage goes back to it
  part_bands_ = 0;
}

Region RegionUnion::Take() {
  UniteCollected();
  if (kept_ != nullptr) return *std::exchange(kept_, nullptr);  // nothing was added
  return std::exchange(united_, Region());
}

}  // namespace sorvane

#pragma once
// Builds a Region row band by row band, top to bottom. Spans of the band being built arrive
// left to right; overlapping or touching spans are joined, empty ones dropped. A finished band
// that continues the previous one with the same spans extends it instead of starting a new one,
// so whatever the producer feeds in, the result is already in canonical form.
#include <cstddef>
#include <cstdint>

#include "region/region.h"

namespace sorvane {

class RegionBuilder {
 public:
  // Builds in the storage of a recycled region when one is spare (see Region::Recycle).
  RegionBuilder();
  explicit RegionBuilder(std::size_t expected_bands, std::size_t expected_spans);
  ~RegionBuilder();
  RegionBuilder(const RegionBuilder&) = delete;
  RegionBuilder& operator=(const RegionBuilder&) = delete;

  // Adds [x0, x1) to the pending band. x0 must not be left of the previous span's x0.
  void AddSpan(int32_t x0, int32_t x1);
  // Closes the pending band as rows [y0, y1). y0 must not be above the previous band's y1.
  void EndBand(int32_t y0, int32_t y1);
  // Appends the spans of a finished band unchanged and closes it as rows [y0, y1).
  void AddBand(int32_t y0, int32_t y1, std::span<const Region::Span> spans);

  // Appends bands [first, last) of `from` whole, as far as rows go (an earlier cut may start
  // the first one lower, at y0). Only the first can merge with what is already built; the
  // rest are canonical among themselves and are copied in bulk.
  void CopyBands(const Region& from, std::size_t first, std::size_t last, int32_t y0);

  Region Finish();
  // The result in storage of exactly its size, for a region that is kept (the clock's
  // outline lives until the next rebuild); the working storage is recycled.
  Region FinishCompact();

 private:
  Region region_;
  std::size_t pending_start_ = 0;  // index in region_.spans_ of the pending band's first span
};

}  // namespace sorvane

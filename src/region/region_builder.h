#pragma once
// Builds a Region row band by row band, top to bottom. Spans of the band being built arrive
// left to right; overlapping or touching spans are joined, empty ones dropped. A finished band
// that continues the previous one with the same spans extends it instead of starting a new one,
// so whatever the producer feeds in, the result is already in canonical form.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "region/region.h"
#include "region/workspace_storage.h"

namespace sorvane {

class RegionBuilder {
 public:
  // Builds in spare storage of the RegionWorkspace in use, when it has some.
  RegionBuilder();
  explicit RegionBuilder(std::size_t expected_bands, std::size_t expected_spans);
  // The same with the workspace's storage already at hand (one lookup less per region);
  // nullptr when no workspace is in use.
  explicit RegionBuilder(detail::WorkspaceStorage* storage);
  RegionBuilder(const RegionBuilder&) = delete;
  RegionBuilder& operator=(const RegionBuilder&) = delete;

  // Makes room for this many bands and spans in all, so the build grows its storage once:
  // in spare storage of the workspace that is large enough, when there is some.
  void Reserve(std::size_t bands, std::size_t spans);

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
  // The result in storage of exactly its size, for a region that is kept; while a workspace
  // is in use, in the working storage itself, which goes back to the workspace with the
  // region, so the next rebuild finds storage of the right size there.
  Region FinishCompact();

 private:
  detail::WorkspaceStorage* storage_;  // of the workspace in use, or nullptr
  Region region_;
  std::size_t pending_start_ = 0;  // index in region_.spans_ of the pending band's first span
};

// Called for every span and every row of every piece, so defined here where the scan and
// the sweeps can have them inline.
inline void RegionBuilder::AddSpan(int32_t x0, int32_t x1) {
  if (x0 >= x1) return;
  auto& spans = region_.spans_;
  if (spans.size() > pending_start_ && x0 <= spans.back().x1) {
    spans.back().x1 = std::max(spans.back().x1, x1);
    return;
  }
  spans.push_back({x0, x1});
}

inline void RegionBuilder::EndBand(int32_t y0, int32_t y1) {
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

}  // namespace sorvane

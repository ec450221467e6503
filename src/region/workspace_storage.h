#pragma once
// Inside the region module: what a RegionWorkspace holds, and how an operation reaches the
// workspace in use. One object reached through one thread-local pointer, read once per
// operation, because on Windows every thread-local access is a library call.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "region/region.h"

namespace sorvane::detail {

// One non-horizontal polygon edge, stepped a row at a time without division. At row top + k
// its crossing is x_top + k * dx / dy exactly; x holds the ceiling of that and rem how far
// the ceiling lies right of the exact value, in units of 1 / dy.
struct ScanEdge {
  int64_t top = 0;     // first row it meets
  int64_t bottom = 0;  // first row it no longer meets
  int64_t x_top = 0, dx = 0, dy = 0;
  int direction = 0;  // +1 downwards, -1 upwards
  int64_t x = 0, rem = 0, step = 0, step_rem = 0;

  void StartAt(int64_t row);
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

struct ScanCrossing {
  int32_t x;
  int direction;
};

// Where one part stands in a union sweep: its next band not yet passed.
struct SweepCursor {
  const Region* region;
  std::size_t band = 0;
  const Region::Band& current() const { return region->bands()[band]; }
  bool done() const { return band >= region->bands().size(); }
};

// The working lists of the operations; they hold nothing between calls but their capacity.
struct Scratch {
  // Polygon scan conversion.
  std::vector<ScanEdge> edges, active_edges;
  std::vector<ScanCrossing> crossings;
  // The n-way union sweep.
  std::vector<SweepCursor> waiting, active_parts;
  std::vector<Region::Span> row;
  // Ellipse rows.
  std::vector<int64_t> inset;
};

// The storage of a region no longer needed, emptied, for the next region built.
struct SpareStorage {
  std::vector<Region::Band> bands;
  std::vector<Region::Span> spans;
};

struct WorkspaceStorage {
  WorkspaceStorage();

  // Keeps the storage of `bands` and `spans` (emptied) for a later region, while the bounds
  // allow; takes nothing otherwise. Never allocates, so a region's destructor may call it.
  void KeepSpare(std::vector<Region::Band>& bands, std::vector<Region::Span>& spans) noexcept;
  // Moves the storage of the spare kept last into `bands` and `spans` (both empty); false
  // when there is none.
  bool TakeSpare(std::vector<Region::Band>& bands, std::vector<Region::Span>& spans) noexcept;
  // The same with a recent spare chosen for `band_count` bands and `span_count` spans: one
  // that holds them without being much larger, else one too small for them (the caller grows
  // it), else the smallest larger one; false when there are no spares.
  bool TakeSpareFor(std::size_t band_count, std::size_t span_count,
                    std::vector<Region::Band>& bands, std::vector<Region::Span>& spans) noexcept;

  Scratch scratch;
  std::vector<SpareStorage> spares;  // capacity reserved up front; in no particular order
  std::size_t spare_bytes = 0;

 private:
  void TakeAt(std::size_t index, std::vector<Region::Band>& bands,
              std::vector<Region::Span>& spans) noexcept;
};

// The storage of the workspace in use on this thread; nullptr when none is.
WorkspaceStorage* StorageInUse();
void SetStorageInUse(WorkspaceStorage* storage);

// The scratch lists of one operation: the workspace's when one is in use, else its own.
class ScratchForCall {
 public:
  ScratchForCall() : storage_(StorageInUse()) {}
  WorkspaceStorage* storage() const { return storage_; }
  Scratch& get() { return storage_ != nullptr ? storage_->scratch : own_; }

 private:
  WorkspaceStorage* storage_;
  Scratch own_;
};

}  // namespace sorvane::detail

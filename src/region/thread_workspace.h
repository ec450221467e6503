#pragma once
// Working storage the region operations keep on each thread from one call to the next: the
// clock builds the same seventy-odd regions every second, and reusing their lists saves the
// heap work. It is one object reached through one thread-local pointer, because on Windows
// every thread-local access is a library call, and the clock's pieces made several each.
#include <cstddef>
#include <cstdint>
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

struct ThreadWorkspace {
  // Regions no longer needed, whose storage the next regions built take over.
  std::vector<Region> spares;
  std::size_t spare_bytes = 0;
  // Polygon scan conversion.
  std::vector<ScanEdge> edges, active_edges;
  std::vector<ScanCrossing> crossings;
  // The n-way union sweep.
  std::vector<SweepCursor> waiting, active_parts;
  std::vector<Region::Span> row;
  // Ellipse rows.
  std::vector<int64_t> inset;
};

// This thread's workspace, made at first use; nothing once the thread has begun to end and
// the workspace is gone (a region freed by another thread-local's destructor).
ThreadWorkspace* ThisThreadWorkspace();

// The thread's workspace for one operation, or a fresh one of its own while the thread ends.
class WorkspaceForCall {
 public:
  WorkspaceForCall() : shared_(ThisThreadWorkspace()) {}
  ThreadWorkspace& get() { return shared_ != nullptr ? *shared_ : ending_; }

 private:
  ThreadWorkspace* shared_;
  ThreadWorkspace ending_;
};

}  // namespace sorvane::detail

// Storage of regions no longer needed, kept per thread for the next ones built there. The
// clock's outline is rebuilt every second from some seventy regions of the same sizes as the
// time before; handing their vectors on saves the heap giving memory back to the system and
// taking it again (page faults included) on every rebuild.
#include <cstddef>
#include <utility>
#include <vector>

#include "region/region.h"

namespace sorvane {
namespace {

// Enough for every piece of a clock rebuild; the byte bound keeps a hostile skin's huge
// shapes from being held on to after the rebuild that needed them.
constexpr std::size_t kMaxSpares = 128;
constexpr std::size_t kMaxSpareBytes = std::size_t{4} << 20;

// Set when the thread's shelf is gone (thread exit), so late regions are simply freed.
thread_local bool shelf_gone = false;

struct Shelf {
  std::vector<Region> spares;
  std::size_t bytes = 0;
  ~Shelf() { shelf_gone = true; }
};

Shelf& ThreadShelf() {
  thread_local Shelf shelf;
  return shelf;
}

}  // namespace

std::size_t Region::CapacityBytes() const {
  return bands_.capacity() * sizeof(Band) + spans_.capacity() * sizeof(Span);
}

void Region::Recycle(Region&& r) {
  const std::size_t size = r.CapacityBytes();
  if (size == 0 || shelf_gone) return;
  Shelf& shelf = ThreadShelf();
  if (shelf.spares.size() >= kMaxSpares || shelf.bytes + size > kMaxSpareBytes) return;
  r.bands_.clear();
  r.spans_.clear();
  shelf.bytes += size;
  shelf.spares.push_back(std::move(r));
}

Region Region::TakeSpare() {
  if (shelf_gone) return {};
  Shelf& shelf = ThreadShelf();
  if (shelf.spares.empty()) return {};
  Region r = std::move(shelf.spares.back());
  shelf.spares.pop_back();
  shelf.bytes -= r.CapacityBytes();
  return r;
}

}  // namespace sorvane

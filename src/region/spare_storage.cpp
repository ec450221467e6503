// Storage of regions no longer needed, kept per thread for the next ones built there. The
// clock's outline is rebuilt every second from some seventy regions of the same sizes as the
// time before; handing their vectors on saves the heap giving memory back to the system and
// taking it again (page faults included) on every rebuild.
#include <cstddef>
#include <utility>
#include <vector>

#include "region/region.h"
#include "region/thread_workspace.h"

namespace sorvane {
namespace detail {
namespace {

// One thread-local object of a plain type: reading it is a single lookup, with no guard and
// no destructor registration on the way.
struct WorkspaceState {
  ThreadWorkspace* workspace = nullptr;
  bool ended = false;
};
thread_local WorkspaceState state;

struct WorkspaceOwner {
  ThreadWorkspace workspace;
  ~WorkspaceOwner() {
    state.workspace = nullptr;
    state.ended = true;
  }
};

ThreadWorkspace* MakeWorkspace() {
  thread_local WorkspaceOwner owner;
  return &owner.workspace;
}

}  // namespace

ThreadWorkspace* ThisThreadWorkspace() {
  WorkspaceState& s = state;
  if (s.workspace == nullptr && !s.ended) s.workspace = MakeWorkspace();
  return s.workspace;
}

}  // namespace detail

namespace {

// Enough for every piece of a clock rebuild; the byte bound keeps a hostile skin's huge
// shapes from being held on to after the rebuild that needed them.
constexpr std::size_t kMaxSpares = 128;
constexpr std::size_t kMaxSpareBytes = std::size_t{4} << 20;

}  // namespace

std::size_t Region::CapacityBytes() const {
  return bands_.capacity() * sizeof(Band) + spans_.capacity() * sizeof(Span);
}

namespace {

void KeepSpare(detail::ThreadWorkspace& ws, Region&& r, std::size_t size) {
  if (ws.spares.size() >= kMaxSpares || ws.spare_bytes + size > kMaxSpareBytes) return;
  ws.spare_bytes += size;
  ws.spares.push_back(std::move(r));
}

}  // namespace

void Region::Recycle(Region&& r) {
  const std::size_t size = r.CapacityBytes();
  if (size == 0) return;
  detail::ThreadWorkspace* ws = detail::ThisThreadWorkspace();
  if (ws == nullptr) return;
  r.bands_.clear();
  r.spans_.clear();
  KeepSpare(*ws, std::move(r), size);
}

void Region::Recycle(std::span<Region> regions) {
  detail::ThreadWorkspace* ws = detail::ThisThreadWorkspace();
  if (ws == nullptr) return;
  for (Region& r : regions) {
    const std::size_t size = r.CapacityBytes();
    if (size == 0) continue;
    r.bands_.clear();
    r.spans_.clear();
    KeepSpare(*ws, std::move(r), size);
  }
}

Region Region::TakeSpare() {
  detail::ThreadWorkspace* ws = detail::ThisThreadWorkspace();
  return ws == nullptr ? Region() : TakeSpare(*ws);
}

Region Region::TakeSpare(detail::ThreadWorkspace& ws) {
  if (ws.spares.empty()) return {};
  Region r = std::move(ws.spares.back());
  ws.spares.pop_back();
  ws.spare_bytes -= r.CapacityBytes();
  return r;
}

}  // namespace sorvane

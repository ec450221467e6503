// The workspace and the storage it keeps. Regions hand their storage over when they are
// destroyed or overwritten while a workspace is in use; region builders take it back.
#include "region/region_workspace.h"

#include "region/workspace_storage.h"

namespace sorvane {
namespace detail {
namespace {

// Enough for every piece of a clock rebuild; the byte bound keeps a hostile skin's huge
// shapes from being held on to after the rebuild that needed them.
constexpr std::size_t kMaxSpares = 128;
constexpr std::size_t kMaxSpareBytes = std::size_t{4} << 20;
constexpr std::size_t kFitSearch = 16;

// A plain pointer: reading it is a single lookup, with no guard and no destructor to run
// when the thread ends.
thread_local WorkspaceStorage* storage_in_use = nullptr;

std::size_t BytesOf(const std::vector<Region::Band>& bands,
                    const std::vector<Region::Span>& spans) {
  return bands.capacity() * sizeof(Region::Band) + spans.capacity() * sizeof(Region::Span);
}

}  // namespace

WorkspaceStorage* StorageInUse() {
  return storage_in_use;
}

void SetStorageInUse(WorkspaceStorage* storage) {
  storage_in_use = storage;
}

WorkspaceStorage::WorkspaceStorage() {
  spares.reserve(kMaxSpares);
}

void WorkspaceStorage::KeepSpare(std::vector<Region::Band>& bands,
                                 std::vector<Region::Span>& spans) noexcept {
  const std::size_t size = BytesOf(bands, spans);
  if (size == 0 || spares.size() >= kMaxSpares || spare_bytes + size > kMaxSpareBytes) return;
  bands.clear();
  spans.clear();
  spares.push_back({std::move(bands), std::move(spans)});  // within the reserved capacity
  spare_bytes += size;
}

bool WorkspaceStorage::TakeSpare(std::vector<Region::Band>& bands,
                                 std::vector<Region::Span>& spans) noexcept {
  if (spares.empty()) return false;
  TakeAt(spares.size() - 1, bands, spans);
  return true;
}

bool WorkspaceStorage::TakeSpareFor(std::size_t band_count, std::size_t span_count,
                                    std::vector<Region::Band>& bands,
                                    std::vector<Region::Span>& spans) noexcept {
  // Only the spares kept last are looked at, newest first: a rebuild gives back what it took
  // in much the same order each time, so what fits is among them. The first that fits
  // without being much larger is taken; failing that, the first that is too small, which the
  // caller grows (its old block goes back to the heap), so that a spare much larger than the
  // need stays for a region that needs it; failing that, the smallest of the larger ones.
  // Every region made takes one spare for the one it will give back, so the workspace keeps
  // what a rebuild uses and does not pile up more.
  const std::size_t needed = band_count * sizeof(Region::Band) + span_count * sizeof(Region::Span);
  const std::size_t most = 2 * needed + 1024;
  const std::size_t stop = spares.size() > kFitSearch ? spares.size() - kFitSearch : 0;
  const std::size_t none = spares.size();
  std::size_t too_small = none, smallest_larger = none, smallest_bytes = 0;
  for (std::size_t i = spares.size(); i-- > stop;) {
    const SpareStorage& s = spares[i];
    const std::size_t bytes = BytesOf(s.bands, s.spans);
    const bool fits = s.bands.capacity() >= band_count && s.spans.capacity() >= span_count;
    if (fits && bytes <= most) {
      TakeAt(i, bands, spans);
      return true;
    }
    if (!fits && too_small == none) too_small = i;
    if (fits && (smallest_larger == none || bytes < smallest_bytes)) {
      smallest_larger = i;
      smallest_bytes = bytes;
    }
  }
  const std::size_t chosen = too_small != none ? too_small : smallest_larger;
  if (chosen == none) return false;
  TakeAt(chosen, bands, spans);
  return true;
}

void WorkspaceStorage::TakeAt(std::size_t index, std::vector<Region::Band>& bands,
                              std::vector<Region::Span>& spans) noexcept {
  SpareStorage& spare = spares[index];
  spare_bytes -= BytesOf(spare.bands, spare.spans);
  bands = std::move(spare.bands);
  spans = std::move(spare.spans);
  if (index + 1 != spares.size()) spare = std::move(spares.back());  // order does not matter
  spares.pop_back();
}

}  // namespace detail

RegionWorkspace::RegionWorkspace() : storage_(std::make_unique<detail::WorkspaceStorage>()) {}

RegionWorkspace::~RegionWorkspace() {
  // A scope should end first; should it not, no operation may reach the storage afterwards.
  if (detail::StorageInUse() == storage_.get()) detail::SetStorageInUse(nullptr);
}

std::size_t RegionWorkspace::SpareBytes() const {
  return storage_->spare_bytes;
}

RegionWorkspace::Scope::Scope(RegionWorkspace& workspace) : previous_(detail::StorageInUse()) {
  detail::SetStorageInUse(workspace.storage_.get());
}

RegionWorkspace::Scope::~Scope() {
  detail::SetStorageInUse(previous_);
}

void Region::TakeStorageFor(const Region& other) noexcept {
  if (detail::WorkspaceStorage* storage = detail::StorageInUse()) {
    storage->TakeSpareFor(other.bands_.size(), other.spans_.size(), bands_, spans_);
  }
}

void Region::GiveStorageAway() noexcept {
  if (detail::WorkspaceStorage* storage = detail::StorageInUse()) {
    storage->KeepSpare(bands_, spans_);
  }
}

}  // namespace sorvane

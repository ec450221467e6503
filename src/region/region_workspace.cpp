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
  // without being much larger is taken; else the smallest that fits.
  const std::size_t needed = band_count * sizeof(Region::Band) + span_count * sizeof(Region::Span);
  const std::size_t good_enough = 2 * needed + 1024;
  const std::size_t stop = spares.size() > kFitSearch ? spares.size() - kFitSearch : 0;
  std::size_t best = spares.size();
  std::size_t best_bytes = 0;
  for (std::size_t i = spares.size(); i-- > stop;) {
    const SpareStorage& s = spares[i];
    if (s.bands.capacity() < band_count || s.spans.capacity() < span_count) continue;
    const std::size_t bytes = BytesOf(s.bands, s.spans);
    if (bytes <= good_enough) {
      best = i;
      break;
    }
    if (best == spares.size() || bytes < best_bytes) best = i, best_bytes = bytes;
  }
  if (best == spares.size()) return false;
  TakeAt(best, bands, spans);
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

// Every allocation of this program passes through here. Each block carries its size in a
// header in front of it, so a delete without a size still knows how many bytes it returns.
#include "heap_counter.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace sorvane::hardening {
namespace {

std::atomic<int64_t> live_blocks{0};
std::atomic<int64_t> live_bytes{0};

// Keeps the user's block aligned as malloc's would be.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) noexcept {
  void* raw = std::malloc(size + kHeader);
  if (raw == nullptr) return nullptr;
  *static_cast<std::size_t*>(raw) = size;
  live_blocks.fetch_add(1, std::memory_order_relaxed);
  live_bytes.fetch_add(static_cast<int64_t>(size), std::memory_order_relaxed);
  return static_cast<char*>(raw) + kHeader;
}

void Release(void* block) noexcept {
  if (block == nullptr) return;
  void* raw = static_cast<char*>(block) - kHeader;
  live_blocks.fetch_sub(1, std::memory_order_relaxed);
  live_bytes.fetch_sub(static_cast<int64_t>(*static_cast<std::size_t*>(raw)),
                       std::memory_order_relaxed);
  std::free(raw);
}

void* AllocateOrThrow(std::size_t size) {
  void* block = Allocate(size);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

}  // namespace

HeapUse LiveHeap() {
  return {live_blocks.load(std::memory_order_relaxed), live_bytes.load(std::memory_order_relaxed)};
}

}  // namespace sorvane::hardening

using sorvane::hardening::Allocate;
using sorvane::hardening::AllocateOrThrow;
using sorvane::hardening::Release;

void* operator new(std::size_t size) {
  return AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
  return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void operator delete(void* block) noexcept {
  Release(block);
}
void operator delete[](void* block) noexcept {
  Release(block);
}
void operator delete(void* block, std::size_t) noexcept {
  Release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  Release(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
  Release(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
  Release(block);
}

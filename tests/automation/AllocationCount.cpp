#include "AllocationCount.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long long> live{0};

}  // namespace

// The array, sized and nothrow forms all end in these two.
void* operator new(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (!block) throw std::bad_alloc();
  live.fetch_add(1, std::memory_order_relaxed);
  return block;
}

void operator delete(void* block) noexcept {
  if (!block) return;
  live.fetch_sub(1, std::memory_order_relaxed);
  std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
  operator delete(block);
}

namespace trellis::test {

long long LiveAllocations() {
  return live.load(std::memory_order_relaxed);
}

}  // namespace trellis::test

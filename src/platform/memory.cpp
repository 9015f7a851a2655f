#include "platform/memory.h"

#include <cstdlib>
#include <iterator>

namespace {

std::size_t AllocationLimit = 0;

}  // namespace

// The block is allocated and at once given back, so the container's own
// allocation of the same size right after finds the room it left.
bool CanAllocate(std::size_t bytes) {
  if (AllocationLimit != 0 && bytes > AllocationLimit) return false;
  void* block = std::malloc(bytes);
  if (!block) return false;
  std::free(block);
  return true;
}

bool CanAllocateAll(std::initializer_list<std::size_t> blocks) {
  void* held[8] = {};
  std::size_t count = 0;
  bool all = blocks.size() <= std::size(held);
  for (std::size_t bytes : blocks) {
    if (!all || bytes == 0) continue;
    if (AllocationLimit != 0 && bytes > AllocationLimit) all = false;
    else if ((held[count] = std::malloc(bytes)) != nullptr) ++count;
    else all = false;
  }
  for (std::size_t i = 0; i < count; ++i) std::free(held[i]);
  return all;
}

void SetAllocationLimitForTests(std::size_t bytes) { AllocationLimit = bytes; }

#include "platform/memory.h"

#include <cstdlib>

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

void SetAllocationLimitForTests(std::size_t bytes) { AllocationLimit = bytes; }

// Buffers that grow with the document. The program runs without exceptions,
// so a container that cannot get its storage would end the process, and the
// user's unsaved text with it. Every buffer in proportion to the document is
// therefore sized once, through TryReserve or TryResize, before it is filled:
// they make sure the block can be had (an allocation that reports failure),
// then let the container take it; when it cannot be had they answer false
// and leave the container as it was. Whoever gets false gives up the whole
// command, with nothing changed, and the shell says there is not enough memory.
#pragma once

#include <cstddef>

// True when a block of that many bytes can be allocated now.
bool CanAllocate(std::size_t bytes);

// Tests: every CanAllocate above this many bytes fails (0: no limit).
void SetAllocationLimitForTests(std::size_t bytes);

// Room for count elements (a string's terminator included) in c's own storage.
template <typename TContainer>
bool TryReserve(TContainer& c, std::size_t count) {
  if (count <= c.capacity()) return true;
  if (count >= c.max_size() / 2) return false;
  if (!CanAllocate((count + 1) * sizeof(typename TContainer::value_type))) return false;
  c.reserve(count);
  return true;
}

template <typename TContainer>
bool TryResize(TContainer& c, std::size_t count) {
  if (!TryReserve(c, count)) return false;
  c.resize(count);
  return true;
}

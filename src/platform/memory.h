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
#include <initializer_list>
#include <iterator>

// True when a block of that many bytes can be allocated now.
bool CanAllocate(std::size_t bytes);
// True when blocks of all these sizes can be had at the same time (sizes of
// 0 ask for nothing).
bool CanAllocateAll(std::initializer_list<std::size_t> blocks);

// Tests: every CanAllocate above this many bytes fails (0: no limit).
void SetAllocationLimitForTests(std::size_t bytes);

// Room for count elements (a string's terminator included) in c's own storage.
// The block taken is the one that was checked: a string's reserve grows a
// non-empty string to at least twice its capacity, which could ask for more
// than CanAllocate was asked, so a non-empty container moves into a new one
// reserved from empty (which takes what is asked) and takes its place.
template <typename TContainer>
bool TryReserve(TContainer& c, std::size_t count) {
  if (count <= c.capacity()) return true;
  if (count >= c.max_size() / 2) return false;
  if (!CanAllocate((count + 1) * sizeof(typename TContainer::value_type))) return false;
  if (c.empty()) {
    c.reserve(count);
    return true;
  }
  TContainer grown;
  grown.reserve(count);
  grown.insert(grown.end(), std::make_move_iterator(c.begin()), std::make_move_iterator(c.end()));
  c.swap(grown);
  return true;
}

template <typename TContainer>
bool TryResize(TContainer& c, std::size_t count) {
  if (!TryReserve(c, count)) return false;
  c.resize(count);
  return true;
}

// The order the line sort's exchange procedure leaves, in O(n log n).
#include "commands/exchange_order.h"

#include <algorithm>

#include "platform/memory.h"

namespace {

// Counts over 0..size-1 with prefix sums and the search for the k-th set slot.
struct TFenwick {
  std::vector<std::size_t> Tree;  // 1-based
};

void FenwickInit(TFenwick& f, std::size_t size, bool allSet) {
  f.Tree.assign(size + 1, 0);
  if (!allSet) return;
  for (std::size_t i = 1; i <= size; ++i) {
    f.Tree[i] += 1;
    std::size_t parent = i + (i & (~i + 1));
    if (parent <= size) f.Tree[parent] += f.Tree[i];
  }
}

void FenwickAdd(TFenwick& f, std::size_t slot, std::ptrdiff_t delta) {
  for (std::size_t i = slot + 1; i < f.Tree.size(); i += i & (~i + 1)) {
    f.Tree[i] = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(f.Tree[i]) + delta);
  }
}

// Sum over slots 0..end-1.
std::size_t FenwickPrefix(const TFenwick& f, std::size_t end) {
  std::size_t sum = 0;
  for (std::size_t i = end; i > 0; i -= i & (~i + 1)) sum += f.Tree[i];
  return sum;
}

// The slot holding the k-th (0-based) count; the counts are 0 or 1.
std::size_t FenwickKth(const TFenwick& f, std::size_t k) {
  std::size_t size = f.Tree.size() - 1;
  std::size_t step = 1;
  while (step * 2 <= size) step *= 2;
  std::size_t pos = 0;
  for (; step > 0; step /= 2) {
    if (pos + step <= size && f.Tree[pos + step] <= k) {
      pos += step;
      k -= f.Tree[pos];
    }
  }
  return pos;  // slots before pos hold k counts fewer; pos itself is the one
}

struct TInsertion {
  std::size_t At;     // index in the class's list when it is inserted
  std::size_t First;  // first member of the block in the class's segment
  std::size_t Count;
};

// Orders one class of t equal entries. members: their positions in original
// order; smallerLeft: for each, the number of strictly smaller entries before
// it; smaller: the number of strictly smaller entries in all. The exchange
// sort leaves the class as X_smaller, where X_0 is the block of members with
// no smaller entry before them and X_k is X_(k-1) rotated by one (first
// member to the end) followed by the block with k smaller entries before them:
// each smaller entry the outer loop passes swaps the first remaining member
// of the class behind the others. The list is kept as a cycle with a cursor
// at its front, so rotations only move the cursor; the blocks are placed
// afterwards, last first, each into the free slots of its insertion index.
void OrderClass(std::size_t* members, std::size_t t, const std::vector<std::size_t>& smallerLeft,
                std::size_t smaller, std::size_t* out, std::vector<TInsertion>& inserts,
                std::vector<std::size_t>& placed, TFenwick& free) {
  std::stable_sort(members, members + t, [&](std::size_t a, std::size_t b) {
    return smallerLeft[a] < smallerLeft[b];
  });
  inserts.clear();
  std::size_t size = 0;
  std::size_t cursor = 0;
  std::size_t k = 0;  // rotations are counted up to here
  for (std::size_t first = 0; first < t;) {
    std::size_t d = smallerLeft[members[first]];
    std::size_t last = first;
    while (last < t && smallerLeft[members[last]] == d) ++last;
    if (size > 0) cursor = (cursor + (d - k)) % size;
    inserts.push_back({cursor, first, last - first});
    size += last - first;
    cursor = (cursor + (last - first)) % size;
    k = d;
    first = last;
  }
  cursor = (cursor + (smaller - k)) % size;

  placed.assign(t, 0);
  FenwickInit(free, t, true);
  for (std::size_t i = inserts.size(); i-- > 0;) {
    const TInsertion& ins = inserts[i];
    for (std::size_t j = 0; j < ins.Count; ++j) {
      std::size_t slot = FenwickKth(free, ins.At);
      FenwickAdd(free, slot, -1);
      placed[slot] = members[ins.First + j];
    }
  }
  for (std::size_t i = 0; i < t; ++i) out[i] = placed[(cursor + i) % t];
}

}  // namespace

bool ExchangeSortOrder(const std::vector<std::size_t>& ranks, std::vector<std::size_t>& result) {
  std::size_t n = ranks.size();
  result.clear();
  if (!TryResize(result, n)) return false;
  if (n == 0) return true;
  std::size_t classes = *std::max_element(ranks.begin(), ranks.end()) + 1;

  // Class c fills result[start[c] .. start[c+1]), start[c] being the number of
  // smaller entries; members are bucketed there in original order.
  std::vector<std::size_t> start;
  if (!TryResize(start, classes + 1)) return false;
  for (std::size_t r : ranks) ++start[r + 1];
  for (std::size_t c = 0; c < classes; ++c) start[c + 1] += start[c];
  std::size_t largest = 0;
  for (std::size_t c = 0; c < classes; ++c) largest = std::max(largest, start[c + 1] - start[c]);
  if (largest <= 1) {  // no equal entries: each one goes where its rank says
    for (std::size_t i = 0; i < n; ++i) result[start[ranks[i]]] = i;
    return true;
  }
  // Everything the classes need, at its largest, before any of it is used.
  std::vector<std::size_t> members, fill, smallerLeft, placed;
  std::vector<TInsertion> inserts;
  TFenwick seen, free;
  if (!TryResize(members, n) || !TryReserve(fill, classes) || !TryResize(smallerLeft, n) ||
      !TryReserve(seen.Tree, classes + 1) || !TryReserve(placed, largest) || !TryReserve(inserts, largest) ||
      !TryReserve(free.Tree, largest + 1))
    return false;
  fill.assign(start.begin(), start.end() - 1);
  for (std::size_t i = 0; i < n; ++i) members[fill[ranks[i]]++] = i;

  // Strictly smaller entries to the left of each position; only members of
  // classes with equals need it.
  FenwickInit(seen, classes, false);
  for (std::size_t i = 0; i < n; ++i) {
    std::size_t r = ranks[i];
    if (start[r + 1] - start[r] > 1) smallerLeft[i] = FenwickPrefix(seen, r);
    FenwickAdd(seen, r, 1);
  }

  for (std::size_t c = 0; c < classes; ++c) {
    std::size_t t = start[c + 1] - start[c];
    if (t == 0) continue;
    if (t == 1) {
      result[start[c]] = members[start[c]];
      continue;
    }
    OrderClass(&members[start[c]], t, smallerLeft, start[c], &result[start[c]], inserts, placed, free);
  }
  return true;
}

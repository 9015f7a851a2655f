#include "commands/case_sort.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "editor/lines.h"
#include "platform/memory.h"
#include "platform/text.h"

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

// A line during ranking: where its text is, and which line it is.
struct TLineKey {
  const char16_t* Text;
  std::uint32_t Length : 31;
  std::uint32_t EqualsPrevious : 1;  // compares equal to the key before it in its run
  std::uint32_t Index;
};

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

bool ConvertedCase(std::u16string_view text, bool upper, std::u16string& out) {
  out.clear();
  if (!TryReserve(out, text.size())) return false;
  out.assign(text);
  if (upper) {
    UpperInPlace(out.data(), out.size());
  } else {
    LowerInPlace(out.data(), out.size());
  }
  return true;
}

int CompareLines(std::u16string_view a, std::u16string_view b, bool ascending) {
  int r = CompareNoCase(a, b);
  r = r < 0 ? -1 : (r > 0 ? 1 : 0);
  return ascending ? r : -r;
}

bool RankLines(const std::vector<std::u16string_view>& lines, bool ascending, std::vector<std::size_t>& ranks) {
  std::size_t n = lines.size();
  ranks.clear();
  if (!TryResize(ranks, n)) return false;
  if (n == 0) return true;

  // A bottom-up merge sort of keys that point at the lines' text; a merge
  // sort never reads outside its runs, whatever the comparison answers. The
  // cost is in reaching the text, so every pass also copies the text in the
  // order it writes the keys: each merge then reads its text from two
  // streams front to back instead of from all over the heap.
  std::size_t total = 0;
  for (std::u16string_view line : lines) total += line.size();
  std::vector<TLineKey> keys;
  std::vector<TLineKey> merged;
  std::vector<char16_t> arena[2];
  if (!TryResize(keys, n) || !TryResize(merged, n) || (n > 1 && (!TryReserve(arena[0], total) ||
                                                                 !TryReserve(arena[1], total))))
    return false;
  for (std::size_t i = 0; i < n; ++i) {
    keys[i] = {lines[i].data(), static_cast<std::uint32_t>(lines[i].size()), 0, static_cast<std::uint32_t>(i)};
  }
  int nextArena = 0;
  for (std::size_t width = 1; width < n; width *= 2) {
    arena[nextArena].resize(total);
    char16_t* dst = arena[nextArena].data();
    nextArena = 1 - nextArena;
    const TLineKey* in = keys.data();
    TLineKey* out = merged.data();
    // Whether each output key equals the one before it follows from the
    // comparisons already made: a key taken after one of its own run keeps
    // its run's answer; a left key taken after a right one is greater (the
    // right one was taken as smaller); a right key taken after a left one
    // was compared with it when that one was taken.
    enum { None, Left, Right } previous = None;
    int rightAgainstPrevious = 1;
    auto take = [&](const TLineKey& key, bool fromLeft) {
      bool equal = false;
      if (previous == (fromLeft ? Left : Right)) {
        equal = key.EqualsPrevious;
      } else if (!fromLeft && previous == Left) {
        equal = rightAgainstPrevious == 0;
      }
      *out++ = {dst, key.Length, equal, key.Index};
      dst = std::copy(key.Text, key.Text + key.Length, dst);
      previous = fromLeft ? Left : Right;
    };
    for (std::size_t lo = 0; lo < n; lo += 2 * width) {
      std::size_t mid = std::min(lo + width, n);
      std::size_t hi = std::min(lo + 2 * width, n);
      std::size_t i = lo;
      std::size_t j = mid;
      previous = None;
      // A head replaced by a key equal to it keeps the last answer, so runs
      // of equal lines cost no further comparisons.
      bool known = false;
      int order = 0;
      while (i < mid && j < hi) {
        if (!known) {
          order = CompareLines(std::u16string_view(in[j].Text, in[j].Length),
                               std::u16string_view(in[i].Text, in[i].Length), ascending);
        }
        if (order < 0) {
          take(in[j++], false);
          known = j < hi && in[j].EqualsPrevious;
        } else {
          take(in[i++], true);
          rightAgainstPrevious = order;
          known = i < mid && in[i].EqualsPrevious;
        }
      }
      while (i < mid) take(in[i++], true);
      while (j < hi) take(in[j++], false);
    }
    keys.swap(merged);
  }

  std::size_t rank = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && !keys[i].EqualsPrevious) ++rank;
    ranks[keys[i].Index] = rank;
  }
  return true;
}

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

bool SortedBlock(std::u16string_view block, bool ascending, std::u16string& out) {
  out.clear();
  std::size_t count = 1;
  for (std::size_t k = 1; k < block.size(); ++k) count += block[k] == u'\n' && block[k - 1] == u'\r';
  std::vector<std::u16string_view> lines;
  if (!TryReserve(lines, count)) return false;
  for (std::size_t start = 0;;) {
    std::size_t next = NextLineStart(block, start);
    lines.push_back(block.substr(start, LineEnd(block, start) - start));
    if (next == std::u16string_view::npos) break;
    start = next;
  }
  return SortedLines(lines, ascending, out);
}

bool SortedLines(const std::vector<std::u16string_view>& lines, bool ascending, std::u16string& out) {
  out.clear();
  if (lines.empty()) return true;
  std::vector<std::size_t> ranks, order;
  if (!RankLines(lines, ascending, ranks) || !ExchangeSortOrder(ranks, order)) return false;
  std::vector<std::size_t>().swap(ranks);
  std::size_t total = 2 * (lines.size() - 1);
  for (std::u16string_view line : lines) total += line.size();
  if (!TryReserve(out, total)) return false;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (i > 0) out.append(u"\r\n");
    out.append(lines[order[i]]);
  }
  return true;
}

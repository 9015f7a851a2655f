#include "commands/case_sort.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "commands/exchange_order.h"
#include "editor/lines.h"
#include "platform/memory.h"
#include "platform/text.h"

namespace {

// A line during ranking: where its text is, and which line it is.
struct TLineKey {
  const char16_t* Text;
  std::uint32_t Length : 31;
  std::uint32_t EqualsPrevious : 1;  // compares equal to the key before it in its run
  std::uint32_t Index;
};

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

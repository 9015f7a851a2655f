#include "editor/lines.h"

#include "platform/simd.h"

namespace {

constexpr std::size_t None = std::u16string_view::npos;

// The length of the line break that starts at i: 2 for CR LF, 3 for CR CR LF,
// 0 when none starts there.
std::size_t BreakAt(std::u16string_view text, std::size_t i) {
  if (i + 1 < text.size() && text[i] == u'\r') {
    if (text[i + 1] == u'\n') return 2;
    if (i + 2 < text.size() && text[i + 1] == u'\r' && text[i + 2] == u'\n') return 3;
  }
  return 0;
}

// The LFs right after a CR at k in [from, to), k >= 1: the breaks that end
// there. Eight units at a time where SSE2 is at hand.
std::size_t CountBreakEnds(std::u16string_view text, std::size_t from, std::size_t to) {
  if (from < 1) from = 1;
  std::size_t n = 0;
  std::size_t k = from;
#if ZIB_SSE2
  const __m128i lf = _mm_set1_epi16(u'\n');
  const __m128i cr = _mm_set1_epi16(u'\r');
  const char16_t* units = text.data();
  for (; k + 8 <= to; k += 8) {
    __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + k));
    __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + k - 1));
    __m128i both = _mm_and_si128(_mm_cmpeq_epi16(here, lf), _mm_cmpeq_epi16(before, cr));
    n += static_cast<std::size_t>(__builtin_popcount(static_cast<unsigned>(_mm_movemask_epi8(both)))) / 2;
  }
#endif
  for (; k < to; ++k) n += text[k] == u'\n' && text[k - 1] == u'\r';
  return n;
}

}  // namespace

// Every break ends in an LF right after a CR, and every such LF ends a
// break; so a line starts after the last of them before p.
std::size_t LineStartOf(std::u16string_view text, std::size_t p) {
  if (p > text.size()) p = text.size();
  for (std::size_t k = p; k >= 2; --k)
    if (text[k - 1] == u'\n' && text[k - 2] == u'\r') return k;
  return 0;
}

std::size_t LineEnd(std::u16string_view text, std::size_t start) {
  for (std::size_t i = text.find(u'\r', start); i != None; i = text.find(u'\r', i + 1))
    if (BreakAt(text, i) != 0) return i;
  return text.size();
}

std::size_t NextLineStart(std::u16string_view text, std::size_t start) {
  std::size_t end = LineEnd(text, start);
  return end == text.size() ? None : end + BreakAt(text, end);
}

std::size_t LineNumberOf(std::u16string_view text, std::size_t p) {
  return CountBreakEnds(text, 1, LineStartOf(text, p));
}

std::size_t LineStartAt(std::u16string_view text, std::size_t n) {
  std::size_t start = 0;
  for (std::size_t k = 1; n > 0 && k < text.size(); ++k)
    if (text[k] == u'\n' && text[k - 1] == u'\r') {
      start = k + 1;
      --n;
    }
  return n == 0 ? start : None;
}

TLineBlock LinesBetween(std::u16string_view text, std::size_t first, std::size_t last) {
  TLineBlock block;
  block.Start = LineStartOf(text, first);
  std::size_t lastStart = LineStartOf(text, last < first ? first : last);
  block.End = LineEnd(text, lastStart);
  block.After = NextLineStart(text, lastStart);
  block.Lines = 1;
  block.Lines += CountBreakEnds(text, block.Start + 1, lastStart);
  return block;
}

#include "commands/cleanup.h"

#include <cstddef>

#include "platform/memory.h"
#include "platform/simd.h"

namespace {

// Room the loops may write past the output's end: a whole group of units.
constexpr std::size_t Slack = 8;

// One unit: stored (a tab as two spaces); keep marks where the current line
// would end without its trailing blanks, and a line break first drops the
// output back to that mark. No branches on the unit's kind.
inline void CleanUnit(char16_t c, char16_t*& o, char16_t*& keep) {
  bool tab = c == u'\t';
  bool blank = tab || c == u' ';
  bool lineBreak = c == u'\r' || c == u'\n';
  o = lineBreak ? keep : o;
  o[0] = tab ? u' ' : c;
  o[1] = u' ';
  o += 1 + tab;
  keep = blank ? keep : o;
}

}  // namespace

bool CleanUpText(std::u16string_view text, std::u16string& out) {
  // The output is never longer than the text plus one unit per tab.
  std::size_t tabs = 0;
  for (char16_t c : text) tabs += c == u'\t';
  out.clear();
  if (!TryResize(out, text.size() + tabs + Slack)) return false;

  const char16_t* p = text.data();
  const char16_t* end = p + text.size();
  char16_t* o = out.data();
  char16_t* keep = o;
#if ZIB_SSE2
  // Eight units at a time: the units before the first tab or line break
  // among them are copied as they are, the mark following their last
  // non-space; that tab or break is then handled on its own.
  const __m128i tab = _mm_set1_epi16(u'\t');
  const __m128i cr = _mm_set1_epi16(u'\r');
  const __m128i lf = _mm_set1_epi16(u'\n');
  const __m128i space = _mm_set1_epi16(u' ');
  while (end - p >= 8) {
    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    unsigned special = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(v, tab), _mm_cmpeq_epi16(v, cr)), _mm_cmpeq_epi16(v, lf))));
    unsigned nonSpace = ~static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(v, space))) & 0xFFFFu;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(o), v);
    unsigned plainBytes = special == 0 ? 16u : static_cast<unsigned>(__builtin_ctz(special));
    unsigned plainMask = plainBytes == 16 ? 0xFFFFu : (1u << plainBytes) - 1;
    nonSpace &= plainMask;
    if (nonSpace != 0) keep = o + (32 - __builtin_clz(nonSpace)) / 2;
    o += plainBytes / 2;
    p += plainBytes / 2;
    if (special != 0) CleanUnit(*p++, o, keep);
  }
#endif
  while (p < end) CleanUnit(*p++, o, keep);
  out.resize(static_cast<std::size_t>(keep - out.data()));
  return true;
}

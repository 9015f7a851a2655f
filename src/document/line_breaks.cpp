// The line-break conversion of loading and saving: lone LFs become CR LF.
#include "document/line_breaks.h"

#include <algorithm>

#include "platform/memory.h"
#include "platform/simd.h"

namespace {

// Calls onLone(position) for every LF that is the first unit or does not
// follow a CR, in order.
template <class F>
void ForEachLoneLf(const char16_t* t, std::size_t n, F onLone) {
  std::size_t i = 0;
#if ZIB_SSE2
  const __m128i lf = _mm_set1_epi16(0x0A);
  const __m128i cr = _mm_set1_epi16(0x0D);
  for (; i + 8 <= n; i += 8) {
    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i));
    __m128i isLf = _mm_cmpeq_epi16(v, lf);
    if (_mm_movemask_epi8(isLf) == 0) continue;
    __m128i before = i > 0 ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i - 1))
                           : _mm_slli_si128(v, 2);
    // Two mask bits per unit; keep the low one.
    unsigned mask = static_cast<unsigned>(
                        _mm_movemask_epi8(_mm_andnot_si128(_mm_cmpeq_epi16(before, cr), isLf))) &
                    0x5555u;
    for (; mask != 0; mask &= mask - 1) onLone(i + static_cast<std::size_t>(__builtin_ctz(mask)) / 2);
  }
#endif
  for (; i < n; ++i)
    if (t[i] == u'\n' && (i == 0 || t[i - 1] != u'\r')) onLone(i);
}

std::size_t CountLoneLf(std::u16string_view text) {
  std::size_t lone = 0;
  ForEachLoneLf(text.data(), text.size(), [&](std::size_t) { ++lone; });
  return lone;
}

// Writes text with a CR before each of its lone LFs to d, which holds
// text.size() plus that many units.
void WriteCrLf(std::u16string_view text, char16_t* d) {
  const char16_t* t = text.data();
  std::size_t n = text.size();
  std::size_t i = 0, w = 0;
#if ZIB_SSE2
  // Every block of eight is stored as it is; at each lone LF of the block a CR
  // goes in and the rest of the block is stored again one place further on.
  // Blocks stop 16 units before the end, so those stores (eight units from the
  // LF on) neither read past the text nor write past the output.
  const __m128i lf = _mm_set1_epi16(0x0A);
  const __m128i cr = _mm_set1_epi16(0x0D);
  for (; i + 16 <= n; i += 8) {
    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + w), v);
    __m128i isLf = _mm_cmpeq_epi16(v, lf);
    if (_mm_movemask_epi8(isLf) == 0) {
      w += 8;
      continue;
    }
    __m128i before = i > 0 ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i - 1))
                           : _mm_slli_si128(v, 2);
    unsigned mask = static_cast<unsigned>(
                        _mm_movemask_epi8(_mm_andnot_si128(_mm_cmpeq_epi16(before, cr), isLf))) &
                    0x5555u;
    for (; mask != 0; mask &= mask - 1) {
      std::size_t k = static_cast<std::size_t>(__builtin_ctz(mask)) / 2;
      d[w + k] = u'\r';
      ++w;
      _mm_storeu_si128(reinterpret_cast<__m128i*>(d + w + k),
                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i + k)));
    }
    w += 8;
  }
#endif
  for (; i < n; ++i) {
    if (t[i] == u'\n' && (i == 0 || t[i - 1] != u'\r')) d[w++] = u'\r';
    d[w++] = t[i];
  }
}

}  // namespace

bool ToCrLf(std::u16string_view text, std::u16string& out) {
  std::size_t lone = CountLoneLf(text);
  // Storage of the right size is reused as it is.
  if (!TryResize(out, text.size() + lone)) {
    out.clear();
    return false;
  }
  if (lone == 0) std::copy(text.begin(), text.end(), out.begin());
  else WriteCrLf(text, out.data());
  return true;
}

bool ToCrLfInPlace(std::u16string& text) {
  std::size_t lone = CountLoneLf(text);
  if (lone == 0) return true;
  std::u16string out;
  if (!TryResize(out, text.size() + lone)) return false;
  WriteCrLf(text, out.data());
  text.swap(out);
  return true;
}


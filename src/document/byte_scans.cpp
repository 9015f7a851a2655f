// The byte scans of loading and saving, each with its SSE2 path and the
// portable one side by side (platform/simd.h): the UTF-8 test, the MS-DOS
// heuristic, the MS-DOS control-byte filter and the Unicode test.
#include "document/byte_scans.h"

#include <cstdint>
#include <cstring>

#include "platform/simd.h"

namespace {

using Byte = unsigned char;

const Byte* U(const char* p) { return reinterpret_cast<const Byte*>(p); }

#if !ZIB_SSE2
std::uint64_t Load64(const Byte* p) {
  std::uint64_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

constexpr std::uint64_t Ones64 = 0x0101010101010101ull;
constexpr std::uint64_t High64 = 0x8080808080808080ull;

// Nonzero when one of the eight bytes of v equals b.
std::uint64_t HasByte(std::uint64_t v, Byte b) {
  std::uint64_t x = v ^ (Ones64 * b);
  return (x - Ones64) & ~x & High64;
}

// Continuation bytes a byte of 80 or above asks for; 0xFF marks 80..BF and F8..FF.
int Utf8Trail(Byte c) {
  if (c >= 0xC0 && c <= 0xDF) return 1;
  if (c >= 0xE0 && c <= 0xEF) return 2;
  if (c >= 0xF0 && c <= 0xF7) return 3;
  return 0xFF;
}

// The walk itself, with runs of ASCII skipped eight bytes at a time.
bool IsUtf8Walk(const Byte* s, std::size_t count) {
  bool nonAscii = false;
  std::size_t i = 0;
  while (i < count) {
    if (i + 8 <= count && (Load64(s + i) & High64) == 0) {
      i += 8;
      continue;
    }
    Byte c = s[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    nonAscii = true;
    int n = Utf8Trail(c);
    if (n == 0xFF || i + static_cast<std::size_t>(n) >= count) return false;
    for (int k = 1; k <= n; ++k)
      if ((s[i + static_cast<std::size_t>(k)] & 0xC0) != 0x80) return false;
    i += static_cast<std::size_t>(n) + 1;
  }
  return nonAscii;
}
#endif

#if ZIB_SSE2
// Sixteen bytes at a time. A byte must be a continuation byte exactly when a
// lead byte one, two or three places before asks for it (C0.. asks for the
// next, E0.. for two, F0.. for three); that is the same as walking the
// sequences one by one, since a byte that is asked for cannot itself be a
// lead. The last chunk is padded with zero bytes, so a sequence cut by the
// end of the data shows up as a missing continuation byte.
bool IsUtf8Sse2(const Byte* s, std::size_t count) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i atC0 = _mm_set1_epi8(static_cast<char>(0xBF));
  const __m128i atE0 = _mm_set1_epi8(static_cast<char>(0xDF));
  const __m128i atF0 = _mm_set1_epi8(static_cast<char>(0xEF));
  const __m128i atF8 = _mm_set1_epi8(static_cast<char>(0xF7));
  const __m128i contLimit = _mm_set1_epi8(static_cast<char>(0xC0));
  __m128i prev2 = zero, prev3 = zero, prev4 = zero;  // leads of the chunk before
  __m128i good = _mm_set1_epi8(static_cast<char>(0xFF));
  __m128i bad = zero;
  __m128i high = zero;
  auto step = [&](__m128i b) {
    __m128i lead2 = _mm_subs_epu8(b, atC0);  // nonzero for C0..FF
    __m128i lead3 = _mm_subs_epu8(b, atE0);  // E0..FF
    __m128i lead4 = _mm_subs_epu8(b, atF0);  // F0..FF
    bad = _mm_or_si128(bad, _mm_subs_epu8(b, atF8));
    high = _mm_or_si128(high, b);
    __m128i asked = _mm_or_si128(
        _mm_or_si128(_mm_or_si128(_mm_slli_si128(lead2, 1), _mm_srli_si128(prev2, 15)),
                     _mm_or_si128(_mm_slli_si128(lead3, 2), _mm_srli_si128(prev3, 14))),
        _mm_or_si128(_mm_slli_si128(lead4, 3), _mm_srli_si128(prev4, 13)));
    __m128i notAsked = _mm_cmpeq_epi8(asked, zero);
    __m128i cont = _mm_cmplt_epi8(b, contLimit);  // 80..BF as signed bytes
    good = _mm_and_si128(good, _mm_xor_si128(notAsked, cont));
    prev2 = lead2;
    prev3 = lead3;
    prev4 = lead4;
  };
  auto failed = [&] {
    return _mm_movemask_epi8(good) != 0xFFFF || _mm_movemask_epi8(_mm_cmpeq_epi8(bad, zero)) != 0xFFFF;
  };
  std::size_t i = 0;
  while (i + 16 <= count) {
    std::size_t end = count - i >= 1024 ? i + 1024 : count - (count - i) % 16;
    for (; i < end; i += 16) step(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i)));
    if (failed()) return false;
  }
  alignas(16) Byte tail[16] = {};
  std::memcpy(tail, s + i, count - i);
  step(_mm_load_si128(reinterpret_cast<const __m128i*>(tail)));
  if (failed()) return false;
  return _mm_movemask_epi8(high) != 0;
}
#endif

// Bytes 81, 8D, 8F, 90 and 9D: unassigned in code page 1252.
bool IsDosOnlyByte(Byte c) { return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D; }

}  // namespace

bool IsUtf8Text(const char* bytes, std::size_t count) {
#if ZIB_SSE2
  return IsUtf8Sse2(U(bytes), count);
#else
  return IsUtf8Walk(U(bytes), count);
#endif
}

bool LooksLikeDos437(const char* bytes, std::size_t count) {
  const Byte* s = U(bytes);
  if (count == 0) return false;
  std::size_t zeros = 0, graphics = 0, i = 0;
#if ZIB_SSE2
  // Byte-wide counters over at most 255 blocks of 16, then summed; the five
  // bytes of code page 437 end the scan after the group that holds one.
  const __m128i zero = _mm_setzero_si128();
  const __m128i graphStart = _mm_set1_epi8(static_cast<char>(0xB0));
  const __m128i graphSpan = _mm_set1_epi8(0x2F);
  const __m128i d81 = _mm_set1_epi8(static_cast<char>(0x81)), d8d = _mm_set1_epi8(static_cast<char>(0x8D));
  const __m128i d8f = _mm_set1_epi8(static_cast<char>(0x8F)), d90 = _mm_set1_epi8(static_cast<char>(0x90));
  const __m128i d9d = _mm_set1_epi8(static_cast<char>(0x9D));
  while (i + 16 <= count) {
    std::size_t blocks = (count - i) / 16 < 255 ? (count - i) / 16 : 255;
    __m128i z = zero, g = zero, dos = zero;
    for (std::size_t k = 0; k < blocks; ++k, i += 16) {
      __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
      z = _mm_sub_epi8(z, _mm_cmpeq_epi8(b, zero));
      __m128i x = _mm_sub_epi8(b, graphStart);
      g = _mm_sub_epi8(g, _mm_cmpeq_epi8(_mm_min_epu8(x, graphSpan), x));
      dos = _mm_or_si128(dos, _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(b, d81), _mm_cmpeq_epi8(b, d8d)),
                                           _mm_or_si128(_mm_cmpeq_epi8(b, d8f),
                                                        _mm_or_si128(_mm_cmpeq_epi8(b, d90),
                                                                     _mm_cmpeq_epi8(b, d9d)))));
    }
    if (_mm_movemask_epi8(dos) != 0) return true;
    __m128i zs = _mm_sad_epu8(z, zero), gs = _mm_sad_epu8(g, zero);
    zeros += static_cast<std::size_t>(_mm_cvtsi128_si32(zs) + _mm_extract_epi16(zs, 4));
    graphics += static_cast<std::size_t>(_mm_cvtsi128_si32(gs) + _mm_extract_epi16(gs, 4));
  }
#endif
  for (; i < count; ++i) {
    Byte c = s[i];
    if (IsDosOnlyByte(c)) return true;
    zeros += c == 0;
    graphics += static_cast<Byte>(c - 0xB0) < 0x30;
  }
  if (count / 50 < zeros) return false;
  return graphics >= 16 && count / 200 < graphics;
}

std::size_t FilterDosControlBytes(char* bytes, std::size_t count) {
  Byte* s = reinterpret_cast<Byte*>(bytes);
  std::size_t r = 0, w = 0;
  // Whole blocks without a byte to remove are moved (and their 16s replaced)
  // at once; a block with one goes byte by byte. w never passes r, so a block
  // is read before anything is written over it.
#if ZIB_SSE2
  const __m128i b01 = _mm_set1_epi8(0x01), b0c = _mm_set1_epi8(0x0C), b16 = _mm_set1_epi8(0x16);
  const __m128i space = _mm_set1_epi8(0x20);
  for (; r + 16 <= count; r += 16) {
    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + r));
    __m128i drop = _mm_or_si128(_mm_cmpeq_epi8(v, b01), _mm_cmpeq_epi8(v, b0c));
    if (_mm_movemask_epi8(drop) != 0) {
      for (std::size_t k = r; k < r + 16; ++k) {
        Byte c = s[k];
        if (c == 0x01 || c == 0x0C) continue;
        s[w++] = c == 0x16 ? 0x20 : c;
      }
      continue;
    }
    __m128i sp = _mm_cmpeq_epi8(v, b16);
    bool spaces = _mm_movemask_epi8(sp) != 0;
    if (spaces) v = _mm_or_si128(_mm_andnot_si128(sp, v), _mm_and_si128(sp, space));
    if (spaces || w != r) _mm_storeu_si128(reinterpret_cast<__m128i*>(s + w), v);
    w += 16;
  }
#else
  for (; r + 8 <= count; r += 8) {
    std::uint64_t v = Load64(s + r);
    if (HasByte(v, 0x01) | HasByte(v, 0x0C) | HasByte(v, 0x16)) {
      for (std::size_t k = r; k < r + 8; ++k) {
        Byte c = s[k];
        if (c == 0x01 || c == 0x0C) continue;
        s[w++] = c == 0x16 ? 0x20 : c;
      }
      continue;
    }
    if (w != r) std::memmove(s + w, s + r, 8);
    w += 8;
  }
#endif
  for (; r < count; ++r) {
    Byte c = s[r];
    if (c == 0x01 || c == 0x0C) continue;
    s[w++] = c == 0x16 ? 0x20 : c;
  }
  return w;
}

bool NeedsUnicode(std::u16string_view text) {
  // An OR over blocks, which the compiler turns into vector code.
  const char16_t* t = text.data();
  std::size_t n = text.size();
  for (std::size_t i = 0; i < n;) {
    std::size_t end = n - i > 512 ? i + 512 : n;
    char16_t all = 0;
    for (; i < end; ++i) all |= t[i];
    if (all >= 0x100) return true;
  }
  return false;
}


#include "commands/find.h"

#include "editor/word_delete.h"
#include "platform/text.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/simd.h"

namespace {

// The platform's one-unit upper-casing of every unit, asked once (128 KB).
// Comparing through it gives exactly the platform's answers at memory speed.
const char16_t* UpperTable() {
  static const std::vector<char16_t> table = [] {
    std::vector<char16_t> t(0x10000);
    for (std::size_t u = 0; u < t.size(); ++u) t[u] = UpperChar(static_cast<char16_t>(u));
    return t;
  }();
  return table.data();
}

// A prepared search: the pattern as compared (upper-cased unless case
// matters) and the options.
struct TSearch {
  std::u16string key;
  const char16_t* upper;  // null when case matters
  bool wholeWord;
};

TSearch Prepare(std::u16string_view pattern, unsigned flags) {
  TSearch s{std::u16string(pattern), nullptr, (flags & FindWholeWord) != 0};
  if (!(flags & FindMatchCase)) {
    s.upper = UpperTable();
    for (char16_t& c : s.key) c = s.upper[c];
  }
  return s;
}

// Compares the units from..to-1 of the pattern with those at t.
bool MatchesAt(const TSearch& s, const char16_t* t, std::size_t from, std::size_t to) {
  if (!s.upper) {
    for (std::size_t k = from; k < to; ++k)
      if (t[k] != s.key[k]) return false;
    return true;
  }
  for (std::size_t k = from; k < to; ++k)
    if (s.upper[t[k]] != s.key[k]) return false;
  return true;
}

bool Accepted(const TSearch& s, std::u16string_view text, std::size_t p) {
  if (!s.wholeWord) return true;
  std::size_t end = p + s.key.size();
  if (p > 0 && IsWordChar(text[p - 1])) return false;
  if (end < text.size() && IsWordChar(text[end])) return false;
  return true;
}

#if ZIB_SSE2
constexpr std::size_t MaxCandidates = 4;
// Below this many start positions the block filter does not pay for its set-up.
constexpr std::size_t BlockScanFrom = 2048;

// The units that compare equal to key, padded with repeats of the first;
// false when there are more than MaxCandidates of them.
bool CandidateUnits(const TSearch& s, char16_t key, __m128i out[MaxCandidates]) {
  char16_t units[MaxCandidates] = {key, key, key, key};
  if (s.upper) {
    std::size_t count = 0;
    for (std::size_t u = 0; u < 0x10000; ++u) {
      if (s.upper[u] != key) continue;
      if (count == MaxCandidates) return false;
      units[count++] = static_cast<char16_t>(u);
    }
    for (std::size_t k = count; k < MaxCandidates; ++k) units[k] = units[0];
  }
  for (std::size_t k = 0; k < MaxCandidates; ++k) out[k] = _mm_set1_epi16(static_cast<short>(units[k]));
  return true;
}

inline __m128i AnyOf(__m128i block, const __m128i set[MaxCandidates]) {
  __m128i a = _mm_or_si128(_mm_cmpeq_epi16(block, set[0]), _mm_cmpeq_epi16(block, set[1]));
  __m128i b = _mm_or_si128(_mm_cmpeq_epi16(block, set[2]), _mm_cmpeq_epi16(block, set[3]));
  return _mm_or_si128(a, b);
}
#endif

// Calls visit(p) for each acceptable match at or after from, left to right;
// after a match the scan goes on at its end, after a match rejected by the
// whole-word test one past its start. visit returns false to stop.
template <class TVisit>
void ScanMatches(const TSearch& s, std::u16string_view text, std::size_t from, TVisit visit) {
  std::size_t n = text.size();
  std::size_t m = s.key.size();
  if (m == 0 || m > n || from > n - m) return;
  const std::size_t last = n - m;  // the last possible start
  const char16_t* t = text.data();
  std::size_t next = from;  // the first start still allowed
  std::size_t i = from;
  // from..to: the pattern's units still to compare at p.
  auto consider = [&](std::size_t p, std::size_t from, std::size_t to) {
    if (p < next || !MatchesAt(s, t + p, from, to) || !Accepted(s, text, p)) return true;
    next = p + m;
    return visit(p);
  };
#if ZIB_SSE2
  // Block filter: eight starts at a time must have a candidate for the
  // pattern's first unit and one for its last before they are compared.
  __m128i firstSet[MaxCandidates], lastSet[MaxCandidates];
  if (last - i >= BlockScanFrom && CandidateUnits(s, s.key[0], firstSet) &&
      CandidateUnits(s, s.key[m - 1], lastSet)) {
    while (i + 16 <= last) {
      __m128i a0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i));
      __m128i a1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i + 8));
      __m128i b0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i + m - 1));
      __m128i b1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i + m + 7));
      __m128i h0 = _mm_and_si128(AnyOf(a0, firstSet), AnyOf(b0, lastSet));
      __m128i h1 = _mm_and_si128(AnyOf(a1, firstSet), AnyOf(b1, lastSet));
      unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(h0, h1)));
      while (mask != 0) {
        unsigned lane = static_cast<unsigned>(__builtin_ctz(mask));
        mask &= mask - 1;
        // The filter's sets are exactly the units equal to the first and
        // the last pattern unit: only those between remain to compare.
        if (!consider(i + lane, 1, m - 1)) return;
      }
      i += 16;
      if (i < next) i = next;
    }
  }
#endif
  while (i <= last) {
    if (i < next) {
      i = next;
      continue;
    }
    if (!consider(i, 0, m)) return;
    ++i;
  }
}

}  // namespace

std::ptrdiff_t FindInText(std::u16string_view text, std::u16string_view pattern,
                          std::ptrdiff_t start, unsigned flags) {
  if (pattern.empty()) return -1;
  if (start < 0) start = 0;
  if (static_cast<std::size_t>(start) > text.size()) return -1;
  TSearch s = Prepare(pattern, flags);
  std::ptrdiff_t found = -1;
  ScanMatches(s, text, static_cast<std::size_t>(start), [&](std::size_t p) {
    found = static_cast<std::ptrdiff_t>(p);
    return false;
  });
  return found;
}

std::size_t CountMatches(std::u16string_view text, std::u16string_view pattern, unsigned flags) {
  if (pattern.empty()) return 0;
  TSearch s = Prepare(pattern, flags);
  std::size_t count = 0;
  ScanMatches(s, text, 0, [&](std::size_t) {
    ++count;
    return true;
  });
  return count;
}

std::int64_t ReplacedLength(std::int64_t textLength, std::int64_t count,
                            std::int64_t patternLength, std::int64_t replacementLength) {
  std::int64_t step = replacementLength - patternLength;
  // Far beyond any text: answer something out of range instead of overflowing.
  constexpr std::int64_t limit = std::int64_t{1} << 62;
  if (count != 0 && (step > limit / count || step < -limit / count)) return step > 0 ? limit : -limit;
  return textLength + count * step;
}

std::size_t BuildReplaced(std::u16string_view text, std::u16string_view pattern,
                          std::u16string_view replacement, unsigned flags, char16_t* out,
                          std::size_t capacity) {
  // Pieces between close matches are short, and a call to memcpy costs more
  // than they do: up to Chunk units go as one fixed-size copy, which may
  // write past the piece (the next piece overwrites that) but never past
  // capacity, and reads past it only inside the source.
  constexpr std::size_t Chunk = 8;
  char16_t shortReplacement[Chunk] = {};
  bool replacementFits = replacement.size() <= Chunk;
  if (replacementFits && !replacement.empty())
    std::memcpy(shortReplacement, replacement.data(), replacement.size() * sizeof(char16_t));
  std::size_t written = 0;
  auto put = [&](const char16_t* from, std::size_t count, std::size_t readable) {
    if (count > capacity - written) count = capacity - written;
    char16_t* to = out + written;
    if (count <= Chunk && readable >= Chunk && capacity - written >= Chunk) {
      std::memcpy(to, from, Chunk * sizeof(char16_t));
    } else if (count > 0) {
      std::memcpy(to, from, count * sizeof(char16_t));
    }
    written += count;
  };
  const char16_t* t = text.data();
  const std::size_t n = text.size();
  std::size_t copied = 0;  // end of the previous match
  if (!pattern.empty()) {
    TSearch s = Prepare(pattern, flags);
    const std::size_t m = pattern.size();
    ScanMatches(s, text, 0, [&](std::size_t p) {
      put(t + copied, p - copied, n - copied);
      if (replacementFits) put(shortReplacement, replacement.size(), Chunk);
      else put(replacement.data(), replacement.size(), replacement.size());
      copied = p + m;
      return true;
    });
  }
  put(t + copied, n - copied, n - copied);
  return written;
}

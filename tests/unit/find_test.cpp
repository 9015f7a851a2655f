#include "commands/find.h"
#include "editor/word_delete.h"
#include "platform/text.h"
#include "test_support.h"

#include <cstdint>
#include <random>
#include <vector>

namespace {

// The search as written out unit by unit, asking the platform for every
// comparison: the reference the fast search must agree with.
std::ptrdiff_t LiteralFind(std::u16string_view text, std::u16string_view pattern,
                           std::ptrdiff_t start, unsigned flags) {
  if (pattern.empty()) return -1;
  if (start < 0) start = 0;
  std::size_t n = text.size(), m = pattern.size();
  if (static_cast<std::size_t>(start) > n) return -1;
  for (std::size_t p = static_cast<std::size_t>(start); p + m <= n; ++p) {
    std::size_t k = 0;
    for (; k < m; ++k) {
      char16_t a = text[p + k], b = pattern[k];
      bool equal = (flags & FindMatchCase) ? a == b : UpperChar(a) == UpperChar(b);
      if (!equal) break;
    }
    if (k < m) continue;
    if (flags & FindWholeWord) {
      if (p > 0 && IsWordChar(text[p - 1])) continue;
      if (p + m < n && IsWordChar(text[p + m])) continue;
    }
    return static_cast<std::ptrdiff_t>(p);
  }
  return -1;
}

// Replace all as written out: FindInText from q, q after each match.
std::u16string LiteralReplaceAll(std::u16string_view text, std::u16string_view pattern,
                                 std::u16string_view replacement, unsigned flags) {
  std::u16string out;
  std::size_t q = 0;
  for (;;) {
    std::ptrdiff_t p = LiteralFind(text, pattern, static_cast<std::ptrdiff_t>(q), flags);
    if (p < 0) break;
    out.append(text.substr(q, static_cast<std::size_t>(p) - q));
    out.append(replacement);
    q = static_cast<std::size_t>(p) + pattern.size();
  }
  out.append(text.substr(q));
  return out;
}

std::u16string ReplaceAll(std::u16string_view text, std::u16string_view pattern,
                          std::u16string_view replacement, unsigned flags) {
  std::size_t count = CountMatches(text, pattern, flags);
  std::int64_t n = ReplacedLength(static_cast<std::int64_t>(text.size()), static_cast<std::int64_t>(count),
                                  static_cast<std::int64_t>(pattern.size()),
                                  static_cast<std::int64_t>(replacement.size()));
  std::u16string out(static_cast<std::size_t>(n), u'#');
  std::size_t written = BuildReplaced(text, pattern, replacement, flags, out.data(), out.size());
  CHECK(written == out.size());
  return out;
}

}  // namespace

TEST_CASE("find scans forward from the start and never wraps") {
  CHECK(FindInText(u"aaa", u"aa", 0, 0) == 0);
  CHECK(FindInText(u"aaa", u"aa", 2, 0) == -1);
  CHECK(FindInText(u"abcabc", u"bc", 2, 0) == 4);
  CHECK(FindInText(u"abc", u"abc", 0, 0) == 0);
  CHECK(FindInText(u"abc", u"bcd", 0, 0) == -1);  // runs past the end
  CHECK(FindInText(u"ab", u"abc", 0, 0) == -1);
  CHECK(FindInText(u"abc", u"c", -5, 0) == 2);    // negative start counts as 0
  CHECK(FindInText(u"abc", u"c", 3, 0) == -1);
  CHECK(FindInText(u"abc", u"c", 4, 0) == -1);
  CHECK(FindInText(u"abc", u"", 0, 0) == -1);
  CHECK(FindInText(u"", u"a", 0, 0) == -1);
}

TEST_CASE("case: the platform's one-unit upper-casing, or identity with the option") {
  CHECK(FindInText(u"Hallo Welt", u"WELT", 0, 0) == 6);
  CHECK(FindInText(u"Hallo Welt", u"WELT", 0, FindMatchCase) == -1);
  CHECK(FindInText(u"Hallo Welt", u"Welt", 0, FindMatchCase) == 6);
  // Umlauts match their other case, not only ASCII.
  CHECK(FindInText(u"GR\u00DC\u00DFE", u"gr\u00FC\u00DF", 0, 0) == 0);
  CHECK(FindInText(u"\u00C4rger", u"\u00E4", 0, 0) == 0);
  CHECK(FindInText(u"\u00C4rger", u"\u00E4", 0, FindMatchCase) == -1);
  // Surrogate pairs compare unit by unit: a lone high unit finds the pair's half.
  CHECK(FindInText(u"x\U0001F600y", u"\xD83D", 0, 0) == 1);
  CHECK(FindInText(u"x\U0001F600y", u"\U0001F600", 0, FindMatchCase) == 1);
}

TEST_CASE("whole words") {
  const unsigned w = FindWholeWord;
  CHECK(FindInText(u"abc_x", u"abc", 0, w) == -1);
  CHECK(FindInText(u"xabc", u"abc", 0, w) == -1);
  CHECK(FindInText(u"abc-x", u"abc", 0, w) == 0);
  CHECK(FindInText(u"abc", u"abc", 0, w) == 0);
  CHECK(FindInText(u"x abc", u"abc", 0, w) == 2);
  CHECK(FindInText(u"abc9 \u00E4abc abc", u"abc", 0, w) == 10);
  // A rejected match lets the scan go on one past its start.
  CHECK(FindInText(u"aaa aa", u"aa", 0, w) == 4);
  CHECK(FindInText(u"aab ab", u"ab", 0, w) == 4);
  // Neighbours are looked at in the whole text, also before start.
  CHECK(FindInText(u"xabc", u"abc", 1, w) == -1);
}

TEST_CASE("replace all: left to right, no overlap, no re-scan of inserted text") {
  CHECK(ReplaceAll(u"aaa", u"a", u"aa", 0) == u"aaaaaa");
  CHECK(CountMatches(u"aaa", u"a", 0) == 3);
  CHECK(CountMatches(u"aaaa", u"aa", 0) == 2);
  CHECK(CountMatches(u"aaa", u"aa", 0) == 1);
  CHECK(ReplaceAll(u"a-b-c", u"-", u"", 0) == u"abc");
  CHECK(ReplaceAll(u"Eins eins EINS", u"eins", u"zwei", 0) == u"zwei zwei zwei");
  CHECK(ReplaceAll(u"Eins eins EINS", u"eins", u"zwei", FindMatchCase) == u"Eins zwei EINS");
  CHECK(ReplaceAll(u"ab abc ab", u"ab", u"X", FindWholeWord) == u"X abc X");
  CHECK(CountMatches(u"abc", u"x", 0) == 0);
  CHECK(CountMatches(u"abc", u"", 0) == 0);
  CHECK(ReplaceAll(u"abc", u"x", u"y", 0) == u"abc");
}

TEST_CASE("replace all stops at the room it was given") {
  char16_t out[4] = {u'#', u'#', u'#', u'#'};
  CHECK(BuildReplaced(u"abab", u"b", u"xyz", 0, out, 3) == 3);
  CHECK(std::u16string(out, 4) == u"axy#");
  CHECK(BuildReplaced(u"abab", u"b", u"xyz", 0, out, 0) == 0);
}

TEST_CASE("the replaced length and its 32-bit limit") {
  CHECK(ReplacedLength(3, 3, 1, 2) == 6);
  CHECK(ReplacedLength(10, 2, 3, 0) == 4);
  CHECK(ReplacedLength(MaxTextLength - 1, 1, 1, 2) == MaxTextLength);
  CHECK(ReplacedLength(MaxTextLength, 1, 1, 2) > MaxTextLength);
  CHECK(ReplacedLength(0, INT64_MAX / 2, 0, 10) > MaxTextLength);  // no wrap-around
  CHECK(ReplacedLength(0, INT64_MAX / 2, 10, 0) < 0);
  // A real text: a million letters, each to 2200 units, is over the limit.
  std::u16string text(1000000, u'a');
  std::size_t count = CountMatches(text, u"a", 0);
  CHECK(count == 1000000);
  CHECK(ReplacedLength(static_cast<std::int64_t>(text.size()), static_cast<std::int64_t>(count), 1, 2200) >
        MaxTextLength);
}

TEST_CASE("the fast search agrees with the unit-by-unit definition") {
  // Letters with unusual case partners, word and non-word units, surrogates.
  const std::u16string alphabet =
      u"aAbB_ 9-\u00E4\u00C4\u00DF\u017FsS\u0131iI\u00B5\u039C\u03BC\u03C2\u03C3\u03A3\u212AkK\xD83D\xDE00\r\n";
  std::mt19937 random(12345);
  auto unit = [&] { return alphabet[random() % alphabet.size()]; };
  for (int round = 0; round < 300; ++round) {
    // Short texts take the plain scan, long ones the block filter too.
    std::size_t n = round % 3 == 0 ? 3000 + random() % 3000 : random() % 40;
    std::u16string text;
    for (std::size_t k = 0; k < n; ++k) text += unit();
    std::u16string pattern;
    std::size_t m = 1 + random() % 3;
    for (std::size_t k = 0; k < m; ++k) pattern += unit();
    unsigned flags = static_cast<unsigned>(random() % 8) & (FindWholeWord | FindMatchCase);
    std::ptrdiff_t start = static_cast<std::ptrdiff_t>(random() % (n + 2)) - 1;
    INFO("round " << round);
    CHECK(FindInText(text, pattern, start, flags) == LiteralFind(text, pattern, start, flags));
    CHECK(ReplaceAll(text, pattern, u"<>", flags) == LiteralReplaceAll(text, pattern, u"<>", flags));
  }
}

TEST_CASE("the block filter finds matches at every offset and near the end") {
  std::u16string text(5000, u'x');
  for (std::size_t p : {0u, 1u, 7u, 8u, 15u, 16u, 17u, 4990u, 4996u, 4997u}) {
    std::u16string t = text;
    t.replace(p, 3, u"aBc");
    INFO("at " << p);
    CHECK(FindInText(t, u"abc", 0, 0) == static_cast<std::ptrdiff_t>(p));
    CHECK(FindInText(t, u"abc", 0, FindMatchCase) == -1);
    CHECK(FindInText(t, u"aBc", static_cast<std::ptrdiff_t>(p) + 1, 0) == -1);
  }
  // Dense matches all counted, long patterns handled.
  CHECK(CountMatches(std::u16string(9000, u'a'), u"aa", 0) == 4500);
  std::u16string longPattern(300, u'y');
  std::u16string t = text + longPattern + u"x";
  CHECK(FindInText(t, longPattern, 0, 0) == 5000);
}

#include <algorithm>
#include <random>
#include <utility>

#include "commands/case_sort.h"
#include "rules_by_value.h"
#include "test_support.h"

namespace {

// The exchange sort itself, literally, as the reference.
template <typename T, typename Compare>
void LiteralExchangeSort(std::vector<T>& v, Compare compare) {
  for (std::size_t i = 0; i + 1 < v.size(); ++i) {
    for (std::size_t j = i + 1; j < v.size(); ++j) {
      if (compare(v[i], v[j]) > 0) std::swap(v[i], v[j]);
    }
  }
}

// The permutation the literal procedure leaves, on ranks.
std::vector<std::size_t> LiteralOrder(const std::vector<std::size_t>& ranks) {
  std::vector<std::size_t> order(ranks.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  LiteralExchangeSort(order, [&](std::size_t a, std::size_t b) {
    return ranks[a] < ranks[b] ? -1 : (ranks[a] > ranks[b] ? 1 : 0);
  });
  return order;
}

std::vector<std::u16string> Sorted(std::vector<std::u16string> lines, bool ascending) {
  SortLines(lines, ascending);
  return lines;
}

using TLines = std::vector<std::u16string>;

}  // namespace

TEST_CASE("sorting keeps the exchange sort's order of equal lines") {
  CHECK(Sorted({u"b", u"A", u"a"}, true) == TLines{u"A", u"a", u"b"});
  CHECK(Sorted({u"b", u"B", u"a"}, true) == TLines{u"a", u"B", u"b"});
  CHECK(Sorted({u"pear", u"apple", u"fig"}, false) == TLines{u"pear", u"fig", u"apple"});
  CHECK(Sorted({u"b", u"", u"a"}, true) == TLines{u"", u"a", u"b"});
  CHECK(Sorted({u"x"}, true) == TLines{u"x"});
  CHECK(Sorted({}, true).empty());
}

TEST_CASE("Z to A reverses the ascending order of distinct lines") {
  TLines lines = {u"delta", u"Alpha", u"charlie", u"Bravo", u"echo"};
  TLines up = Sorted(lines, true);
  TLines down = Sorted(lines, false);
  std::reverse(down.begin(), down.end());
  CHECK(up == down);
}

TEST_CASE("the fast order equals the literal exchange sort") {
  SUBCASE("every rank vector up to length 7 over three values") {
    for (std::size_t n = 0; n <= 7; ++n) {
      std::size_t total = 1;
      for (std::size_t i = 0; i < n; ++i) total *= 3;
      for (std::size_t code = 0; code < total; ++code) {
        std::vector<std::size_t> ranks(n);
        std::size_t c = code;
        for (std::size_t i = 0; i < n; ++i, c /= 3) ranks[i] = c % 3;
        CAPTURE(code);
        REQUIRE(ExchangeSortOrder(ranks) == LiteralOrder(ranks));
      }
    }
  }
  SUBCASE("random, sorted, reverse, all-equal and sawtooth shapes") {
    std::mt19937 rng(3);
    for (int round = 0; round < 3000; ++round) {
      std::size_t n = 1 + rng() % 120;
      std::size_t values = 1 + rng() % 6;
      std::vector<std::size_t> ranks(n);
      for (std::size_t& r : ranks) r = rng() % values;
      switch (round % 5) {
        case 1: std::sort(ranks.begin(), ranks.end()); break;
        case 2: std::sort(ranks.rbegin(), ranks.rend()); break;
        case 3: std::fill(ranks.begin(), ranks.end(), 0); break;
        case 4:
          for (std::size_t i = 0; i < n; ++i) ranks[i] = i % values;
          break;
        default: break;
      }
      // Ranks without gaps, as RankLines gives them.
      std::vector<std::size_t> used = ranks;
      std::sort(used.begin(), used.end());
      used.erase(std::unique(used.begin(), used.end()), used.end());
      for (std::size_t& r : ranks) r = std::lower_bound(used.begin(), used.end(), r) - used.begin();
      CAPTURE(round);
      REQUIRE(ExchangeSortOrder(ranks) == LiteralOrder(ranks));
    }
  }
}

TEST_CASE("sorting lines equals the literal sort with the line comparison") {
  const char16_t* pool[] = {u"a", u"A", u"b", u"B", u"ab", u"aB", u"", u"Ab", u"c"};
  std::mt19937 rng(5);
  for (int round = 0; round < 2000; ++round) {
    std::size_t n = rng() % 60;
    TLines lines;
    for (std::size_t i = 0; i < n; ++i) lines.push_back(pool[rng() % 9]);
    for (bool ascending : {true, false}) {
      TLines expected = lines;
      LiteralExchangeSort(expected, [&](const std::u16string& x, const std::u16string& y) {
        return CompareLines(x, y, ascending);
      });
      CAPTURE(round);
      REQUIRE(Sorted(lines, ascending) == expected);
    }
  }
}

TEST_CASE("ranks group equal lines") {
  CHECK(RankLines({u"b", u"B", u"a"}, true) == std::vector<std::size_t>{1, 1, 0});
  CHECK(RankLines({u"b", u"B", u"a"}, false) == std::vector<std::size_t>{0, 0, 1});
  // Every pair of ranks orders as the comparison does, and there are no gaps.
  const char16_t* pool[] = {u"x", u"X", u"y", u"xy", u"XY", u"", u"z"};
  std::mt19937 rng(9);
  for (int round = 0; round < 300; ++round) {
    TLines lines;
    std::size_t n = 1 + rng() % 150;
    for (std::size_t i = 0; i < n; ++i) lines.push_back(pool[rng() % 7]);
    for (bool ascending : {true, false}) {
      std::vector<std::size_t> ranks = RankLines(lines, ascending);
      std::vector<std::size_t> used = ranks;
      std::sort(used.begin(), used.end());
      used.erase(std::unique(used.begin(), used.end()), used.end());
      REQUIRE(used.back() + 1 == used.size());
      bool agree = true;
      for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
          int byRank = ranks[i] < ranks[j] ? -1 : (ranks[i] > ranks[j] ? 1 : 0);
          agree = agree && byRank == CompareLines(lines[i], lines[j], ascending);
        }
      }
      CAPTURE(round);
      REQUIRE(agree);
    }
  }
}

TEST_CASE("a sorted block has breaks between its lines, none after the last") {
  struct TCase {
    std::u16string_view Block;
    bool Ascending;
    std::u16string_view Sorted;
  };
  const TCase cases[] = {
      {u"b\r\na", true, u"a\r\nb"},
      {u"x\r\n\r\n", true, u"\r\n\r\nx"},           // the empty last line sorts too
      {u"only", false, u"only"},
      {u"", true, u""},
      {u"b\r\r\na\r\nc", true, u"a\r\nb\r\nc"},  // a soft break ends a line like a hard one
      {u"b\ra\r\na\nb", true, u"a\nb\r\nb\ra"},   // a lone CR or LF is part of its line
      {u"a\r\nc\r\nb", false, u"c\r\nb\r\na"},
  };
  for (const TCase& c : cases) {
    std::u16string out;
    CAPTURE(std::string(c.Block.begin(), c.Block.end()));
    CHECK(SortedBlock(c.Block, c.Ascending, out));
    CHECK(out == c.Sorted);
  }
}

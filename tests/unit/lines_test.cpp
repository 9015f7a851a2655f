#include "editor/lines.h"

#include <random>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

constexpr std::size_t None = std::u16string_view::npos;

// The lines of a text the slow way: split at CR LF and CR CR LF, scanning
// from the left as the control does.
struct TRefLine {
  std::size_t Start, End, Next;
};

std::vector<TRefLine> RefLines(std::u16string_view t) {
  std::vector<TRefLine> lines;
  std::size_t start = 0, i = 0;
  while (true) {
    std::size_t brk = 0;
    for (; i < t.size(); ++i) {
      if (t[i] == u'\r' && i + 1 < t.size() && t[i + 1] == u'\n') brk = 2;
      else if (t[i] == u'\r' && i + 2 < t.size() && t[i + 1] == u'\r' && t[i + 2] == u'\n') brk = 3;
      if (brk) break;
    }
    if (!brk) {
      lines.push_back({start, t.size(), None});
      return lines;
    }
    lines.push_back({start, i, i + brk});
    start = i = i + brk;
  }
}

}  // namespace

TEST_CASE("the control's lines found in its text: CR LF and CR CR LF end a line, lone CR and LF do not") {
  struct TCase {
    std::u16string_view Text;
    std::size_t Position, Number, Start, End;
  };
  const TCase cases[] = {
      {u"", 0, 0, 0, 0},
      {u"ab\r\nc", 1, 0, 0, 2},
      {u"ab\r\nc", 2, 0, 0, 2},   // the CR of the break
      {u"ab\r\nc", 3, 0, 0, 2},   // its LF
      {u"ab\r\nc", 4, 1, 4, 5},
      {u"ab\r\nc", 5, 1, 4, 5},   // the text's end
      {u"a\nb\rc", 4, 0, 0, 5},   // lone breaks are characters
      {u"a\r\r\nb", 4, 1, 4, 5},  // the soft break
      {u"a\r\r\nb", 2, 0, 0, 1},
      {u"a\r\r\r\nb", 0, 0, 0, 2},  // a CR before the soft break stays on the line
      {u"\r\n\r\n", 2, 1, 2, 2},
      {u"\r\n\r\n", 4, 2, 4, 4},
  };
  for (const TCase& c : cases) {
    CAPTURE(c.Text);
    CAPTURE(c.Position);
    CHECK(LineNumberOf(c.Text, c.Position) == c.Number);
    CHECK(LineStartOf(c.Text, c.Position) == c.Start);
    CHECK(LineEnd(c.Text, c.Start) == c.End);
    CHECK(LineStartAt(c.Text, c.Number) == c.Start);
  }
  CHECK(LineStartAt(u"a\r\nb", 2) == None);
  CHECK(NextLineStart(u"a\r\nb", 0) == 3);
  CHECK(NextLineStart(u"a\r\nb", 3) == None);

  TLineBlock block = LinesBetween(u"x\r\nyy\r\nz\r\nw", 4, 7);  // from inside line 1 to the start of line 2
  CHECK(block.Start == 3);
  CHECK(block.End == 8);
  CHECK(block.After == 10);
  CHECK(block.Lines == 2);
  block = LinesBetween(u"x\r\nyy", 1, 1);
  CHECK(block.Start == 0);
  CHECK(block.End == 1);
  CHECK(block.After == 3);
  CHECK(block.Lines == 1);
}

TEST_CASE("the control's lines agree with a slow split on random texts of breaks") {
  std::mt19937 rng(7);
  const char16_t pool[] = {u'a', u'b', u'\r', u'\n', u'\r', u' '};
  for (int round = 0; round < 3000; ++round) {
    std::u16string t;
    for (std::size_t n = rng() % 40; n > 0; --n) t += pool[rng() % 6];
    std::vector<TRefLine> ref = RefLines(t);
    CAPTURE(t);
    for (std::size_t line = 0; line < ref.size(); ++line) {
      REQUIRE(LineStartAt(t, line) == ref[line].Start);
      REQUIRE(LineEnd(t, ref[line].Start) == ref[line].End);
      REQUIRE(NextLineStart(t, ref[line].Start) == ref[line].Next);
      std::size_t to = ref[line].Next == None ? t.size() : ref[line].Next - 1;
      for (std::size_t p = ref[line].Start; p <= to; ++p) {
        REQUIRE(LineNumberOf(t, p) == line);
        REQUIRE(LineStartOf(t, p) == ref[line].Start);
      }
    }
    REQUIRE(LineStartAt(t, ref.size()) == None);
  }
}

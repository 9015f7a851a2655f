#include "editor/marks.h"
#include "test_support.h"

namespace {

std::vector<TMark> Layout(std::u16string_view line, bool hard, int left = 0, int right = 1000, int x0 = 0) {
  std::vector<TMark> marks;
  LayoutLineMarks(line, x0, 10, left, right, hard, MarkTabWidth, marks);
  return marks;
}

}  // namespace

TEST_CASE("marks of spaces, special spaces and tabs") {
  auto m = Layout(u"a b\u00A0c\u202F", false);
  REQUIRE(m.size() == 3);
  CHECK(m[0].X == 10);
  CHECK(m[0].Glyph == u'\u00B7');
  CHECK(m[1].X == 30);
  CHECK(m[1].Glyph == u'\u00B0');
  CHECK(m[2].X == 50);
  CHECK(m[2].Glyph == u'_');

  // A tab at column 0 spans four columns; its arrow is centred in the span.
  m = Layout(u"\t", false);
  REQUIRE(m.size() == 1);
  CHECK(m[0].X == 15);
  CHECK(m[0].Glyph == u'\u2192');
  // A tab at column 5 spans columns 5 to 7.
  m = Layout(u"abcde\tx", false);
  REQUIRE(m.size() == 1);
  CHECK(m[0].X == 50 + (80 - 50 - 10) / 2);
  // A tab at column 3 spans one column: drawn where it starts.
  m = Layout(u"abc\t", false);
  REQUIRE(m.size() == 1);
  CHECK(m[0].X == 30);
}

TEST_CASE("line ends") {
  auto m = Layout(u"", true);
  REQUIRE(m.size() == 1);
  CHECK(m[0].X == 0);
  CHECK(m[0].Glyph == u'\u00B6');
  m = Layout(u"ab\t", true);
  REQUIRE(m.size() == 2);
  CHECK(m[1].X == 40);
  CHECK(Layout(u"abc", false).empty());
}

TEST_CASE("marks outside the formatting rectangle are not drawn") {
  // Scrolled right by 25 pixels: the text starts at x0 = -25 + left.
  auto m = Layout(u" a b", true, 5, 100, -20);
  REQUIRE(m.size() == 2);
  CHECK(m[0].X == 0);
  CHECK(m[1].X == 20);
  // A mark whose cell ends exactly at the left edge is not drawn; the pilcrow
  // at the right edge is not drawn either.
  m = Layout(u" ab", true, 10, 30, 0);
  CHECK(m.empty());
  // A tab reaching into the rectangle from the left is drawn.
  m = Layout(u"\t", false, 35, 100, 0);
  REQUIRE(m.size() == 1);
}

TEST_CASE("a line cut after the units that can show gets the same marks") {
  // Cutting never loses a mark inside the rectangle, whatever the scroll
  // position, and the end of a cut line lies past the right edge.
  const std::u16string line = u"a b\tc  \t\u00A0d\t\t e f";
  for (int x0 : {0, 5, -10, -37, -80, -200}) {
    for (int right : {0, 20, 45, 100, 1000}) {
      std::size_t reach = UnitsThatCanShow(x0, 10, right);
      bool cut = reach < line.size();
      std::u16string_view shown = std::u16string_view(line).substr(0, cut ? reach : line.size());
      std::vector<TMark> whole, part;
      LayoutLineMarks(line, x0, 10, 0, right, true, MarkTabWidth, whole);
      LayoutLineMarks(shown, x0, 10, 0, right, true, MarkTabWidth, part);
      CAPTURE(x0);
      CAPTURE(right);
      REQUIRE(whole.size() == part.size());
      for (std::size_t i = 0; i < whole.size(); ++i) {
        CHECK(whole[i].X == part[i].X);
        CHECK(whole[i].Glyph == part[i].Glyph);
      }
    }
  }
  CHECK(UnitsThatCanShow(0, 10, 0) == 0);
  CHECK(UnitsThatCanShow(0, 10, 1) == 1);
  CHECK(UnitsThatCanShow(-25, 10, 10) == 4);  // units 0..3 start at -25, -15, -5, 5
  CHECK(UnitsThatCanShow(20, 0, 25) == 5);     // a zero width counts as one pixel
}

TEST_CASE("a 16-bit coordinate is restored nearest the scroll position's estimate") {
  for (long truth : {5L, -100L, -32768L, -40000L, -100000L, -1000000L, 40000L}) {
    short shown = static_cast<short>(static_cast<unsigned short>(truth & 0xFFFF));
    for (long off : {0L, 9L, -9L, 30000L, -30000L}) CHECK(UnwrapCoordinate(shown, truth + off) == truth);
  }
}

#include "editor/word_delete.h"
#include "test_support.h"

namespace {

// Applies Ctrl+Backspace (left) or Ctrl+Delete (right) at the caret and returns the text.
std::u16string Left(std::u16string text, std::size_t caret) {
  std::size_t k = WordLeftStart(text, caret);
  text.erase(k, caret - k);
  return text;
}

std::u16string Right(std::u16string text, std::size_t caret) {
  std::size_t k = WordRightEnd(text, caret);
  text.erase(caret, k - caret);
  return text;
}

}  // namespace

TEST_CASE("Ctrl+Backspace stops where the word rules say") {
  // Two blanks after foo.bar: bar and the blanks go.
  CHECK(Left(u"foo.bar  ", 9) == u"foo.");
  // foo, a full stop and one blank: all five go (blank, punctuation, word).
  CHECK(Left(u"foo. ", 5) == u"");
  // Right after the full stop only the full stop goes.
  CHECK(Left(u"foo.", 4) == u"foo");
  // Start of a line: the break, the empty lines above and the last word above.
  CHECK(Left(u"one two\r\n\r\n\r\nx", 13) == u"one x");
  // Blanks before the caret go first, then the breaks; a blank above stays.
  CHECK(Left(u"one \r\nx", 6) == u"one x");
  CHECK(Left(u"under_score9", 12) == u"");
  CHECK(Left(u"a--", 3) == u"a");
  CHECK(Left(u"\u00E4\u00F6\u00FC", 3) == u"");
}

TEST_CASE("Ctrl+Delete stops where the word rules say") {
  CHECK(Right(u"foo.bar", 0) == u"bar");
  CHECK(Right(u"  \r\n\r\nx", 0) == u"x");
  CHECK(Right(u"foo bar", 0) == u"bar");
  CHECK(Right(u"foo.. bar", 0) == u"bar");
  CHECK(Right(u".. bar", 0) == u"bar");
  CHECK(Right(u"a\tb", 1) == u"ab");
}

TEST_CASE("word deletion does nothing at the text's edges") {
  CHECK(WordLeftStart(u"abc", 0) == 0);
  CHECK(WordLeftStart(u"abc", 7) == 7);
  CHECK(WordRightEnd(u"abc", 3) == 3);
  CHECK(WordRightEnd(u"abc", 9) == 9);
  CHECK(WordLeftStart(u"", 0) == 0);
  CHECK(WordRightEnd(u"", 0) == 0);
}

TEST_CASE("word characters") {
  CHECK(IsWordChar(u'_'));
  CHECK(IsWordChar(u'a'));
  CHECK(IsWordChar(u'7'));
  CHECK(IsWordChar(u'\u00DF'));
  CHECK_FALSE(IsWordChar(u'\0'));
  CHECK_FALSE(IsWordChar(u'.'));
  CHECK_FALSE(IsWordChar(u' '));
  CHECK_FALSE(IsWordChar(u'-'));
}

TEST_CASE("overwrite mode replaces the unit after the caret, never a line break") {
  struct TCase {
    std::size_t Start, End, LineEnd, From, To;
  };
  const TCase cases[] = {
      {2, 2, 5, 2, 3},  // inside the line: the next unit
      {4, 4, 5, 4, 5},  // the last unit of the line
      {5, 5, 5, 5, 5},  // at the line's end: inserted
      {1, 4, 5, 1, 4},  // a selection as a whole
      {3, 9, 5, 3, 9},  // also across the line's end
  };
  for (const TCase& c : cases) {
    TTypedRange r = OverwrittenRange(c.Start, c.End, c.LineEnd);
    CAPTURE(c.Start);
    CHECK(r.From == c.From);
    CHECK(r.To == c.To);
  }
}

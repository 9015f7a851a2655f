#include "commands/cleanup.h"
#include "rules_by_value.h"

#include <random>

#include "test_support.h"

namespace {

// The clean-up written out line by line, as the reference.
std::u16string CleanUpReference(std::u16string_view text) {
  std::u16string out;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t end = i;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
    std::size_t trimmed = end;
    while (trimmed > i && (text[trimmed - 1] == u' ' || text[trimmed - 1] == u'\t')) --trimmed;
    for (std::size_t k = i; k < trimmed; ++k) {
      if (text[k] == u'\t') {
        out += u"  ";
      } else {
        out += text[k];
      }
    }
    i = end;
    if (i < text.size() && text[i] == u'\r') {
      out += text[i++];
      if (i < text.size() && text[i] == u'\n') out += text[i++];
    } else if (i < text.size()) {
      out += text[i++];
    }
  }
  return out;
}

}  // namespace

TEST_CASE("clean-up drops trailing blanks and widens tabs") {
  CHECK(CleanUpText(u"a\t \r\n\tb") == u"a\r\n  b");
  CHECK(CleanUpText(u"a\tb  ") == u"a  b");
  CHECK(CleanUpText(u" \t \r\n\t\r\n") == u"\r\n\r\n");
  CHECK(CleanUpText(u"x \ry\t\nz ") == u"x\ry\nz");  // lone CR and LF stay
  CHECK(CleanUpText(u"a \r\r\n\n") == u"a\r\r\n\n");
  // Special spaces and other characters are not blanks.
  CHECK(CleanUpText(u"a\u00A0\r\n\u3000\u201C \r\n") == u"a\u00A0\r\n\u3000\u201C\r\n");
  CHECK(CleanUpText(u"\t\t") == u"");
  CHECK(CleanUpText(u"") == u"");
  std::u16string clean = u"already\r\nclean\r\n";
  CHECK(CleanUpText(clean) == clean);
}

TEST_CASE("clean-up agrees with the line-by-line reference") {
  const char16_t alphabet[] = {u' ', u'\t', u'\r', u'\n', u'a', u'\u00A0', u'\0', u'\x0B'};
  std::mt19937 rng(11);
  for (int round = 0; round < 20000; ++round) {
    std::u16string text;
    std::size_t len = rng() % 40;
    for (std::size_t i = 0; i < len; ++i) text += alphabet[rng() % 8];
    CAPTURE(text);
    REQUIRE(CleanUpText(text) == CleanUpReference(text));
  }
  // Long lines with rare tabs and breaks, through the wide copying path;
  // the output string is reused from round to round.
  std::u16string out = u"left over";
  for (int round = 0; round < 3000; ++round) {
    std::u16string text;
    std::size_t len = rng() % 300;
    for (std::size_t i = 0; i < len; ++i) {
      unsigned r = rng() % 64;
      text += r < 40 ? u'x' : (r < 58 ? u' ' : alphabet[r % 8]);
    }
    CAPTURE(text);
    CleanUpText(text, out);
    REQUIRE(out == CleanUpReference(text));
  }
}

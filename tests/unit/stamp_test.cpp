#include "commands/stamp.h"
#include "rules_by_value.h"
#include "test_support.h"

namespace {

// Ctrl+D with the caret on the line that starts at lineStart, lines ending in CR LF.
std::u16string Duplicate(std::u16string text, std::size_t lineStart) {
  std::size_t brk = text.find(u"\r\n", lineStart);
  std::size_t lineEnd = brk == std::u16string::npos ? text.size() : brk;
  std::size_t e = brk == std::u16string::npos ? text.size() : brk + 2;
  bool atEnd = e == text.size();
  std::u16string_view tail(text);
  tail = tail.substr(tail.size() < 2 ? 0 : tail.size() - 2);
  std::u16string insert =
      DuplicateLineText(std::u16string_view(text).substr(lineStart, lineEnd - lineStart), atEnd, tail);
  text.insert(e, insert);
  return text;
}

}  // namespace

TEST_CASE("the stamp: four-digit year, two-digit fields, a tab, 24-hour clock") {
  CHECK(FormatStamp({2026, 12, 6, 14, 5, 9}) == u"2026-12-06\t14:05:09");
  CHECK(FormatStamp({987, 1, 31, 0, 0, 0}) == u"0987-01-31\t00:00:00");
  CHECK(FormatStamp({2027, 2, 1, 23, 59, 59}) == u"2027-02-01\t23:59:59");
  CHECK(LogStampText(u"2026-12-06\t14:05:09") == u"\r\n2026-12-06\t14:05:09\r\n");
}

TEST_CASE("duplicating a line puts its copy below it") {
  CHECK(Duplicate(u"a\r\nx", 3) == u"a\r\nx\r\nx\r\n");
  CHECK(Duplicate(u"a\r\nx", 0) == u"a\r\na\r\nx");
  CHECK(Duplicate(u"x", 0) == u"x\r\nx\r\n");
  CHECK(Duplicate(u"a\r\nx\r\n", 3) == u"a\r\nx\r\nx\r\n");
  CHECK(Duplicate(u"\tein Satz\r\nb", 0) == u"\tein Satz\r\n\tein Satz\r\nb");
}

TEST_CASE("empty and blank lines are not duplicated") {
  CHECK(Duplicate(u"a\r\n\r\nb", 3) == u"a\r\n\r\nb");
  CHECK(Duplicate(u"a\r\n  \t \r\nb", 3) == u"a\r\n  \t \r\nb");
  CHECK(Duplicate(u"  ", 0) == u"  ");
  CHECK(IsBlankForDuplicate(u" \t\r\n"));
  CHECK_FALSE(IsBlankForDuplicate(u" .  "));
  CHECK_FALSE(IsBlankForDuplicate(u"\u4E00"));  // no one-byte form: not blank
  CHECK_FALSE(IsBlankForDuplicate(u"\u00A0"));  // a byte of its own in the ANSI code page
}

#include "commands/code_point.h"
#include "test_support.h"

namespace {

struct TResult {
  std::u16string text;
  std::size_t caret;
};

// Alt+C with the caret at the end of before, followed by after.
TResult AltC(std::u16string before, std::u16string after = u"") {
  std::u16string text = before + after;
  TTextEdit edit{};
  if (!CodePointEdit(text, before.size(), edit)) return {text, before.size()};
  text.replace(edit.start, edit.end - edit.start, edit.text);
  return {text, edit.start + edit.text.size()};
}

}  // namespace

TEST_CASE("hex digits before the caret become the character") {
  CHECK(AltC(u"e9").text == u"\u00E9");
  CHECK(AltC(u"caf\u00E9 U+e9").text == u"caf\u00E9 \u00E9");
  CHECK(AltC(u"u+1f600").text == u"\U0001F600");
  CHECK(AltC(u"u+1f600").caret == 2);
  CHECK(AltC(u"x add", u" y").text == u"x \u0ADD y");
  CHECK(AltC(u"U+0").text == u"");        // value 0 removes digits and prefix
  CHECK(AltC(u"ab00").text == u"\uAB00");
  CHECK(AltC(u"d800").text == std::u16string(1, u'\xD800'));  // inserted as it is
  CHECK(AltC(u"U+10FFFF").text == u"\U0010FFFF");
  CHECK(AltC(u"ue9").text == u"u\u00E9");  // no "+": the digits alone
}

TEST_CASE("otherwise the character before the caret becomes its code point") {
  CHECK(AltC(u"a").text == u"U+0061");     // one digit without prefix is not hex
  CHECK(AltC(u"x\u00E9", u"!").text == u"xU+00E9!");
  CHECK(AltC(u"x\u00E9", u"!").caret == 7);
  CHECK(AltC(u"1234567").text == u"123456U+0037");  // only six read: too large
  CHECK(AltC(u"U+110000").text == u"U+11000U+0030");
  CHECK(AltC(u"\U0001F600").text == u"U+1F600");
  CHECK(AltC(std::u16string(1, u'\xDC05')).text == u"U+DC05");  // lone low surrogate
  CHECK(AltC(u"\xD83D" u"x").text == u"\xD83D" u"U+0078");
  CHECK(AltC(std::u16string(1, u'\0')).text == u"U+0000");
  CHECK(AltC(u"G").text == u"U+0047");
  CHECK(AltC(u"\uFF11\uFF12").text == u"\uFF11U+FF12");  // full-width digits are not hex
}

TEST_CASE("twice restores the character") {
  for (std::u16string c : {u"\u00E9", u"\U0001F600", u"\u20AC", u"Z"}) {
    TResult once = AltC(u"x" + c, u"y");
    TResult twice = AltC(once.text.substr(0, once.caret), once.text.substr(once.caret));
    CHECK(twice.text == u"x" + c + u"y");
    CHECK(twice.caret == 1 + c.size());
  }
}

TEST_CASE("nothing to convert") {
  TTextEdit edit{};
  CHECK_FALSE(CodePointEdit(u"", 0, edit));
  CHECK_FALSE(CodePointEdit(u"abc", 0, edit));
  CHECK_FALSE(CodePointEdit(u"abc", 4, edit));
}

TEST_CASE("hex parsing and code-point text") {
  std::uint32_t v = 0;
  CHECK(ParseHex(u"1F600", v));
  CHECK(v == 0x1F600);
  CHECK(ParseHex(u"ffffffff", v));
  CHECK(v == 0xFFFFFFFFu);
  CHECK_FALSE(ParseHex(u"100000000", v));
  CHECK_FALSE(ParseHex(u"", v));
  CHECK_FALSE(ParseHex(u"12g", v));
  CHECK(FormatCodePoint(0) == u"U+0000");
  CHECK(FormatCodePoint(0xE9) == u"U+00E9");
  CHECK(FormatCodePoint(0x1F600) == u"U+1F600");
  CHECK(FormatCodePoint(0x10FFFF) == u"U+10FFFF");
  CHECK(IsHexDigit(u'f'));
  CHECK_FALSE(IsHexDigit(u'g'));
  CHECK_FALSE(IsHexDigit(u'\uFF10'));
}

#include "document/encoding.h"

#include <random>
#include <string>

#include "encoding_reference.h"
#include "test_support.h"
#include "rules_by_value.h"

namespace {

using namespace reference;

bool IsUtf8(const Bytes& b) { return IsUtf8Text(b.data(), b.size()); }
bool Dos(const Bytes& b) { return LooksLikeDos437(b.data(), b.size()); }
TextEncoding Mark(const Bytes& b) { return DetectByteOrderMark(b.data(), b.size()); }

Bytes Filter(Bytes b) {
  b.resize(FilterDosControlBytes(b.data(), b.size()));
  return b;
}

// Random bytes that hit the interesting cases often: mostly valid UTF-8 with
// occasional damage, or bytes drawn from the classes the rules look at.
Bytes RandomBytes(std::mt19937& rng) {
  static const unsigned char pool[] = {'a', ' ', '\n', 0,    0x01, 0x0C, 0x16, 0x7F, 0x80, 0x81,
                                       0x8D, 0x8F, 0x90, 0x9D, 0xBF, 0xB0, 0xC0, 0xC3, 0xDF, 0xE0,
                                       0xE2, 0xEF, 0xF0, 0xF4, 0xF7, 0xF8, 0xFF, 0xBB, 0xFE};
  std::size_t len = rng() % 4 == 0 ? rng() % 2000 : rng() % 70;
  Bytes b;
  bool utf8 = rng() % 2 == 0;
  while (b.size() < len) {
    if (utf8) {
      static const char* seqs[] = {"a", "b c ", "\xC3\xA4", "\xE2\x82\xAC", "\xF0\x9F\x98\x80",
                                   "\xF5\x80\x80\x80", "\xC0\xAF", "0123456789abcdef"};
      b += seqs[rng() % 8];
      if (rng() % 500 == 0) b[rng() % b.size()] = static_cast<char>(pool[rng() % sizeof pool]);
    } else {
      b += static_cast<char>(pool[rng() % sizeof pool]);
    }
  }
  if (rng() % 8 == 0 && !b.empty()) b.pop_back();  // cut a sequence at the end
  return b;
}

std::u16string RandomText(std::mt19937& rng) {
  static const char16_t pool[] = {u'a', u' ', u'\r', u'\n', u'\n', 0xE4, 0xFF, 0x100, 0x20AC, 0};
  std::size_t len = rng() % 4 == 0 ? rng() % 3000 : rng() % 40;
  std::u16string t;
  for (std::size_t i = 0; i < len; ++i) {
    // Mostly ASCII, so that blocks without any unit of 256 or above occur.
    t += rng() % 16 ? static_cast<char16_t>(u'a' + rng() % 3) : pool[rng() % 10];
    if (rng() % 40 == 0) t += u'\n';
  }
  return t;
}

}  // namespace

TEST_CASE("byte-order marks") {
  CHECK(Mark("") == Ansi);
  CHECK(Mark("\xEF") == Ansi);
  CHECK(Mark("\xFF") == Ansi);
  CHECK(Mark("\xEF\xBB") == Ansi);
  CHECK(Mark("\xEF\xBB\xBF") == Utf8);
  CHECK(Mark("\xEF\xBB\xBFx") == Utf8);
  CHECK(Mark("\xFF\xFE") == Utf16);
  CHECK(Mark("\xFE\xFF\x00x") == BigEndianMark);
  CHECK(Mark("\xBB\xEF\xBF") == Ansi);
  CHECK(DecodeUtf16("\xFF\xFE", 2).empty());
}

TEST_CASE("the loose UTF-8 test") {
  CHECK_FALSE(IsUtf8(""));
  CHECK_FALSE(IsUtf8("plain ASCII only"));
  CHECK(IsUtf8("\xC3\xA4"));
  CHECK(IsUtf8("x\xE2\x82\xAC"));
  CHECK(IsUtf8("\xF5\x80\x80\x80"));  // leads up to F7 pass
  CHECK(IsUtf8("\xC0\xAF"));          // overlong forms pass here
  CHECK(IsUtf8("\xED\xA0\x80"));      // and surrogates
  CHECK_FALSE(IsUtf8("\xF8\x80\x80\x80"));
  CHECK_FALSE(IsUtf8("ab\xC3"));              // lead byte last
  CHECK_FALSE(IsUtf8("ab\xE2\x82"));          // cut after two bytes
  CHECK_FALSE(IsUtf8("\x80"));                // continuation without a lead
  CHECK_FALSE(IsUtf8("\xC3\xA4\xA4"));        // one continuation too many
  CHECK_FALSE(IsUtf8("\xE2\x82x"));
  // Sequences across the 16-byte blocks of the fast path, and at their ends.
  for (std::size_t pad = 0; pad < 40; ++pad) {
    Bytes a(pad, 'a');
    CAPTURE(pad);
    CHECK(IsUtf8(a + "\xF0\x9F\x98\x80" + a));
    CHECK_FALSE(IsUtf8(a + "\xF0\x9F\x98"));
    CHECK_FALSE(IsUtf8(a + "\xF0\x9F\x98" + a));
    CHECK_FALSE(IsUtf8(a + "\xBF" + a));
    CHECK_FALSE(IsUtf8(a + "\xFF"));
  }
}

TEST_CASE("the MS-DOS heuristic") {
  CHECK_FALSE(Dos(""));
  CHECK(Dos("\x81"));
  CHECK(Dos(Bytes(1000, '\0') + "\x9D"));  // one of the five bytes wins over everything
  for (char c : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'}) CHECK(Dos(Bytes(300, 'a') + c));
  Bytes zeros(100, 'a');
  zeros[10] = zeros[20] = zeros[30] = '\0';
  CHECK_FALSE(Dos(zeros));  // 100 / 50 = 2 < 3
  Bytes graphics(3200, 'a');
  for (int k = 0; k < 16; ++k) graphics[static_cast<std::size_t>(k) * 100] = '\xB0';
  CHECK_FALSE(Dos(graphics));  // 3200 / 200 = 16 is not below 16
  graphics[1700] = '\xDF';
  CHECK(Dos(graphics));
  // Two zero bytes are allowed in 100 bytes, if the graphics are there.
  Bytes box(100, '\xCD');
  box[0] = box[1] = '\0';
  CHECK(Dos(box));
  box[2] = '\0';
  CHECK_FALSE(Dos(box));
  CHECK_FALSE(Dos(Bytes(100, '\xAF')));
  CHECK_FALSE(Dos(Bytes(100, '\xE0')));
}

TEST_CASE("MS-DOS control bytes") {
  CHECK(Filter("A\x01" "B\x0C" "C\x16" "D") == "ABC D");
  CHECK(Filter("") == "");
  CHECK(Filter("\x01\x01\x0C") == "");
  // Long runs, so the block-wise path moves text down after a removal.
  Bytes in, want;
  for (int k = 0; k < 50; ++k) {
    in += "0123456789abcdefghij\x01\x16";
    want += "0123456789abcdefghij ";
  }
  CHECK(Filter(in) == want);
}

TEST_CASE("line feeds become CR LF") {
  CHECK(ToCrLf(u"a\nb\r\nc\rd") == u"a\r\nb\r\nc\rd");
  CHECK(ToCrLf(u"\n") == u"\r\n");
  CHECK(ToCrLf(u"\n\n") == u"\r\n\r\n");
  CHECK(ToCrLf(u"\r\r\n") == u"\r\r\n");
  CHECK(ToCrLf(u"") == u"");
  std::u16string eight(7, u'x');
  CHECK(ToCrLf(eight + u"\r\n" + eight + u"\n") == eight + u"\r\n" + eight + u"\r\n");
}

TEST_CASE("Unicode test is about U+0100, not about the code page") {
  CHECK_FALSE(NeedsUnicode(u""));
  CHECK_FALSE(NeedsUnicode(u"ä\u00FF\u0080 text"));
  CHECK(NeedsUnicode(u"\u20AC"));  // the euro sign counts although 1252 holds it
  CHECK(NeedsUnicode(std::u16string(1000, u'a') + u"\u0100"));
}

TEST_CASE("fast rules agree with the byte-by-byte definitions") {
  std::mt19937 rng(20261207);
  for (int round = 0; round < 20000; ++round) {
    Bytes b = RandomBytes(rng);
    CAPTURE(round);
    REQUIRE(IsUtf8(b) == RefIsUtf8(b));
    REQUIRE(Dos(b) == RefLooksLikeDos(b));
    REQUIRE(Filter(b) == RefFilter(b));
    // Given a prefix, no rule may look past it, whatever the bytes after it are.
    std::size_t cut = rng() % (b.size() + 1);
    REQUIRE(IsUtf8Text(b.data(), cut) == RefIsUtf8(b.substr(0, cut)));
    REQUIRE(LooksLikeDos437(b.data(), cut) == RefLooksLikeDos(b.substr(0, cut)));
    std::u16string t = RandomText(rng);
    REQUIRE(ToCrLf(t) == RefToCrLf(t));
    REQUIRE(NeedsUnicode(t) == RefNeedsUnicode(t));
  }
}

TEST_CASE("decoders") {
  std::u16string text;
  CHECK(DecodeUtf8("\xEF\xBB\xBF" "a\xC3\xA4", 6, text));
  CHECK(text == u"aä");  // the mark is not part of the text
  CHECK_FALSE(DecodeUtf8("\xEF\xBB", 2, text));  // two mark bytes are no mark, and no UTF-8
  CHECK(DecodeUtf8("\xF0\x9F\x98\x80", 4, text));
  CHECK(text == u"\U0001F600");
  CHECK_FALSE(DecodeUtf8("\xC0\xAF", 2, text));  // overlong
  CHECK_FALSE(DecodeUtf8("\xED\xA0\x80", 3, text));  // surrogate
  CHECK_FALSE(DecodeUtf8("\xF5\x80\x80\x80", 4, text));  // above U+10FFFF
  CHECK(text.empty());

  CHECK(DecodeUtf16("\xFF\xFE" "a\0\x00\xD8\x00\xDC" "b", 9) == u"a\U00010000");  // odd byte dropped
  CHECK(DecodeUtf16("\xFF", 1).empty());
  CHECK(DecodeUtf16BigEndian("\xFE\xFF\0a\x20\xAC" "b", 7) == u"a\u20AC");

  CHECK(DecodeCodePage(CodePageDos437, "\x81\xE1\xC9\0x", 5) == std::u16string(u"üß╔\0x", 5));
  CHECK(DecodeCodePage(CodePageAnsi, "Gr\xFC\xDF\x80", 5) == u"Grüß€");
}

TEST_CASE("encoders") {
  CHECK(EncodeUtf8(u"aä€\U0001F600") == "a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80");
  CHECK(EncodeUtf8(u"") == "");
  CHECK(EncodeAnsi(u"Grüß€") == "Gr\xFC\xDF\x80");
  bool replaced = true;
  CHECK(EncodeDos437(u"aü╔", replaced) == "a\x81\xC9");
  CHECK_FALSE(replaced);
  CHECK(EncodeDos437(u"ä€", replaced) == "\x84?");
  CHECK(replaced);
  CHECK(EncodeDos437(u"", replaced) == "");
  CHECK_FALSE(replaced);
#ifdef _WIN32
  // No best fit for code page 437: a character with only a look-alike becomes '?'.
  CHECK(EncodeDos437(u"\u0100", replaced) == "?");
  CHECK(replaced);
#endif
}

TEST_CASE("extensions") {
  CHECK(ExtensionOf(u"C:\\my.docs\\readme") == u".docs\\readme");
  CHECK_FALSE(IsUtf8Extension(u"C:\\my.docs\\readme"));
  CHECK(ExtensionOf(u"C:\\docs\\readme").empty());
  CHECK(ExtensionOf(u"a.tar.gz") == u".gz");
  CHECK(ExtensionOf(u"name.") == u".");
  CHECK(IsUtf8Extension(u"INDEX.HTML"));
  for (const char16_t* name : {u"a.html", u"a.htm", u"a.css", u"a.js", u"a.srt", u"a.vtt", u"a.JSON"})
    CHECK(IsUtf8Extension(name));
  CHECK_FALSE(IsUtf8Extension(u"a.html.txt"));
  CHECK_FALSE(IsUtf8Extension(u"a.jsx"));
  CHECK_FALSE(IsUtf8Extension(u"html"));
  CHECK(IsNoBomExtension(u"C:\\x\\RUN.CMD"));
  CHECK(IsNoBomExtension(u"run.bat"));
  CHECK_FALSE(IsNoBomExtension(u"run.cmd.txt"));
  CHECK_FALSE(IsUtf8Extension(u"run.cmd"));
}

TEST_CASE("display names") {
  CHECK(EncodingDisplayName(Ansi) == u"ANSI");
  CHECK(EncodingDisplayName(Utf8) == u"UTF-8");
  CHECK(EncodingDisplayName(Utf16) == u"UTF-16");
  CHECK(EncodingDisplayName(BigEndianMark) == u"?");
  CHECK(EncodingDisplayName(Dos437) == u"DOS CP437");
  CHECK(EncodingDisplayName(5) == u"?");
}

#include "dialogs/glyphs.h"
#include "platform/text.h"
#include "test_support.h"

TEST_CASE("OEM glyphs: a blank for 0, screen symbols for the control bytes and 127") {
  CHECK(OemGlyph(0) == u' ');
  CHECK(OemGlyph(1) == u'\u263A');
  CHECK(OemGlyph(7) == u'\u25CF');  // the filled circle, not the bullet
  CHECK(OemGlyph(10) == u'\u25D9');
  CHECK(OemGlyph(13) == u'\u266A');
  CHECK(OemGlyph(20) == u'\u00B6');
  CHECK(OemGlyph(21) == u'\u00A7');
  CHECK(OemGlyph(31) == u'\u25BC');
  CHECK(OemGlyph(127) == u'\u2302');
}

TEST_CASE("OEM glyphs: the other bytes come from code page 437") {
  CHECK(OemGlyph(32) == u' ');
  CHECK(OemGlyph('A') == u'A');
  CHECK(OemGlyph(126) == u'~');
  CHECK(OemGlyph(0x80) == u'\u00C7');
  CHECK(OemGlyph(0x8E) == u'\u00C4');
  CHECK(OemGlyph(0xB3) == u'\u2502');
  CHECK(OemGlyph(0xC9) == u'\u2554');
  CHECK(OemGlyph(0xE1) == u'\u00DF');
  CHECK(OemGlyph(0xFF) == u'\u00A0');
}

TEST_CASE("ANSI glyphs: the undefined positions are blanks") {
  for (unsigned char b : {0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D}) CHECK(AnsiGlyph(b) == u' ');
  CHECK(AnsiGlyph(' ') == u' ');
  CHECK(AnsiGlyph('A') == u'A');
  CHECK(AnsiGlyph(0x7E) == u'~');
}

TEST_CASE("ANSI glyphs on code page 1252") {
  if (AnsiCodePage() != 1252) return;
  CHECK(AnsiGlyph(0x80) == u'\u20AC');
  CHECK(AnsiGlyph(0x8A) == u'\u0160');
  CHECK(AnsiGlyph(0x9F) == u'\u0178');
  CHECK(AnsiGlyph(0xA0) == u'\u00A0');
  CHECK(AnsiGlyph(0xDF) == u'\u00DF');
  CHECK(AnsiGlyph(0xFF) == u'\u00FF');
}

TEST_CASE("OEM glyphs: every screen symbol of the control bytes, by the MS-DOS chart") {
  // Code, then the symbol; 1..31, then 127.
  const char16_t chart[32] = {u'\u263A', u'\u263B', u'\u2665', u'\u2666', u'\u2663', u'\u2660', u'\u25CF', u'\u25D8',
                              u'\u25CB', u'\u25D9', u'\u2642', u'\u2640', u'\u266A', u'\u266B', u'\u263C', u'\u25BA',
                              u'\u25C4', u'\u2195', u'\u203C', u'\u00B6', u'\u00A7', u'\u25AC', u'\u21A8', u'\u2191',
                              u'\u2193', u'\u2192', u'\u2190', u'\u221F', u'\u2194', u'\u25B2', u'\u25BC', u'\u2302'};
  for (int b = 1; b <= 32; ++b) {
    unsigned char code = static_cast<unsigned char>(b == 32 ? 127 : b);
    CAPTURE(int(code));
    CHECK(OemGlyph(code) == chart[b - 1]);
  }
}

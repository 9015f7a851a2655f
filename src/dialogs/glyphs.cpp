// Byte-to-character mappings of the character table and the listings.
#include "dialogs/glyphs.h"

#include <string>

#include "platform/text.h"

namespace {

// What code page 437 shows on screen for the control bytes 1..31.
constexpr char16_t OemControlGlyphs[32] = {
    u' ',      u'\u263A', u'\u263B', u'\u2665', u'\u2666', u'\u2663', u'\u2660', u'\u25CF',
    u'\u25D8', u'\u25CB', u'\u25D9', u'\u2642', u'\u2640', u'\u266A', u'\u266B', u'\u263C',
    u'\u25BA', u'\u25C4', u'\u2195', u'\u203C', u'\u00B6', u'\u00A7', u'\u25AC', u'\u21A8',
    u'\u2191', u'\u2193', u'\u2192', u'\u2190', u'\u221F', u'\u2194', u'\u25B2', u'\u25BC',
};

// One byte through the platform's conversion, '?' when it yields nothing.
char16_t ConvertByte(unsigned codePage, unsigned char b) {
  char byte = static_cast<char>(b);
  std::u16string out;
  if (!DecodeBytes(codePage, &byte, 1, false, out) || out.empty()) return u'?';
  return out[0];
}

}  // namespace

char16_t AnsiGlyph(unsigned char b) {
  switch (b) {
    case 0x7F:
    case 0x81:
    case 0x8D:
    case 0x8F:
    case 0x90:
    case 0x9D:
      return u' ';
    default:
      return ConvertByte(AnsiCodePage(), b);
  }
}

char16_t OemGlyph(unsigned char b) {
  if (b < 32) return OemControlGlyphs[b];
  if (b == 127) return u'\u2302';
  return ConvertByte(CodePageDos437, b);
}

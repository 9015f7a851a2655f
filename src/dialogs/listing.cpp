// The character-set listings of Ctrl+3 and Ctrl+0.
#include "dialogs/listing.h"

#include <string_view>

#include "dialogs/glyphs.h"

namespace {

constexpr std::u16string_view AnsiHeading = u"Codepage 1252 (ANSI)\r\n";
constexpr std::u16string_view DosHeading = u"Code page 437 (IBM)\r\n";
constexpr std::u16string_view LatinHeading = u"\r\nLateinisch, erweitert-A\r\n";
constexpr std::u16string_view RussianHeading = u"\r\nKyrillisch (Russisch)\r\n";
constexpr std::u16string_view UkrainianPiece = u"\r\nKyrillisch (Ukrainischer Zusatz)\r\nЃ Є І Ї ѓ є і ї";

// Appends c and what follows it in the grid: a line break after every 32nd
// character, counted by `count` (code + 1 for the byte grids, the position
// from 1 for the Unicode sections), a blank after every other.
void PutGridCharacter(std::u16string& out, char16_t c, unsigned count) {
  out += c;
  if (count % 32 == 0) out += u"\r\n";
  else out += u' ';
}

// The characters first..last in code order; the section has a multiple of 32.
void PutSection(std::u16string& out, char16_t first, char16_t last) {
  for (unsigned c = first; c <= last; ++c) PutGridCharacter(out, static_cast<char16_t>(c), c - first + 1);
}

}  // namespace

std::u16string CharacterListing(bool ansi) {
  std::u16string out;
  out.reserve(ansi ? 970 : 541);
  if (!ansi) {
    out += DosHeading;
    for (unsigned code = 0; code <= 255; ++code)
      PutGridCharacter(out, OemGlyph(static_cast<unsigned char>(code)), code + 1);
    return out;
  }
  out += AnsiHeading;
  for (unsigned code = 32; code <= 255; ++code)
    PutGridCharacter(out, AnsiGlyph(static_cast<unsigned char>(code)), code + 1);
  out += LatinHeading;
  PutSection(out, u'\u0100', u'\u017F');
  out += RussianHeading;
  PutSection(out, u'\u0410', u'\u044F');
  out += UkrainianPiece;
  return out;
}

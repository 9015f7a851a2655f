// The rows of the character table and the search keys of its type-to-find.
#include "dialogs/char_table.h"

#include <cstdio>

#include "dialogs/glyphs.h"

namespace {

struct TKeyGroup {
  char16_t key;
  const char16_t* members;
};

// Which characters the type-to-find folds to which key.
constexpr TKeyGroup KeyGroups[] = {
    {u'A', u"\u00C0\u00C1\u00C2\u00C3\u00C4\u00C5\u00C6\u0100\u0102\u0104"},
    {u'a', u"\u00AA\u00E0\u00E1\u00E2\u00E3\u00E4\u00E5\u00E6\u0101\u0103\u0105"},
    {u'C', u"\u00C7\u0106\u0108\u010A\u010C"},
    {u'c', u"\u00E7\u0107\u0109\u010B\u010D"},
    {u'D', u"\u00D0\u010E\u0110"},
    {u'd', u"\u00F0\u010F\u0111"},
    {u'E', u"\u00C8\u00C9\u00CA\u00CB\u0112\u0114\u0116\u0118\u011A"},
    {u'e', u"\u00E8\u00E9\u00EA\u00EB\u0113\u0115\u0117\u0119\u011B"},
    {u'G', u"\u011C\u011E\u0120\u0122"},
    {u'g', u"\u011D\u011F\u0121\u0123"},
    {u'H', u"\u0124\u0126"},
    {u'h', u"\u0125\u0127"},
    {u'I', u"\u00CC\u00CD\u00CE\u00CF\u0128\u012A\u012C\u012E\u0130\u0132"},
    {u'i', u"\u00EC\u00ED\u00EE\u00EF\u0129\u012B\u012D\u012F\u0131\u0133"},
    {u'J', u"\u0134"},
    {u'j', u"\u0135"},
    {u'K', u"\u0136"},
    {u'k', u"\u0137\u0138"},
    {u'L', u"\u0139\u013B\u013D\u013F\u0141"},
    {u'l', u"\u013A\u013C\u013E\u0140\u0142"},
    {u'N', u"\u00D1\u0143\u0145\u0147\u014A"},
    {u'n', u"\u00F1\u0144\u0146\u0148\u0149\u014B"},
    {u'O', u"\u00D2\u00D3\u00D4\u00D5\u00D6\u00D8\u014C\u014E\u0150\u0152"},
    {u'o', u"\u00BA\u00F2\u00F3\u00F4\u00F5\u00F6\u00F8\u014D\u014F\u0151\u0153"},
    {u'R', u"\u0154\u0156\u0158"},
    {u'r', u"\u0155\u0157\u0159"},
    {u'S', u"\u015A\u015C\u015E\u0160\u1E9E"},
    {u's', u"\u00DF\u015B\u015D\u015F\u0161\u017F"},
    {u'T', u"\u0162\u0164\u0166"},
    {u't', u"\u0163\u0165\u0167"},
    {u'U', u"\u00D9\u00DA\u00DB\u00DC\u0168\u016A\u016C\u016E\u0170\u0172"},
    {u'u', u"\u00F9\u00FA\u00FB\u00FC\u0169\u016B\u016D\u016F\u0171\u0173"},
    {u'W', u"\u0174"},
    {u'w', u"\u0175"},
    {u'Y', u"\u00DD\u0176\u0178"},
    {u'y', u"\u00FD\u00FF\u0177"},
    {u'Z', u"\u0179\u017B\u017D"},
    {u'z', u"\u017A\u017C\u017E"},
    {u'0', u"\u00B0\u00B2\u00B3\u00B9"},
    {u'4', u"\u00BC\u00BD\u00BE"},
    {u'.', u"!,:;?\u00A1\u00B7\u00BF\u00D7\u00F7\u2022"},
    {u'\'', u"\"\u00AB\u00BB\u2018\u2019\u201A\u201C\u201D\u201E\u2039\u203A"},
};

// The three row shapes: codes 0..255, Latin Extended-A, and the rows with
// four-digit decimals (capital sharp s, Cyrillic).
enum class TRowShape { Byte, LatinExtended, Wide };

std::u16string Row(char16_t c, int code, TRowShape shape) {
  const char* format = shape == TRowShape::Byte            ? " = %03i  %02Xh"
                       : shape == TRowShape::LatinExtended ? " = %03i %02Xh"
                                                           : " =%04i %03Xh";
  char digits[24];
  int n = std::snprintf(digits, sizeof digits, format, code, static_cast<unsigned>(code));
  std::u16string row(1, c);
  for (int i = 0; i < n; ++i) row.push_back(static_cast<char16_t>(digits[i]));
  return row;
}

void AddWide(std::vector<std::u16string>& rows, char16_t c) { rows.push_back(Row(c, c, TRowShape::Wide)); }

}  // namespace

char16_t SearchKey(char16_t c) {
  for (const TKeyGroup& g : KeyGroups)
    if (std::u16string_view(g.members).find(c) != std::u16string_view::npos) return g.key;
  return c;
}

std::vector<std::u16string> CharTableRows(bool ansi) {
  std::vector<std::u16string> rows;
  if (!ansi) {
    for (int b = 0; b < 256; ++b) rows.push_back(Row(OemGlyph(static_cast<unsigned char>(b)), b, TRowShape::Byte));
    return rows;
  }
  for (int b = 32; b < 256; ++b) rows.push_back(Row(AnsiGlyph(static_cast<unsigned char>(b)), b, TRowShape::Byte));
  rows.push_back(u"--Lat.Ext.A--");
  for (char16_t c = 0x100; c <= 0x17F; ++c) rows.push_back(Row(c, c, TRowShape::LatinExtended));
  AddWide(rows, 0x1E9E);
  rows.push_back(u"--Kyrill.----");
  for (char16_t c = 0x410; c <= 0x44F; ++c) AddWide(rows, c);
  rows.push_back(u"--Ukrainisch-");
  for (char16_t c : std::u16string_view(u"\u0403\u0404\u0406\u0407\u0453\u0454\u0456\u0457")) AddWide(rows, c);
  return rows;
}

int TypeToFindRow(std::u16string_view firstChars, int current, char16_t typed) {
  const int n = static_cast<int>(firstChars.size());
  if (n <= 0) return -1;
  if (current < -1 || current >= n) current = -1;
  const char16_t key = SearchKey(typed);
  for (int k = 1; k <= n; ++k) {
    int i = (current + k) % n;
    if (firstChars[static_cast<std::size_t>(i)] != 0 && SearchKey(firstChars[static_cast<std::size_t>(i)]) == key)
      return i;
  }
  return -1;
}

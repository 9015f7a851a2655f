#include "dialogs/char_table.h"
#include "platform/text.h"
#include "test_support.h"

namespace {

std::u16string FirstChars(const std::vector<std::u16string>& rows) {
  std::u16string s;
  for (const std::u16string& r : rows) s.push_back(r.empty() ? u'\0' : r[0]);
  return s;
}

// Presses the key `times` times starting at `from`; the rows visited.
std::vector<int> Walk(const std::vector<std::u16string>& rows, int from, char16_t key, int times) {
  std::u16string firsts = FirstChars(rows);
  std::vector<int> visited;
  for (int i = 0; i < times; ++i) {
    from = TypeToFindRow(firsts, from, key);
    visited.push_back(from);
  }
  return visited;
}

}  // namespace

TEST_CASE("ANSI table rows") {
  std::vector<std::u16string> rows = CharTableRows(true);
  REQUIRE(rows.size() == 428);
  CHECK(rows[0] == u"  = 032  20h");
  CHECK(rows[FirstAnsiTableIndex] == u"A = 065  41h");
  CHECK(rows[255 - 32] == u"\u00FF = 255  FFh");
  for (int b : {0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D}) CHECK(rows[static_cast<std::size_t>(b - 32)][0] == u' ');
  CHECK(rows[224] == u"--Lat.Ext.A--");
  CHECK(rows[225] == u"\u0100 = 256 100h");
  CHECK(rows[352] == u"\u017F = 383 17Fh");
  CHECK(rows[353] == u"\u1E9E =7838 1E9Eh");
  CHECK(rows[354] == u"--Kyrill.----");
  CHECK(rows[355] == u"\u0410 =1040 410h");
  CHECK(rows[418] == u"\u044F =1103 44Fh");
  CHECK(rows[419] == u"--Ukrainisch-");
  CHECK(rows[420] == u"\u0403 =1027 403h");
  CHECK(rows[427] == u"\u0457 =1111 457h");
  for (const std::u16string& r : rows) CHECK(r.size() <= CharTableRowMax);
  if (AnsiCodePage() == 1252) CHECK(rows[128 - 32] == u"\u20AC = 128  80h");
}

TEST_CASE("OEM table rows") {
  std::vector<std::u16string> rows = CharTableRows(false);
  REQUIRE(rows.size() == 256);
  CHECK(rows[0] == u"  = 000  00h");
  CHECK(rows[7] == u"\u25CF = 007  07h");
  CHECK(rows[FirstOemTableIndex] == u"A = 065  41h");
  CHECK(rows[127] == u"\u2302 = 127  7Fh");
  CHECK(rows[255] == u"\u00A0 = 255  FFh");
}

TEST_CASE("search keys fold accents and punctuation, keeping case") {
  CHECK(SearchKey(u'\u00C4') == u'A');
  CHECK(SearchKey(u'\u00E4') == u'a');
  CHECK(SearchKey(u'\u00AA') == u'a');
  CHECK(SearchKey(u'\u00DF') == u's');
  CHECK(SearchKey(u'\u1E9E') == u'S');
  CHECK(SearchKey(u'\u0138') == u'k');
  CHECK(SearchKey(u'\u00B9') == u'0');
  CHECK(SearchKey(u'\u00BD') == u'4');
  CHECK(SearchKey(u'?') == u'.');
  CHECK(SearchKey(u'\u2022') == u'.');
  CHECK(SearchKey(u'"') == u'\'');
  CHECK(SearchKey(u'\u201E') == u'\'');
  CHECK(SearchKey(u'A') == u'A');
  CHECK(SearchKey(u'\u0421') == u'\u0421');  // Cyrillic Es stays itself
  CHECK(SearchKey(u'-') == u'-');
}

TEST_CASE("type-to-find walks the rows with the same key and wraps") {
  std::vector<std::u16string> rows = CharTableRows(true);
  // S from the A row: S, 0x8A, then the Latin Extended-A rows, capital sharp s, S again.
  CHECK(Walk(rows, FirstAnsiTableIndex, u'S', 8) ==
        std::vector<int>{83 - 32, 0x8A - 32, 225 + 0x5A, 225 + 0x5C, 225 + 0x5E, 225 + 0x60, 353, 83 - 32});
  // a: the letter, then ª, à..æ, ā, ă, ą in list order.
  std::vector<int> a = Walk(rows, 0, u'a', 13);
  std::u16string seen;
  for (int i : a) seen.push_back(rows[static_cast<std::size_t>(i)][0]);
  CHECK(seen == u"a\u00AA\u00E0\u00E1\u00E2\u00E3\u00E4\u00E5\u00E6\u0101\u0103\u0105a");
  // Typing an accented letter finds by its key too.
  CHECK(Walk(rows, FirstAnsiTableIndex, u'\u00FC', 1) == std::vector<int>{'u' - 32});

  std::u16string firsts = FirstChars(rows);
  CHECK(TypeToFindRow(firsts, -1, u'!') == 1);          // nothing selected: from the top
  CHECK(TypeToFindRow(firsts, 5, u'\u4E00') == -1);     // no match: selection stays
  CHECK(TypeToFindRow(u"", 0, u'a') == -1);
  CHECK(TypeToFindRow(std::u16string(u"x\0x", 3), 0, u'x') == 2);  // empty rows are skipped
  CHECK(TypeToFindRow(u"ab", 0, u'a') == 0);           // the only match is the selected row
}

TEST_CASE("search keys: every member of every group, and nothing else folds") {
  struct TGroup {
    char16_t Key;
    std::u16string Members;
  };
  auto range = [](char16_t first, char16_t last) {
    std::u16string s;
    for (char16_t c = first; c <= last; ++c) s += c;
    return s;
  };
  const TGroup groups[] = {
      {u'A', range(0xC0, 0xC6) + u"\u0100\u0102\u0104"},
      {u'a', std::u16string(u"\u00AA") + range(0xE0, 0xE6) + u"\u0101\u0103\u0105"},
      {u'C', u"\u00C7\u0106\u0108\u010A\u010C"},
      {u'c', u"\u00E7\u0107\u0109\u010B\u010D"},
      {u'D', u"\u00D0\u010E\u0110"},
      {u'd', u"\u00F0\u010F\u0111"},
      {u'E', range(0xC8, 0xCB) + u"\u0112\u0114\u0116\u0118\u011A"},
      {u'e', range(0xE8, 0xEB) + u"\u0113\u0115\u0117\u0119\u011B"},
      {u'G', u"\u011C\u011E\u0120\u0122"},
      {u'g', u"\u011D\u011F\u0121\u0123"},
      {u'H', u"\u0124\u0126"},
      {u'h', u"\u0125\u0127"},
      {u'I', range(0xCC, 0xCF) + u"\u0128\u012A\u012C\u012E\u0130\u0132"},
      {u'i', range(0xEC, 0xEF) + u"\u0129\u012B\u012D\u012F\u0131\u0133"},
      {u'J', u"\u0134"},
      {u'j', u"\u0135"},
      {u'K', u"\u0136"},
      {u'k', u"\u0137\u0138"},
      {u'L', u"\u0139\u013B\u013D\u013F\u0141"},
      {u'l', u"\u013A\u013C\u013E\u0140\u0142"},
      {u'N', u"\u00D1\u0143\u0145\u0147\u014A"},
      {u'n', u"\u00F1\u0144\u0146\u0148\u0149\u014B"},
      {u'O', range(0xD2, 0xD6) + u"\u00D8\u014C\u014E\u0150\u0152"},
      {u'o', std::u16string(u"\u00BA") + range(0xF2, 0xF6) + u"\u00F8\u014D\u014F\u0151\u0153"},
      {u'R', u"\u0154\u0156\u0158"},
      {u'r', u"\u0155\u0157\u0159"},
      {u'S', u"\u015A\u015C\u015E\u0160\u1E9E"},
      {u's', u"\u00DF\u015B\u015D\u015F\u0161\u017F"},
      {u'T', u"\u0162\u0164\u0166"},
      {u't', u"\u0163\u0165\u0167"},
      {u'U', range(0xD9, 0xDC) + u"\u0168\u016A\u016C\u016E\u0170\u0172"},
      {u'u', range(0xF9, 0xFC) + u"\u0169\u016B\u016D\u016F\u0171\u0173"},
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
  std::u16string folded;
  for (const TGroup& g : groups)
    for (char16_t c : g.Members) {
      CAPTURE(int(c));
      CHECK(SearchKey(c) == g.Key);
      folded += c;
    }
  // Every other character of the tables is its own key.
  for (const std::u16string& row : CharTableRows(true)) {
    if (row.empty() || folded.find(row[0]) != std::u16string::npos) continue;
    CAPTURE(int(row[0]));
    CHECK(SearchKey(row[0]) == row[0]);
  }
}

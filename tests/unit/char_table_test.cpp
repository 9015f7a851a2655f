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

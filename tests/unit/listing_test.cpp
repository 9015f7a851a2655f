#include "dialogs/listing.h"

#include <vector>

#include "test_support.h"

namespace {

// The lines of the text, each without its CR LF; the last one is what follows
// the last break.
std::vector<std::u16string> Lines(std::u16string_view text) {
  std::vector<std::u16string> lines;
  std::size_t start = 0;
  for (std::size_t at = text.find(u"\r\n"); at != std::u16string_view::npos; at = text.find(u"\r\n", start)) {
    lines.emplace_back(text.substr(start, at - start));
    start = at + 2;
  }
  lines.emplace_back(text.substr(start));
  return lines;
}

// A grid line: 32 characters with a blank between each two, none at the end.
void CheckGridLine(const std::u16string& line) {
  REQUIRE(line.size() == 63);
  for (std::size_t k = 1; k < line.size(); k += 2) CHECK(line[k] == u' ');
}

std::u16string Section(char16_t first, char16_t last) {
  std::u16string out;
  for (char16_t c = first; c <= last; ++c) {
    out += c;
    out += (c - first + 1) % 32 == 0 ? u"\r\n" : u" ";
  }
  return out;
}

}  // namespace

TEST_CASE("the ANSI listing: heading, seven grid lines, three sections, no final break") {
  std::u16string text = CharacterListing(true);
  CHECK(text.size() == 970);
  CHECK(text.starts_with(u"Codepage 1252 (ANSI)\r\n  ! \""));
  CHECK(text.ends_with(u"\u0457"));
  std::vector<std::u16string> lines = Lines(text);
  REQUIRE(lines.size() == 1 + 7 + 2 + 4 + 2 + 2 + 2 + 1);
  for (int k = 1; k <= 7; ++k) CheckGridLine(lines[k]);
  // Code c stands at 2 * (c % 32) of the line for c / 32.
  for (unsigned c : {0x7Fu, 0x81u, 0x8Du, 0x8Fu, 0x90u, 0x9Du}) {
    CAPTURE(c);
    CHECK(lines[c / 32][2 * (c % 32)] == u' ');
  }
  CHECK(lines[1].substr(0, 5) == u"  ! \"");
  CHECK(lines[3].ends_with(u"~  "));  // 126, then the blank of 127
  CHECK(lines[8].empty());            // one empty line before each section heading
  CHECK(lines[9] == u"Lateinisch, erweitert-A");
  CHECK(lines[14].empty());
  CHECK(lines[15] == u"Kyrillisch (Russisch)");
  CHECK(lines[18].empty());
  CHECK(lines[19] == u"Kyrillisch (Ukrainischer Zusatz)");
  CHECK(lines[20] == u"\u0403 \u0404 \u0406 \u0407 \u0453 \u0454 \u0456 \u0457");
  CHECK(text.find(u"\r\nLateinisch, erweitert-A\r\n" + Section(u'\u0100', u'\u017F') +
                  u"\r\nKyrillisch (Russisch)\r\n" + Section(u'\u0410', u'\u044F') + u"\r\nKyrillisch (Ukr") !=
        std::u16string::npos);
#ifdef _WIN32
  CHECK(lines[4][0] == u'\u20AC');  // 128 on a code-page-1252 system
  CHECK(lines[7].ends_with(u"\u00FF"));
#endif
}

TEST_CASE("the MS-DOS listing: all 256 bytes in eight lines, ending with a break") {
  std::u16string text = CharacterListing(false);
  CHECK(text.size() == 541);
  CHECK(text.starts_with(u"Code page 437 (IBM)\r\n  \u263A \u263B"));
  CHECK(text.ends_with(u"\r\n"));
  std::vector<std::u16string> lines = Lines(text);
  REQUIRE(lines.size() == 1 + 8 + 1);
  CHECK(lines[9].empty());  // nothing after the last break
  for (int k = 1; k <= 8; ++k) CheckGridLine(lines[k]);
  CHECK(lines[1][2 * 7] == u'\u25CF');
  CHECK(lines[2][0] == u' ');  // 32
  CHECK(lines[4].ends_with(u"~ \u2302"));
#ifdef _WIN32
  CHECK(lines[5][0] == u'\u00C7');  // 128
  CHECK(lines[8].ends_with(u"\u25A0 \u00A0"));
#endif
}

#include "dialogs/calendar.h"
#include "test_support.h"

#include <vector>

namespace {

// The text's lines without their CR LF; empty when a line lacks one.
std::vector<std::u16string> Lines(const std::u16string& text) {
  std::vector<std::u16string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t brk = text.find(u"\r\n", at);
    if (brk == std::u16string::npos) return {};
    lines.push_back(text.substr(at, brk - at));
    at = brk + 2;
  }
  return lines;
}

}  // namespace

TEST_CASE("date arithmetic: leap years, month lengths, weekdays at the ends of the range") {
  CHECK(IsLeapYear(2000));
  CHECK(IsLeapYear(2024));
  CHECK_FALSE(IsLeapYear(1900));
  CHECK_FALSE(IsLeapYear(2100));
  CHECK_FALSE(IsLeapYear(2025));
  CHECK(DaysInMonth(2000, 2) == 29);
  CHECK(DaysInMonth(2024, 2) == 29);
  CHECK(DaysInMonth(1900, 2) == 28);
  CHECK(DaysInMonth(2100, 2) == 28);
  CHECK(DaysInMonth(2025, 1) == 31);
  CHECK(DaysInMonth(2025, 4) == 30);
  CHECK(DaysInMonth(2025, 12) == 31);
  CHECK(DaysInMonth(2025, 13) == 30);
  CHECK(DayOfWeek(1583, 1, 1) == 6);     // Saturday
  CHECK(DayOfWeek(9999, 12, 31) == 5);   // Friday
  CHECK(DayOfWeek(2025, 1, 1) == 3);     // Wednesday
  CHECK(DayOfWeek(2025, 2, 1) == 6);     // Saturday
  CHECK(DayOfWeek(2024, 12, 1) == 7);    // Sunday
  CHECK(DayOfWeek(2024, 2, 29) == 4);    // Thursday
  CHECK(DayOfWeek(2024, 3, 1) == 5);     // Friday
}

TEST_CASE("centring puts an odd blank to the right and leaves long texts alone") {
  CHECK(CenterText(u"Januar 2025", 21) == u"     Januar 2025     ");
  CHECK(CenterText(u"Februar 2025", 21) == u"    Februar 2025     ");
  CHECK(CenterText(u"", 3) == u"   ");
  CHECK(CenterText(u"zweiundzwanzig Zeichen", 21) == u"zweiundzwanzig Zeichen");
  CHECK(CenterText(u"September 9999", 21) == u"   September 9999    ");
}

TEST_CASE("one month block: February 2025 starts on a Saturday") {
  TLines lines;
  lines[7] = u"stale";
  BuildMonth(2025, 2, lines);
  CHECK(lines[0] == u"    Februar 2025     ");
  CHECK(lines[1] == u"Mo Di Mi Do Fr Sa So");
  CHECK(lines[2] == u"                1  2 ");
  CHECK(lines[3] == u" 3  4  5  6  7  8  9 ");
  CHECK(lines[5] == u"17 18 19 20 21 22 23 ");
  CHECK(lines[6] == u"24 25 26 27 28 ");
  CHECK(lines[7].empty());

  BuildMonth(2021, 2, lines);  // starts on a Monday and needs four weeks
  CHECK(lines[2] == u" 1  2  3  4  5  6  7 ");
  CHECK(lines[5] == u"22 23 24 25 26 27 28 ");
  CHECK(lines[6].empty());
  CHECK(lines[7].empty());

  BuildMonth(2025, 3, lines);  // 31 days from a Saturday fill six weeks
  CHECK(lines[7] == u"31 ");
  BuildMonth(2024, 2, lines);
  CHECK(lines[6] == u"26 27 28 29 ");
  BuildMonth(2023, 2, lines);
  CHECK(lines[6] == u"27 28 ");
  BuildMonth(2024, 9, lines);
  CHECK(lines[0] == u"   September 2024    ");
  BuildMonth(2025, 3, lines);
  CHECK(lines[0] == u"      M\u00E4rz 2025      ");
  BuildMonth(9999, 12, lines);  // the last day of the range, a Friday
  CHECK(lines[6] == u"27 28 29 30 31 ");
}

TEST_CASE("three months side by side: January 2025 and the turn of the year") {
  std::vector<std::u16string> row = Lines(ThreeMonths(2025, 1));
  REQUIRE(row.size() == 8);
  CHECK(row[0] == u"     Januar 2025             Februar 2025               M\u00E4rz 2025      ");
  CHECK(row[2].substr(0, 21) == u"       1  2  3  4  5 ");

  // Ctrl+K in January: December before, crossing the year; December 2024
  // starts on a Sunday and, with 31 days, fills all six week lines.
  std::u16string january = ThreeMonthsAround(2025, 1);
  CHECK(january ==
        u"    Dezember 2024             Januar 2025             Februar 2025     \r\n"
        u"Mo Di Mi Do Fr Sa So     Mo Di Mi Do Fr Sa So     Mo Di Mi Do Fr Sa So \r\n"
        u"                   1            1  2  3  4  5                     1  2 \r\n"
        u" 2  3  4  5  6  7  8      6  7  8  9 10 11 12      3  4  5  6  7  8  9 \r\n"
        u" 9 10 11 12 13 14 15     13 14 15 16 17 18 19     10 11 12 13 14 15 16 \r\n"
        u"16 17 18 19 20 21 22     20 21 22 23 24 25 26     17 18 19 20 21 22 23 \r\n"
        u"23 24 25 26 27 28 29     27 28 29 30 31           24 25 26 27 28       \r\n"
        u"30 31                                                                  \r\n");
  CHECK(january.size() == 584);
  CHECK(ThreeMonthsAround(2024, 12) == ThreeMonths(2024, 11));
  std::vector<std::u16string> december = Lines(ThreeMonths(2024, 11));
  REQUIRE(december.size() == 8);
  CHECK(december[0].substr(50) == u"     Januar 2025     ");
  CHECK(Lines(ThreeMonths(2025, 11))[0].substr(50) == u"     Januar 2026     ");
}

TEST_CASE("every line of a row is 71 characters, whatever weeks the months need") {
  for (int year : {1583, 2021, 2024, 2100, 9999}) {
    for (int month = 1; month <= 12; ++month) {
      std::vector<std::u16string> row = Lines(ThreeMonths(year, month));
      REQUIRE(row.size() == 8);
      for (const std::u16string& line : row) CHECK(line.size() == 71);
    }
  }
}

TEST_CASE("a year: centred heading, an empty line, four rows each followed by an empty line") {
  std::u16string year = YearCalendar(2025);
  CHECK(year.size() == 2388);
  CHECK(year.substr(0, 44) == std::u16string(30, u' ') + u"-= 2025 =-\r\n\r\n");
  std::size_t at = 44;
  for (int month : {1, 4, 7, 10}) {
    std::u16string row = ThreeMonths(2025, month) + u"\r\n";
    CHECK(year.substr(at, row.size()) == row);
    at += row.size();
  }
  CHECK(at == year.size());
  CHECK(YearCalendar(9999).substr(0, 44) == std::u16string(30, u' ') + u"-= 9999 =-\r\n\r\n");
}

#include "dialogs/calendar.h"

const std::array<std::u16string_view, 13> MonthNames = {
    u"",     u"Januar", u"Februar", u"M\u00E4rz",     u"April",    u"Mai",      u"Juni",
    u"Juli", u"August", u"September", u"Oktober", u"November", u"Dezember",
};

namespace {

constexpr int BlockWidth = 21;
constexpr std::u16string_view WeekdayHeader = u"Mo Di Mi Do Fr Sa So";
constexpr std::u16string_view BlockGap = u"    ";
// Blanks go in front of the year heading until it, its two line breaks
// included, is this long: the ten visible characters of a four-digit year
// then stand in the middle of the 71-character lines.
constexpr std::size_t YearHeadingLength = 44;

// A whole number in decimal, a minus sign in front when negative.
std::u16string Decimal(int value) {
  std::u16string digits;
  long long v = value;
  bool negative = v < 0;
  if (negative) v = -v;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + v % 10));
    v /= 10;
  } while (v > 0);
  if (negative) digits.insert(digits.begin(), u'-');
  return digits;
}

void AppendDayCell(std::u16string& line, int day) {
  line += day < 10 ? u' ' : static_cast<char16_t>(u'0' + day / 10);
  line += static_cast<char16_t>(u'0' + day % 10);
  line += u' ';
}

// The month after `month` of `year`, `steps` times over.
void StepMonths(int& year, int& month, int steps) {
  month += steps;
  while (month > 12) {
    month -= 12;
    ++year;
  }
  while (month < 1) {
    month += 12;
    --year;
  }
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12: return 31;
    case 2: return IsLeapYear(year) ? 29 : 28;
    default: return 30;
  }
}

// Sakamoto's method: January and February count as months of the year before.
int DayOfWeek(int year, int month, int day) {
  static constexpr int t[13] = {0, 0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) --year;
  int w = (year + year / 4 - year / 100 + year / 400 + t[month] + day) % 7;
  return w == 0 ? 7 : w;
}

std::u16string CenterText(std::u16string_view s, int width) {
  std::size_t w = width < 0 ? 0 : static_cast<std::size_t>(width);
  if (s.size() >= w) return std::u16string(s);
  std::size_t left = (w - s.size()) / 2;
  std::u16string out(left, u' ');
  out += s;
  out.append(w - s.size() - left, u' ');
  return out;
}

void BuildMonth(int year, int month, TLines& lines) {
  for (std::u16string& line : lines) line.clear();
  std::u16string title(MonthNames[static_cast<std::size_t>(month)]);
  title += u' ';
  title += Decimal(year);
  lines[0] = CenterText(title, BlockWidth);
  lines[1] = WeekdayHeader;
  std::size_t row = 2;
  int col = 1;
  for (int first = DayOfWeek(year, month, 1); col < first; ++col) lines[row] += u"   ";
  for (int day = 1, days = DaysInMonth(year, month); day <= days; ++day) {
    AppendDayCell(lines[row], day);
    if (++col > 7) {
      ++row;
      col = 1;
    }
  }
}

std::u16string ThreeMonths(int year, int month) {
  TLines blocks[3];
  for (int k = 0; k < 3; ++k) {
    int y = year;
    int m = month;
    StepMonths(y, m, k);
    BuildMonth(y, m, blocks[k]);
  }
  std::u16string out;
  out.reserve(8 * (3 * BlockWidth + 2 * BlockGap.size() + 2));
  for (std::size_t i = 0; i < 8; ++i) {
    for (int k = 0; k < 3; ++k) {
      if (k > 0) out += BlockGap;
      const std::u16string& line = blocks[k][i];
      out += line;
      if (line.size() < BlockWidth) out.append(BlockWidth - line.size(), u' ');
    }
    out += u"\r\n";
  }
  return out;
}

std::u16string ThreeMonthsAround(int year, int month) {
  StepMonths(year, month, -1);
  return ThreeMonths(year, month);
}

std::u16string YearCalendar(int year) {
  std::u16string heading = u"-= " + Decimal(year) + u" =-\r\n\r\n";
  if (heading.size() < YearHeadingLength) heading.insert(0, YearHeadingLength - heading.size(), u' ');
  std::u16string out = heading;
  for (int month = 1; month <= 10; month += 3) {
    out += ThreeMonths(year, month);
    out += u"\r\n";
  }
  return out;
}

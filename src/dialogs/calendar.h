// Plain-text calendars: months side by side in 21-character blocks, weeks
// starting on Monday, German names, the Gregorian rules for every year.
#pragma once

#include <array>
#include <string>
#include <string_view>

// One month block: line 0 the title, line 1 the weekday header, lines 2 to 7
// the weeks; lines a month does not need stay empty.
using TLines = std::array<std::u16string, 8>;

// Index 1 to 12; index 0 is empty.
extern const std::array<std::u16string_view, 13> MonthNames;

bool IsLeapYear(int year);
// 30 for a month outside 1..12.
int DaysInMonth(int year, int month);
// 1 = Monday to 7 = Sunday; month 1..12.
int DayOfWeek(int year, int month, int day);

// s between blanks to `width` characters, an odd blank to the right; s
// unchanged when it is not shorter than `width`.
std::u16string CenterText(std::u16string_view s, int width);

// The block of one month (1..12); week lines are not padded.
void BuildMonth(int year, int month, TLines& lines);

// Three consecutive months from `month` of `year`, side by side: eight lines
// of 71 characters, each ending in CR LF.
std::u16string ThreeMonths(int year, int month);

// Ctrl+K for the local date's year and month: the month before, that month
// and the month after.
std::u16string ThreeMonthsAround(int year, int month);

// Ctrl+Shift+K: the centred heading "-= year =-", an empty line, and the four
// rows of three months, each followed by an empty line.
std::u16string YearCalendar(int year);

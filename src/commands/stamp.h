// The date and time stamp and the duplication of a line.
#pragma once

#include <string>
#include <string_view>

// One reading of the local clock.
struct TStampTime {
  int year;
  int month;
  int day;
  int hour;
  int minute;
  int second;
};

// The stamp as the pictures "yyyy-MM-dd\t" and "HH:mm:ss" give it:
// 2026-12-06, a tab, 14:05:09.
std::u16string FormatStamp(const TStampTime& time);

// What a ".LOG" document gets appended: the stamp on a line of its own.
std::u16string LogStampText(std::u16string_view stamp);

// True when the line holds only spaces, tabs, carriage returns and line feeds
// as the ANSI code page writes it; a unit without a one-byte form is not blank.
bool IsBlankForDuplicate(std::u16string_view line);

// The text Ctrl+D inserts at the first index of the next line: the line and
// CR LF, with CR LF in front when the line has no next line and the text does
// not end with one (textEnd: the text's last two units, or fewer when it is
// shorter). Empty when the line is empty or blank: nothing is duplicated.
// False, with out empty, when the memory for it cannot be had.
bool DuplicateLineText(std::u16string_view line, bool atTextEnd, std::u16string_view textEnd,
                       std::u16string& out);

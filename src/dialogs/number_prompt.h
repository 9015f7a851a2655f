// The rules behind the number prompts: reading the number field and where
// a line number takes the caret.
#pragma once

#include <string_view>

constexpr int FirstCalendarYear = 1583;
constexpr int LastCalendarYear = 9999;

// Reads a whole field as a signed 32-bit decimal number: blanks (space, tab)
// and one sign may stand in front, nothing may follow. False for an empty
// field, any other character, or a value beyond 32 bits.
bool ParseNumberField(std::u16string_view text, int& value);

// The zero-based line that line number n (counting from 1) goes to in a text
// of lineCount lines: numbers below 1 go to the first, numbers past the end
// to the last.
int GoToLineTarget(int n, int lineCount);

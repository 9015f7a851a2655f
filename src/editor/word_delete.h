// Where Ctrl+Backspace and Ctrl+Delete stop, on the editor's text, and what
// a unit typed in overwrite mode replaces.
#pragma once

#include <cstddef>
#include <string_view>

// Underscore, or a letter or digit by the platform's classes (never U+0000).
bool IsWordChar(char16_t c);

// Start of the range Ctrl+Backspace deletes before the caret p; p itself when
// nothing is to be deleted (p at 0 or beyond the text).
std::size_t WordLeftStart(std::u16string_view text, std::size_t p);

// End of the range Ctrl+Delete deletes after the caret p; p itself when
// nothing is to be deleted (p at or beyond the end).
std::size_t WordRightEnd(std::u16string_view text, std::size_t p);

// The range a unit typed in overwrite mode replaces, the selection being
// start..end and the caret's line ending at lineEnd: the unit after the
// caret, except at the line's end, where it is inserted; a selection as a
// whole.
struct TTypedRange {
  std::size_t From;
  std::size_t To;
};
TTypedRange OverwrittenRange(std::size_t start, std::size_t end, std::size_t lineEnd);

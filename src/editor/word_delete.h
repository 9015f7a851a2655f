// Where Ctrl+Backspace and Ctrl+Delete stop, on the editor's text.
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

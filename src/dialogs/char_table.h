// The character table's rules: its rows in both modes and the list's
// type-to-find, which folds accented letters and punctuation to one key.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The row selected when a table opens for the first time: the letter A
// (the ANSI list starts at code 32, the OEM list at 0).
constexpr int FirstAnsiTableIndex = 33;
constexpr int FirstOemTableIndex = 65;

// Rows are at most this long; each starts with the character it stands for.
constexpr int CharTableRowMax = 13;

// The key a character is found by: accented letters give their base letter
// (case kept), superscripts and the degree sign '0', fractions '4',
// punctuation '.', quotation marks '\''; other characters are their own key.
char16_t SearchKey(char16_t c);

// The rows of the ANSI table (codes 32..255 of the ANSI code page, Latin
// Extended-A, capital sharp s, Russian Cyrillic, the Ukrainian additions,
// with section rows) or of the OEM table (codes 0..255 of code page 437).
std::vector<std::u16string> CharTableRows(bool ansi);

// Type-to-find over rows given by their first characters (0 for an empty
// row): the first row after `current` (-1: none) whose key equals the typed
// character's, wrapping round; -1 when no row matches.
int TypeToFindRow(std::u16string_view firstChars, int current, char16_t typed);

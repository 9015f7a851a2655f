// Conversion between a character and its Unicode code point at the caret.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

constexpr std::uint32_t MaxCodePoint = 0x10FFFF;

// "0".."9", "A".."F", "a".."f"; no other units (full-width digits do not count).
bool IsHexDigit(char16_t c);

// Value of a non-empty run of hex digits; false for an empty text, any other
// unit, or a value beyond 32 bits.
bool ParseHex(std::u16string_view digits, std::uint32_t& value);

// "U+" and the value in upper-case hex, at least four digits: U+00E9, U+1F600.
std::u16string FormatCodePoint(std::uint32_t value);

// One replacement in the text: the units start..end become text.
struct TTextEdit {
  std::size_t start;
  std::size_t end;
  std::u16string text;
};

// What Alt+C does with the caret at `caret` and nothing selected: hex digits
// before the caret (with or without "U+") become the character they name,
// otherwise the character before the caret becomes its code-point text.
// False when nothing changes.
bool CodePointEdit(std::u16string_view text, std::size_t caret, TTextEdit& edit);

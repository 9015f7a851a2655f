// Text services the rules need from the platform: code-page conversion,
// character classes, case mapping and the locale comparison.
// text_win32.cpp is the product's implementation; text_posix.cpp exists only
// so the rules can be tested, fuzzed and benchmarked natively.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

constexpr unsigned CodePageUtf8 = 65001;
constexpr unsigned CodePageDos437 = 437;

// The system's current ANSI code page (1252 on German and English systems).
unsigned AnsiCodePage();

// Decodes bytes of a code page into UTF-16. With strict set, invalid input
// makes the conversion fail (false, out left empty); otherwise invalid bytes
// become what the platform substitutes. A zero byte becomes U+0000.
bool DecodeBytes(unsigned codePage, const char* bytes, std::size_t count, bool strict,
                 std::u16string& out);

// Encodes UTF-16 into a code page. With exactOnly, no best-fit mapping is
// used and characters without an exact form become '?'; *usedDefault (when
// given) tells whether that happened. Returns false when the platform refuses.
bool EncodeText(unsigned codePage, std::u16string_view text, bool exactOnly, std::string& out,
                bool* usedDefault);

// True when the platform classes the unit as a letter or a digit.
bool IsAlphaOrDigit(char16_t c);

// The platform's single-character case mapping; other units come back as they are.
char16_t UpperChar(char16_t c);
char16_t LowerChar(char16_t c);

// The platform's buffer case mapping, in place; the length never changes.
void UpperInPlace(char16_t* text, std::size_t count);
void LowerInPlace(char16_t* text, std::size_t count);

// The user's locale comparison ignoring case: -1, 0 or +1.
int CompareNoCase(std::u16string_view a, std::u16string_view b);

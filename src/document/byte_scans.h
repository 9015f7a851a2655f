// The byte scans of loading and saving (byte_scans.cpp: each with its SSE2
// and its portable path).
#pragma once

#include <cstddef>
#include <string_view>

// A loose UTF-8 test: every byte from 80 up must be a lead byte C0..F7 followed
// by 1, 2 or 3 continuation bytes (80..BF) inside the data, and at least one
// such byte must occur (pure ASCII is not UTF-8 here). Overlong forms,
// surrogates and values above U+10FFFF pass.
bool IsUtf8Text(const char* bytes, std::size_t count);

// The MS-DOS heuristic: true when any byte is 81, 8D, 8F, 90 or 9D; otherwise
// false when count / 50 < the number of zero bytes, true when at least 16
// bytes lie in B0..DF and count / 200 is below their number. Empty data: false.
bool LooksLikeDos437(const char* bytes, std::size_t count);

// For code page 437 data before decoding: removes the bytes 01 and 0C and turns
// 16 into a space, in place. Returns the number of bytes kept.
std::size_t FilterDosControlBytes(char* bytes, std::size_t count);

// True when any unit is U+0100 or above (not what the ANSI code page holds:
// the euro sign counts, U+0080..U+00FF never do).
bool NeedsUnicode(std::u16string_view text);

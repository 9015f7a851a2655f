// The search of the find and replace commands, on the editor's text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Option bits of a search: the same values as the common dialog's
// FR_WHOLEWORD and FR_MATCHCASE, so the dialog's flags pass through as they are.
constexpr unsigned FindWholeWord = 0x2;
constexpr unsigned FindMatchCase = 0x4;

// The most units the edit control's text may hold after a replacement.
constexpr std::int64_t MaxTextLength = 2147483647;

// Index of the first acceptable match of pattern at or after start, or -1.
// Without FindMatchCase two units are equal when the platform's one-unit
// upper-casing makes them equal; with FindWholeWord neither neighbour of a
// match may be a word character. A negative start counts as 0; an empty
// pattern or a start past the end finds nothing.
std::ptrdiff_t FindInText(std::u16string_view text, std::u16string_view pattern,
                          std::ptrdiff_t start, unsigned flags);

// Number of matches replace all replaces: found left to right from the start,
// each search going on after the previous match, so they never overlap.
std::size_t CountMatches(std::u16string_view text, std::u16string_view pattern, unsigned flags);

// Length of the text after count matches of patternLength units each have
// become replacementLength units each; negative or above MaxTextLength when
// the result cannot be held.
std::int64_t ReplacedLength(std::int64_t textLength, std::int64_t count,
                            std::int64_t patternLength, std::int64_t replacementLength);

// Writes the text with every match (as CountMatches finds them) replaced into
// out, at most capacity units, and returns the number of units written.
std::size_t BuildReplaced(std::u16string_view text, std::u16string_view pattern,
                          std::u16string_view replacement, unsigned flags, char16_t* out,
                          std::size_t capacity);

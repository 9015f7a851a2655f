// Case conversion and the line sort of the selected lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Each answers false, with its result empty, when the memory for it cannot be
// had (platform/memory.h).

// The text in upper or lower case by the platform's rules, unit by unit; the
// length never changes.
bool ConvertedCase(std::u16string_view text, bool upper, std::u16string& out);

// The platform's locale comparison ignoring case, -1, 0 or +1; the sign is
// reversed for Z -> A.
int CompareLines(std::u16string_view a, std::u16string_view b, bool ascending);

// Ranks of the lines under CompareLines: equal lines share a rank, a smaller
// line has a smaller rank; ranks run from 0 without gaps. Calls the
// comparison O(n log n) times. Lines and their count stay below 2^31 (the
// edit control holds far less).
bool RankLines(const std::vector<std::u16string_view>& lines, bool ascending, std::vector<std::size_t>& ranks);

// The lines sorted as the exchange sort with CompareLines leaves them, joined
// with CR LF between them and none after the last.
bool SortedLines(const std::vector<std::u16string_view>& lines, bool ascending, std::u16string& out);

// A block of the edit control's lines (editor/lines.h: separated by CR LF or
// CR CR LF) sorted as the exchange sort with CompareLines leaves them, joined
// with CR LF between them and none after the last.
bool SortedBlock(std::u16string_view block, bool ascending, std::u16string& out);

// Case conversion and the line sort of the selected lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The text in upper or lower case by the platform's rules, unit by unit; the
// length never changes.
std::u16string ConvertedCase(std::u16string_view text, bool upper);

// The platform's locale comparison ignoring case, -1, 0 or +1; the sign is
// reversed for Z -> A.
int CompareLines(std::u16string_view a, std::u16string_view b, bool ascending);

// Ranks of the lines under CompareLines: equal lines share a rank, a smaller
// line has a smaller rank; ranks run from 0 without gaps. Calls the
// comparison O(n log n) times. Lines and their count stay below 2^31 (the
// edit control holds far less).
std::vector<std::size_t> RankLines(const std::vector<std::u16string>& lines, bool ascending);

// The order in which the exchange sort
//   for i, for j > i: swap entries i and j when entry i ranks above entry j
// leaves the entries, as indexes into ranks, computed in O(n log n). Equal
// ranks come out exactly as that procedure leaves them (it is not stable).
std::vector<std::size_t> ExchangeSortOrder(const std::vector<std::size_t>& ranks);

// Sorts the lines as the exchange sort with CompareLines does.
void SortLines(std::vector<std::u16string>& lines, bool ascending);

// The lines joined with CR LF between them, none after the last.
std::u16string JoinLines(const std::vector<std::u16string>& lines);

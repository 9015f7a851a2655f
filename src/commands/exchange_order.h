// The order of the line sort: what the plain exchange procedure leaves,
// computed without its quadratic loop.
#pragma once

#include <cstddef>
#include <vector>

// Answers false, with order empty, when the memory for it cannot be had
// (platform/memory.h).
// The order in which the exchange sort
//   for i, for j > i: swap entries i and j when entry i ranks above entry j
// leaves the entries, as indexes into ranks, computed in O(n log n). Equal
// ranks come out exactly as that procedure leaves them (it is not stable).
bool ExchangeSortOrder(const std::vector<std::size_t>& ranks, std::vector<std::size_t>& order);

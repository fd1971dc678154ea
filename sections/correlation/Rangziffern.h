#pragma once
// Ranks for the rank correlation: the largest value gets rank 1, equal values (compared
// exactly, 0 and -0 equal) share a rank.

#include <vector>

namespace zv {

struct Rangziffern {
    // Competition rank: 1 plus the number of values strictly greater; after a group of k equal
    // values the next rank is k higher.
    std::vector<double> Wettkampf;
    // Mean rank: the mean of the ranks a tie group occupies, its competition rank + (c - 1) / 2.
    std::vector<double> Mittel;
};

// Both rank lists, in the order of the values; O(n log n).
Rangziffern RangzifferBilden(const std::vector<double>& werte);

}  // namespace zv

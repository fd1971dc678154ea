#pragma once
// Ranks for the rank correlation: the largest value gets rank 1, equal values (compared
// exactly, 0 and -0 equal) share the mean of the ranks their group occupies.

#include <vector>

namespace zv {

// The rank of every value, in the order of the values; O(n log n).
std::vector<double> RangzifferBilden(const std::vector<double>& werte);

}  // namespace zv

#pragma once
// Checked reading of a list walked with a bound taken from the form fields.

#include <cstddef>
#include <vector>

#include "core/Laufzeitfehler.h"

namespace zv {

// Element i of arr; an index outside the list is a run-time error as with any array access.
inline double Element(const std::vector<double>& arr, long long i) {
    if (i < 0 || static_cast<std::size_t>(i) >= arr.size()) Wirf(Fehlerart::IndexAusserhalb);
    return arr[static_cast<std::size_t>(i)];
}

}  // namespace zv

#pragma once
// Shared by the four frequency-table sections: the two lists M1 and M2 are read as the rows
// a1 and a2 of a 2 x k table of absolute frequencies, column j being the j-th value of each
// list in the order typed.

#include <cstddef>
#include <vector>

#include "core/Laufzeitfehler.h"

namespace zv::haeufigkeit {

// Entry i of a list; an index outside the list is a run-time error, never a stray read.
inline double Wert(const std::vector<double>& liste, long long i) {
    if (i < 0 || static_cast<std::size_t>(i) >= liste.size()) Wirf(Fehlerart::IndexAusserhalb);
    return liste[static_cast<std::size_t>(i)];
}

}  // namespace zv::haeufigkeit

#include "engine/Rangziffern.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

#include "base/Rechnen.h"

namespace zv {

std::vector<double> RangzifferBilden(const std::vector<double>& werte) {
    const std::size_t n = werte.size();
    std::vector<double> r(n, 0.0);

    // Positions in ascending order of their values; 0 and -0 are equivalent under <, so equal
    // values end up next to each other whatever their sign of zero.
    std::vector<std::size_t> reihe(n);
    std::iota(reihe.begin(), reihe.end(), std::size_t{0});
    std::stable_sort(reihe.begin(), reihe.end(),
                     [&](std::size_t i, std::size_t j) { return werte[i] < werte[j]; });

    // Walk the tie groups from the largest value down. A group [anfang, ende) has n - ende
    // values above it, so its first rank is n - ende + 1.
    std::size_t ende = n;
    while (ende > 0) {
        std::size_t anfang = ende - 1;
        while (anfang > 0 && werte[reihe[anfang - 1]] == werte[reihe[ende - 1]]) --anfang;

        const double rang = static_cast<double>(n - ende + 1);
        const std::size_t c = ende - anfang;
        // The mean rank as the sum rang + 0 + rang + 1 + ... + rang + (c - 1), added term by
        // term, over c.
        double summe = 0.0;
        for (std::size_t k = 0; k < c; ++k) summe = Plus(summe, Plus(rang, static_cast<double>(k)));
        const double mittel = Durch(summe, static_cast<double>(c));

        for (std::size_t p = anfang; p < ende; ++p) r[reihe[p]] = mittel;
        ende = anfang;
    }
    return r;
}

}  // namespace zv

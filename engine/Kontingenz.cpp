#include "engine/Kontingenz.h"

#include "base/Rechnen.h"

namespace zv {

Kontingenz KontingenzBerechnen(const std::vector<double>& a1, const std::vector<double>& a2) {
    const std::size_t spalten = a1.size();
    if (a2.size() != spalten) Wirf(Fehlerart::IndexAusserhalb);
    // Row sums, column sums and the total, summed column by column.
    std::vector<double> spaltensumme(spalten);
    double summe1 = 0.0, summe2 = 0.0, n = 0.0;
    for (std::size_t j = 0; j < spalten; ++j) {
        const double h1 = a1[j];
        const double h2 = a2[j];
        summe1 = Plus(h1, summe1);
        summe2 = Plus(h2, summe2);
        spaltensumme[j] = Plus(h2, h1);
        n = Plus(Plus(h1, n), h2);
    }

    std::vector<double> erwartet1(spalten), erwartet2(spalten);
    for (std::size_t j = 0; j < spalten; ++j) {
        erwartet1[j] = Durch(Mal(summe1, spaltensumme[j]), n);
        erwartet2[j] = Durch(Mal(summe2, spaltensumme[j]), n);
    }

    Kontingenz k;
    for (std::size_t j = 0; j < spalten; ++j) {
        k.chi2 = Plus(Durch(Quadrat(Minus(a1[j], erwartet1[j])), erwartet1[j]), k.chi2);
        k.chi2 = Plus(Durch(Quadrat(Minus(a2[j], erwartet2[j])), erwartet2[j]), k.chi2);
    }
    k.K = Wurzel(Durch(k.chi2, Plus(k.chi2, n)));
    // M, the number of rows, is always 2.
    k.Kmax = Wurzel(0.5);
    k.KStern = Durch(k.K, k.Kmax);
    return k;
}

}  // namespace zv

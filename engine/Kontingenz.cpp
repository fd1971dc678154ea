#include "engine/Kontingenz.h"

#include "base/Rechnen.h"

namespace zv {

double Chi2Summand(double h, double erwartet) {
    return Durch(Quadrat(Minus(h, erwartet)), erwartet);
}

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

    Kontingenz k;
    k.n = n;
    k.Erwartet1.resize(spalten);
    k.Erwartet2.resize(spalten);
    for (std::size_t j = 0; j < spalten; ++j) {
        k.Erwartet1[j] = Durch(Mal(summe1, spaltensumme[j]), n);
        k.Erwartet2[j] = Durch(Mal(summe2, spaltensumme[j]), n);
    }

    k.Summand1.resize(spalten);
    k.Summand2.resize(spalten);
    for (std::size_t j = 0; j < spalten; ++j) {
        k.Summand1[j] = Chi2Summand(a1[j], k.Erwartet1[j]);
        k.chi2 = Plus(k.Summand1[j], k.chi2);
        k.Summand2[j] = Chi2Summand(a2[j], k.Erwartet2[j]);
        k.chi2 = Plus(k.Summand2[j], k.chi2);
    }
    k.K = Wurzel(Durch(k.chi2, Plus(k.chi2, n)));
    // M, the number of rows, is always 2.
    k.Kmax = Wurzel(0.5);
    k.KStern = Durch(k.K, k.Kmax);
    return k;
}

}  // namespace zv

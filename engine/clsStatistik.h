#pragma once
// The statistics engine: stateless routines over arrays of doubles, population formulas
// throughout. Sums run in increasing index order from 0; failures are run-time errors
// (base/Laufzeitfehler.h). Arrays hold at most 32767 elements: more fail with "Überlauf".

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/Rechnen.h"

namespace zv {

// A two-dimensional table of doubles, rows by columns, both indexed from 0.
struct Tabelle {
    int Zeilen = 0;
    int Spalten = 0;
    std::vector<double> Werte;  // row-major

    Tabelle() = default;
    Tabelle(int zeilen, int spalten)
        : Zeilen(zeilen), Spalten(spalten), Werte(static_cast<std::size_t>(zeilen) * spalten) {}
    double& operator()(int i, int j) { return Werte[static_cast<std::size_t>(i) * Spalten + j]; }
    double operator()(int i, int j) const {
        return Werte[static_cast<std::size_t>(i) * Spalten + j];
    }
};

// The parts of the Bravais-Pearson coefficient r = Zaehler / (WurzelY * WurzelX):
// Zaehler = Sxy, WurzelX = Sqrt(Sxx), WurzelY = Sqrt(Syy), the centred sums below. Each equals
// its textbook form (Sum(xi*yi) - n*xMitt*yMitt, Sum(xi²) - n*xMitt², ...).
struct Korrelationsteile {
    double Zaehler = 0;  // Sxy = Sum((xi - xMitt) * (yi - yMitt))
    double WurzelX = 0;
    double WurzelY = 0;
    double Qx = 0;  // Sum(xi²)
    double Qy = 0;  // Sum(yi²)
    double SP = 0;  // Sum(xi*yi)
    double xMitt = 0;
    double yMitt = 0;
    double Sxx = 0;  // Sum((xi - xMitt)²), the radicand of WurzelX
    double Syy = 0;  // Sum((yi - yMitt)²), the radicand of WurzelY
};

// The distinct values in order of first appearance and how often each occurs.
struct Haeufigkeitsliste {
    std::vector<double> Werte;
    std::vector<std::int32_t> Anzahl;
};

// The smallest and the largest value.
struct Extremwerte {
    double Kleinster = 0;
    double Groesster = 0;
};

// A mean deviation: the centre (median or mean), the sum of the terms of every value in index
// order, and that sum over n.
struct Abweichungsteile {
    double Mitte = 0;
    double Summe = 0;
    double Ergebnis = 0;
};

// The parts of Spearman's coefficient rSP = 1 - Zaehler / Nenner.
struct Spearmanteile {
    double SummeD2 = 0;  // Sum((Rx - Ry)²)
    double Zaehler = 0;  // 6 * SummeD2
    double Nenner = 0;   // (n - 1) * n * (n + 1)
    // A constant list has one mean rank for every value: its rank correlation is undefined,
    // as Pearson's is, and rSP is 0 / 0 then.
    bool KonstanteListe = false;
};

// The term of one value or pair in the engine's sums, one routine for the sum and for a
// calculation table that lists the terms.
inline double Quadratsummand(double x) {  // xi²
    return Mal(x, x);
}
inline double Produktsummand(double x, double y) {  // xi*yi
    return Mal(x, y);
}
inline double Absolutabweichung(double x, double mitte) {  // |xi - Mitte|
    return std::fabs(Minus(x, mitte));
}
inline double Quadratabweichung(double x, double mitte) {  // (xi - xMitt)²
    const double d = Minus(x, mitte);
    return Mal(d, d);
}
inline double Rangdifferenzquadrat(double rx, double ry) {  // (Rx - Ry)²
    return Quadrat(Minus(rx, ry));
}

class clsStatistik {
  public:
    using Liste = std::vector<double>;

    double Summe(const Liste& arr) const;
    double SummeQuadrate(const Liste& arr) const;
    // Sum of arr1(i) * arr2(i) over the indexes of arr1; arr2 shorter fails with an index error.
    double SummeProdukte(const Liste& arr1, const Liste& arr2) const;
    double Mittelwert(const Liste& arr) const;
    // arrs receives the values of arr in stable ascending order; arr is left unchanged.
    // Despite its name it sorts by radix, not by exchanging neighbours; the order is the same.
    void BubbleSort(const Liste& arr, Liste& arrs) const;
    double Median(const Liste& arr) const;
    // Element 0 is a placeholder 0; elements 1.. are the modes in order of first appearance.
    // A result of one element means: no mode.
    Liste Modus(const Liste& arr) const;
    // The counts the modes are chosen by (exact equality, 0 and -0 equal).
    Haeufigkeitsliste Auszaehlen(const Liste& arr) const;
    double Spannweite(const Liste& arr) const;
    // The two values the range is the difference of.
    Extremwerte Extrema(const Liste& arr) const;

    double DurchschnittlicheAbweichungMedian(const Liste& arr) const;
    double DurchschnittlicheAbweichungMittelwert(const Liste& arr) const;
    double MittlereQuadratischeAbweichung(const Liste& arr) const;
    // The same with their parts: the sums of Absolutabweichung about the median and the mean,
    // and of Quadratabweichung about the mean (a constant list has its value as mean and 0).
    Abweichungsteile DurchschnittlicheAbweichungMedianTeile(const Liste& arr) const;
    Abweichungsteile DurchschnittlicheAbweichungMittelwertTeile(const Liste& arr) const;
    Abweichungsteile MittlereQuadratischeAbweichungTeile(const Liste& arr) const;

    double BravaisPearsonKorrelationskoeffizient(const Liste& arr1, const Liste& arr2) const;
    // The parts of r, computed exactly as the coefficient computes them.
    Korrelationsteile BravaisPearsonTeile(const Liste& arr1, const Liste& arr2) const;
    double SpearmenRangkorrelationskoeffizient(const Liste& rl1, const Liste& rl2) const;
    // The parts of rSP, computed exactly as the coefficient computes them.
    Spearmanteile SpearmenTeile(const Liste& rl1, const Liste& rl2) const;
    // Expected frequencies under independence: row total * column total / grand total.
    Tabelle Unabhaengigkeitsquotienten(const Tabelle& arr) const;
};

// r from its parts: Zaehler / (WurzelY * WurzelX).
double BravaisPearson(const Korrelationsteile& teile);

// rSP from its parts: 1 - Zaehler / Nenner; overflow (0 / 0) for a constant list.
double Spearman(const Spearmanteile& teile);

// Centred sums in two passes: the means first, then the deviations from them summed in index
// order from 0. Unlike Sum(xi²) - n*xMitt², they lose no precision when the values share a large
// offset. A centred sum over a constant list is exactly 0 and is not evaluated, so that rounding
// noise of a mean never shows up as a value or turns into a slope or a coefficient.
// Sum((xi - xMitt)²):
double ZentrierteQuadratsumme(const std::vector<double>& x, double xMitt);
// Sum((xi - xMitt) * (yi - yMitt)) over the indexes of x; 0 when either list is constant:
double ZentrierteProduktsumme(const std::vector<double>& x, const std::vector<double>& y,
                              double xMitt, double yMitt);

}  // namespace zv

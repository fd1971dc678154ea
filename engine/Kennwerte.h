#pragma once
// Further measures of a raw list or of pairs: the geometric and the harmonic mean, the sample
// variance with divisor n - 1, the coefficient of variation and the covariance. Each routine
// states what it needs of its data; the report sections check that first and write a line of
// their own otherwise.

#include <vector>

#include "engine/clsStatistik.h"

namespace zv {

// The n-th root of the product of values > 0, through logarithms: each value is split into a
// mantissa in [0,5; 1) and a power of two, the powers are added exactly and the logarithms of
// the mantissas in long double, so no product overflows or underflows and no large logarithm
// loses digits. A constant list gives its value exactly.
double GeometrischesMittel(const std::vector<double>& arr);

// n / Sum(1/xi) for values != 0, scaled by the smallest magnitude so that no 1/xi overflows.
// A sum of 0 (values of both signs) fails with a division by zero.
double HarmonischesMittel(const std::vector<double>& arr);

// Sum((xi - xMitt)²) / (n - 1) from the centred sum of the variance; n >= 2.
struct Stichprobenteile {
    double Mitte = 0;
    double Summe = 0;    // Sum((xi - xMitt)²)
    double Varianz = 0;  // Summe / (n - 1)
    double Standardabweichung = 0;
};
Stichprobenteile StichprobenvarianzBerechnen(const clsStatistik& stat,
                                             const std::vector<double>& arr);

// v = s / xMitt with the population standard deviation s (divisor n); xMitt > 0.
struct Variationsteile {
    double Mitte = 0;
    double s = 0;
    double v = 0;
};
Variationsteile VariationskoeffizientBerechnen(const clsStatistik& stat,
                                               const std::vector<double>& arr);

// Sxy = Sum((xi - xMitt)(yi - yMitt)), the centred sum of the correlation, over n and n - 1
// (the latter only for n >= 2, else 0). Both lists of one length, n >= 1.
struct Kovarianzteile {
    double xMitt = 0;
    double yMitt = 0;
    double Sxy = 0;
    double Kovarianz = 0;             // Sxy / n
    double Stichprobenkovarianz = 0;  // Sxy / (n - 1)
};
Kovarianzteile KovarianzBerechnen(const clsStatistik& stat, const std::vector<double>& x,
                                  const std::vector<double>& y);

}  // namespace zv

#pragma once
// The least-squares line ^y = ^a + ^b * x of the second list on the first, and the coefficient
// of determination R² of that line: shared by the report sections and the charts.

#include <vector>

#include "engine/clsStatistik.h"

namespace zv {

struct Regressionsgerade {
    double xMitt = 0;  // mean of x
    double yMitt = 0;  // mean of y
    double Qx = 0;     // sum of the squares of x
    double S = 0;      // sum of the products xi * yi
    double Sxy =
        0;  // Sum((xi - xMitt) * (yi - yMitt)) = S - n * xMitt * yMitt, the numerator of ^b
    double Sxx = 0;  // Sum((xi - xMitt)²) = Qx - n * xMitt², its denominator
    double b = 0;    // slope ^b
    double a = 0;    // intercept ^a
};

// Engine calls in the order mean of x, mean of y, sum of squares of x, sum of products; then
// the centred sums Sxy and Sxx and
//   ^b = Sxy / Sxx,   ^a = yMitt - ^b * xMitt.
// Constant x gives 0 / 0 (overflow), constant y a horizontal line.
Regressionsgerade RegressionBerechnen(const clsStatistik& stat, const std::vector<double>& x,
                                      const std::vector<double>& y);

// The same up to Sxy and Sxx, without ^b and ^a (which stay 0): the sums of a single pair too.
Regressionsgerade RegressionSummen(const clsStatistik& stat, const std::vector<double>& x,
                                   const std::vector<double>& y);

// The value of the line at x: ^y = ^b * x + ^a.
double Schaetzwert(const Regressionsgerade& gerade, double x);

struct Bestimmtheit {
    Regressionsgerade Gerade;
    std::vector<double> Geschaetzt;  // ^yi = ^b * xi + ^a
    double Qy = 0;                   // Sum(yi²)
    double QyDach = 0;               // Sum(^yi²)
    double Erklaert = 0;             // Sum((^yi - yMitt)²), the numerator of R²
    double Syy = 0;                  // Sum((yi - yMitt)²), its denominator
    double R2 = 0;                   // Erklaert / Syy
};

// R² of the regression line: constant fitted values explain nothing, constant y leave nothing
// to explain (0 / 0 then).
Bestimmtheit BestimmtheitBerechnen(const clsStatistik& stat, const std::vector<double>& x,
                                   const std::vector<double>& y);

}  // namespace zv

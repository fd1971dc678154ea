#pragma once
// The least-squares line ^y = ^a + ^b * x of the second list on the first, shared by the
// regression and the determination sections.

#include <vector>

#include "engine/clsStatistik.h"

namespace zv {

struct Regressionsgerade {
    double xMitt = 0;  // mean of x
    double yMitt = 0;  // mean of y
    double Qx = 0;     // sum of the squares of x
    double S = 0;      // sum of the products xi * yi
    double b = 0;      // slope ^b
    double a = 0;      // intercept ^a
};

// Engine calls in the order mean of x, mean of y, sum of squares of x, sum of products; then
//   ^b = (S - (n * xMitt) * yMitt) / (Qx - xMitt² * n),   ^a = yMitt - ^b * xMitt.
// A centred sum over a constant list is exactly 0 and is not evaluated, so rounding noise
// never turns into a slope: constant x gives 0 / 0 (overflow), constant y a horizontal line.
Regressionsgerade RegressionBerechnen(const clsStatistik& stat, const std::vector<double>& x,
                                      const std::vector<double>& y, double n);

}  // namespace zv

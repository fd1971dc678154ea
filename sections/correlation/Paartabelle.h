#pragma once
// The calculation tables of the paired-data sections Bravais-Pearson, regression and
// determination: a row per pair with i, xi, yi, xi², yi² and xi*yi, the sums, n and the means.

#include <string>

#include "engine/Regression.h"
#include "sections/Rechentabelle.h"

namespace zv {

// The section's sums and means the table shows.
struct Paarsummen {
    double Qx = 0;  // Sum(xi²)
    double Qy = 0;  // Sum(yi²)
    double SP = 0;  // Sum(xi*yi)
    double xMitt = 0;
    double yMitt = 0;
};

// The heading, the rows and the sum row, then the lines for n and the two means. mal: the
// product sign as the section's formulas write it ("*" or " * "). Sum(xi) and Sum(yi) are
// taken from the routine the means divide.
void Paartabelle(Laufkontext& k, Rechentabelle& t, const std::string& mal, const Paarsummen& s);

// "Sxx = Sum(xi²) - n * xMitt² = ... = wert" with the numbers of s put in, in full; was 'x'
// for Sxx, 'y' for Syy, any other for Sxy.
std::string Zentriert(Laufkontext& k, const std::string& mal, const Paarsummen& s, char was,
                      double wert);

// The table of the regression line: the sums, Sxx, Syy and Sxy, and with mitGerade ^b and ^a,
// then a second table of the fitted values ^yi with the residuals, or with b (the
// determination) with the sums of squares that give R²; Syy is then the determination's own,
// otherwise computed in the same way.
void Regressionstabelle(Laufkontext& k, const Regressionsgerade& g, bool mitGerade,
                        const Bestimmtheit* b = nullptr);

// After the count message of the regression and the determination: a single pair still has
// its sums, so with the tables switched on they are shown, without a line.
void EinzelpaarTabelle(Laufkontext& k);

}  // namespace zv

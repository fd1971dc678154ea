#pragma once
// The contingency coefficient of a 2 x k table of frequencies: chi² against the frequencies
// expected under independence, K = Sqrt(chi² / (n + chi²)), its maximum Kmax for two rows and
// the corrected coefficient K* = K / Kmax.

#include <vector>

namespace zv {

struct Kontingenz {
    std::vector<double> Erwartet1;  // h~1j, the frequencies expected in row a1
    std::vector<double> Erwartet2;  // h~2j
    std::vector<double> Summand1;   // (h1j - h~1j)² / h~1j, the terms of chi² from row a1
    std::vector<double> Summand2;   // (h2j - h~2j)² / h~2j
    double n = 0;                   // the sum of all frequencies
    double chi2 = 0;                // the terms added column by column, a1 before a2
    double K = 0;
    double Kmax = 0;
    double KStern = 0;
};

// The term of chi² for a cell: (h - h~)² / h~.
double Chi2Summand(double h, double erwartet);

// a1 and a2 are the two rows, column j being the j-th value of each; both of one length.
Kontingenz KontingenzBerechnen(const std::vector<double>& a1, const std::vector<double>& a2);

}  // namespace zv

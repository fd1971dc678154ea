#pragma once
// The contingency coefficient of a 2 x k table of frequencies: chi² against the frequencies
// expected under independence, K = Sqrt(chi² / (n + chi²)), its maximum Kmax for two rows and
// the corrected coefficient K* = K / Kmax.

#include <vector>

namespace zv {

struct Kontingenz {
    double chi2 = 0;
    double K = 0;
    double Kmax = 0;
    double KStern = 0;
};

// a1 and a2 are the two rows, column j being the j-th value of each; both of one length.
Kontingenz KontingenzBerechnen(const std::vector<double>& a1, const std::vector<double>& a2);

}  // namespace zv

#include "engine/Kennwerte.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/Laufzeitfehler.h"
#include "base/Rechnen.h"

namespace zv {

double GeometrischesMittel(const std::vector<double>& arr) {
    if (arr.empty()) Wirf(Fehlerart::Ueberlauf);  // 0 / 0, as the arithmetic mean
    PruefeObergrenze(arr.size());
    if (IstKonstant(arr)) return arr.front();
    // x = m * 2^e with m in [0,5; 1): the product's root is 2^(Sum(e) / n) times the root of the
    // mantissas' product. Sum(e) = q * n + r with 0 <= r < n, so the power 2^q is exact and the
    // rest exp((Sum(ln m) + r * ln 2) / n) lies between 0,5 and 2.
    long long exponenten = 0;
    long double logarithmen = 0;
    for (double x : arr) {
        int e = 0;
        const double m = std::frexp(x, &e);
        exponenten += e;
        logarithmen += std::log(m);
    }
    const long long n = static_cast<long long>(arr.size());
    long long q = exponenten / n;
    long long r = exponenten % n;
    if (r < 0) r += n, --q;
    const long double rest = std::exp((logarithmen + r * std::numbers::ln2_v<long double>) /
                                      static_cast<long double>(n));
    return Gepruefte(std::ldexp(static_cast<double>(rest), static_cast<int>(q)));
}

double HarmonischesMittel(const std::vector<double>& arr) {
    if (arr.empty()) Wirf(Fehlerart::Ueberlauf);
    PruefeObergrenze(arr.size());
    if (IstKonstant(arr)) return arr.front();
    double kleinster = std::fabs(arr.front());
    for (double x : arr) kleinster = std::min(kleinster, std::fabs(x));
    // n / Sum(1/xi) = m * n / Sum(m/xi) with m the smallest magnitude: every m/xi is at most 1.
    long double summe = 0;
    for (double x : arr) summe += static_cast<long double>(kleinster) / x;
    if (summe == 0) Wirf(Fehlerart::DivisionDurchNull);
    const long double n = static_cast<long double>(arr.size());
    return Gepruefte(static_cast<double>(kleinster * (n / summe)));
}

Stichprobenteile StichprobenvarianzBerechnen(const clsStatistik& stat,
                                             const std::vector<double>& arr) {
    // The mean and the centred sum of the mean squared deviation: a constant list has its
    // value as mean and the sum 0 even where adding its values would overflow.
    const Abweichungsteile v = stat.MittlereQuadratischeAbweichungTeile(arr);
    Stichprobenteile t;
    t.Mitte = v.Mitte;
    t.Summe = v.Summe;
    t.Varianz = Durch(t.Summe, static_cast<double>(arr.size()) - 1.0);
    t.Standardabweichung = Wurzel(t.Varianz);
    return t;
}

Variationsteile VariationskoeffizientBerechnen(const clsStatistik& stat,
                                               const std::vector<double>& arr) {
    // On the data scaled by the power of two that brings the largest magnitude into [0,5; 1):
    // exact, so the mean and s are those of the unscaled data wherever no sum or square leaves
    // the doubles' range, and v stays right where one would (sums near 1E308, squares of
    // values near 1E-200 or 1E200), since v does not depend on the scale.
    double groesster = 0;
    for (double x : arr) groesster = std::max(groesster, std::fabs(x));
    int e = 0;
    std::frexp(groesster, &e);
    std::vector<double> skaliert(arr.size());
    for (std::size_t i = 0; i < arr.size(); ++i) skaliert[i] = std::ldexp(arr[i], -e);
    const Abweichungsteile v = stat.MittlereQuadratischeAbweichungTeile(skaliert);
    const double s = Wurzel(v.Ergebnis);
    Variationsteile t{std::ldexp(v.Mitte, e), Gepruefte(std::ldexp(s, e)), 0};
    if (t.Mitte > 0) t.v = Durch(s, v.Mitte);
    return t;
}

Kovarianzteile KovarianzBerechnen(const clsStatistik& stat, const std::vector<double>& x,
                                  const std::vector<double>& y) {
    // A constant list has its value as mean, as in the variance: its deviations are all 0,
    // so Sxy is 0 even where adding its values would overflow.
    const auto mitte = [&](const std::vector<double>& a) {
        return !a.empty() && IstKonstant(a) ? a.front() : stat.Mittelwert(a);
    };
    Kovarianzteile t;
    t.xMitt = mitte(x);
    t.yMitt = mitte(y);
    t.Sxy = ZentrierteProduktsumme(x, y, t.xMitt, t.yMitt);
    const double n = static_cast<double>(x.size());
    t.Kovarianz = Durch(t.Sxy, n);
    if (x.size() >= 2) t.Stichprobenkovarianz = Durch(t.Sxy, n - 1.0);
    return t;
}

}  // namespace zv

// "Kontingenzkoeffizient": chi² of the table against the frequencies expected under
// independence, the contingency coefficient K, its maximum Kmax for two rows and the
// corrected coefficient K* = K / Kmax.

#include <string>
#include <vector>

#include "core/Rechenlauf.h"
#include "core/Rechnen.h"
#include "sections/frequency/Haeufigkeitstafel.h"

namespace zv {

void clsRechenlauf::AusgabeKontingenzkoeffizient() {
    using haeufigkeit::Wert;
    const long long k = static_cast<long long>(M1Max) + 1;
    const std::size_t spalten = k > 0 ? static_cast<std::size_t>(k) : 0;
    PruefeObergrenze(spalten);

    // Everything is computed before the first line: a fault leaves no line and Detail as it
    // was. Position 0 of each array holds the sum, positions 1..k the columns.
    std::vector<double> a1(spalten + 1, 0.0), a2(spalten + 1, 0.0), spaltensumme(spalten + 1, 0.0);
    for (std::size_t i = 0; i < spalten; ++i) {
        const auto ii = static_cast<long long>(i);
        const double h1 = Wert(M1, ii);
        const double h2 = Wert(M2, ii);
        a1[i + 1] = h1;
        a1[0] = Plus(h1, a1[0]);
        a2[i + 1] = h2;
        a2[0] = Plus(h2, a2[0]);
        spaltensumme[i + 1] = Plus(h2, h1);
        spaltensumme[0] = Plus(Plus(h1, spaltensumme[0]), h2);
    }
    const double n = spaltensumme[0];

    std::vector<double> erwartet1(spalten + 1, 0.0), erwartet2(spalten + 1, 0.0);
    for (std::size_t j = 1; j <= spalten; ++j) {
        erwartet1[j] = Durch(Mal(a1[0], spaltensumme[j]), n);
        erwartet2[j] = Durch(Mal(a2[0], spaltensumme[j]), n);
    }

    double chi2 = 0.0;
    for (std::size_t j = 1; j <= spalten; ++j) {
        chi2 = Plus(Durch(Quadrat(Minus(a1[j], erwartet1[j])), erwartet1[j]), chi2);
        chi2 = Plus(Durch(Quadrat(Minus(a2[j], erwartet2[j])), erwartet2[j]), chi2);
    }

    const double K = Wurzel(Durch(chi2, Plus(chi2, n)));
    // M, the number of rows, is always 2.
    const double Kmax = Wurzel(0.5);
    const double KStern = Durch(K, Kmax);

    Add("KONTINGENZKOEFFIZIENT");
    if (!Detail) {
        Add("chi² = " + Gerundet(chi2));
        Add("K = " + Gerundet(K));
        Add("Kmax = " + Gerundet(Kmax));
        Add("K* = " + Gerundet(KStern));
        Add("");
        return;
    }

    // The embedded tables are shown without their titles and without the empty line that
    // Detail would put before them. Detail is switched back on even when one of them fails,
    // so that the sections after this one still see the user's setting.
    Detail = false;
    try {
        bool ohneTitel = true;
        Add("");
        Add("Randhäufigkeiten");
        AusgabeRandhaeufigkeiten(ohneTitel);
        Add("Theoretische Häufigkeiten");
        AusgabeUnabhaengigkeitsquotienten(ohneTitel);
    } catch (...) {
        Detail = true;
        throw;
    }
    Detail = true;

    Add("        k   l   (hij - h~ij)²");
    Add("chi² = Sum(Sum(--------------))");
    Add("       i=1 j=1      h~ij");
    Add("");
    Add("chi² = " + Gerundet(chi2));
    Add("");
    Add("           chi²");
    Add("K = Sqrt(----------)");
    Add("          n + chi²");
    Add("");
    Add("K = " + Gerundet(K));
    Add("");
    Add("        K                      M - 1           2 - 1");
    Add("K* = -------      Kmax = Sqrt(-------) = Sqrt(-------) = " + Gerundet(Kmax));
    Add("      Kmax                       M               2");
    Add("");
    Add("K* = " + Gerundet(KStern));
    Add("");
}

}  // namespace zv

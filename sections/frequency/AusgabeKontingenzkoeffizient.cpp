// "Kontingenzkoeffizient": chi² of the table against the frequencies expected under
// independence, the contingency coefficient K, its maximum Kmax for two rows and the
// corrected coefficient K* = K / Kmax.

#include <cmath>

#include "base/Rechnen.h"
#include "base/Zahltext.h"
#include "engine/Kontingenz.h"
#include "sections/Abschnitte.h"
#include "sections/Ergebniszeilen.h"
#include "sections/Rechentabelle.h"
#include "sections/frequency/Haeufigkeitstafel.h"

namespace zv {

namespace {

// A row per cell, row by row: the frequency, the row and column sums, the expected frequency
// h~ij = hi. * h.j / n, their difference, its square and the term; the sum of the frequencies
// is n, the sum of the terms chi² (added column by column, as the engine adds them). Then K,
// Kmax and K* from chi², each step with its numbers.
void Kontingenztabelle(Laufkontext& k, const Kontingenz& e) {
    // K and Kmax with the places that give K* as printed, chi² with those that give K.
    const std::string kStern = k.Gerundet(e.KStern);
    const int stellenK = KnappeStellen(
        k, {e.K, e.Kmax}, [&](const Gezeigt& g) { return k.Gerundet(g[0] / g[1]) == kStern; });
    const std::string K = Stellentext(k, e.K, stellenK), Kmax = Stellentext(k, e.Kmax, stellenK);
    const int stellenChi2 = KnappeStellen(k, {e.chi2}, [&](const Gezeigt& g) {
        return Stellentext(k, std::sqrt(g[0] / (e.n + g[0])), stellenK) == K;
    });
    const std::string n = k.Voll(e.n), chi2 = Stellentext(k, e.chi2, stellenChi2);
    Rechentabelle t;
    t.Vorspann = {"n = " + n, "h~ij = hi. * h.j / n"};
    t.Kopf({"ai", "bj", "hij", "hi.", "h.j", "h~ij", "hij - h~ij", "(hij - h~ij)²",
            "(hij - h~ij)²/h~ij"},
           2 * k.M1.size());
    const auto zeile = [&](const char* name, const std::vector<double>& h,
                           const std::vector<double>& erwartet,
                           const std::vector<double>& summand) {
        const std::string_view summe = k.TabellenVoll(k.Stat.Summe(h));
        for (std::size_t j = 0; j < h.size(); ++j) {
            const double differenz = Minus(h[j], erwartet[j]);
            t << name << Spaltenname(static_cast<long long>(j)) << k.TabellenVoll(h[j]) << summe
              << k.TabellenVoll(Plus(k.M2[j], k.M1[j]));
            t.Gerundet(k, erwartet[j])
                .Gerundet(k, differenz)
                .Gerundet(k, Quadrat(differenz))
                .Gerundet(k, summand[j]);
        }
    };
    zeile("a1", k.M1, e.Erwartet1, e.Summand1);
    zeile("a2", k.M2, e.Erwartet2, e.Summand2);
    t.Summen({"", n, "", "", "", "", "", chi2});
    t.Nachspann = {"chi² = " + chi2,
                   "K = Sqrt(chi² / (n + chi²)) = Sqrt(" + Eingesetzt(chi2) + " / (" +
                       Eingesetzt(n) + " + " + Eingesetzt(chi2) + ")) = " + K,
                   "Kmax = Sqrt((M - 1) / M) = Sqrt((2 - 1) / 2) = " + Kmax,
                   "K* = K / Kmax = " + Eingesetzt(K) + " / " + Kmax + " = " + kStern};
    t.Schreiben(k);
}

}  // namespace

}  // namespace zv

void zv::AusgabeKontingenzkoeffizient(Laufkontext& k) {
    // Everything is computed before the first line: a fault leaves no line.
    const Kontingenz ergebnis = KontingenzBerechnen(k.M1, k.M2);

    k.Add(k.Titel);
    if (!k.Detail) {
        k.Add(Chi2Zeile(k.Format, ergebnis.chi2));
        k.Add(KontingenzZeile(k.Format, ergebnis.K));
        k.Add("Kmax = " + k.Gerundet(ergebnis.Kmax));
        k.Add(KorrigierteKontingenzZeile(k.Format, ergebnis.KStern));
        k.Add("");
        if (k.Rechentabellen) Kontingenztabelle(k, ergebnis);
        return;
    }

    // The embedded tables are shown without their titles and without the empty line that the
    // steps would put before them.
    k.Add("");
    k.Add("Randhäufigkeiten");
    AusgabeRandhaeufigkeiten(k, true, true);
    k.Add("Theoretische Häufigkeiten");
    AusgabeUnabhaengigkeitsquotienten(k, true, true);

    k.Add("        k   l   (hij - h~ij)²");
    k.Add("chi² = Sum(Sum(--------------))");
    k.Add("       i=1 j=1      h~ij");
    k.Add("");
    k.Add(Chi2Zeile(k.Format, ergebnis.chi2));
    k.Add("");
    k.Add("           chi²");
    k.Add("K = Sqrt(----------)");
    k.Add("          n + chi²");
    k.Add("");
    k.Add(KontingenzZeile(k.Format, ergebnis.K));
    k.Add("");
    k.Add("        K                      M - 1           2 - 1");
    k.Add("K* = -------      Kmax = Sqrt(-------) = Sqrt(-------) = " + k.Gerundet(ergebnis.Kmax));
    k.Add("      Kmax                       M               2");
    k.Add("");
    k.Add(KorrigierteKontingenzZeile(k.Format, ergebnis.KStern));
    k.Add("");
    if (k.Rechentabellen) Kontingenztabelle(k, ergebnis);
}

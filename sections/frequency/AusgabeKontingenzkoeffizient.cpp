// "Kontingenzkoeffizient": chi² of the table against the frequencies expected under
// independence, the contingency coefficient K, its maximum Kmax for two rows and the
// corrected coefficient K* = K / Kmax.

#include "base/Rechnen.h"
#include "base/Zahltext.h"
#include "engine/Kontingenz.h"
#include "sections/Abschnitte.h"
#include "sections/Ergebniszeilen.h"
#include "sections/Rechentabelle.h"
#include "sections/frequency/Haeufigkeitstafel.h"

namespace zv {

namespace {

// A row per cell in the order chi² adds them (column by column, a1 before a2): the frequency,
// the expected frequency, their difference, its square and the term; the sum of the
// frequencies is n, printed in full as in the marginal table, the sum of the terms chi².
void Kontingenztabelle(Laufkontext& k, const Kontingenz& e) {
    Rechentabelle t;
    t.Kopf({"ai", "bj", "hij", "h~ij", "hij - h~ij", "(hij - h~ij)²", "(hij - h~ij)²/h~ij"},
           2 * k.M1.size());
    for (std::size_t j = 0; j < k.M1.size(); ++j) {
        const std::string spalte = Spaltenname(static_cast<long long>(j));
        const auto zelle = [&](const char* zeile, double h, double erwartet, double summand) {
            const double differenz = Minus(h, erwartet);
            t << zeile << spalte << k.TabellenVoll(h);
            t.Gerundet(k, erwartet)
                .Gerundet(k, differenz)
                .Gerundet(k, Quadrat(differenz))
                .Gerundet(k, summand);
        };
        zelle("a1", k.M1[j], e.Erwartet1[j], e.Summand1[j]);
        zelle("a2", k.M2[j], e.Erwartet2[j], e.Summand2[j]);
    }
    const std::string chi2 = k.Voll(e.chi2);
    t.Summen({"", k.Voll(e.n), "", "", "", chi2});
    t.Nachspann = {"n = " + k.Voll(e.n), "chi² = " + chi2};
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

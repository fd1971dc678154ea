// "Kontingenzkoeffizient": chi² of the table against the frequencies expected under
// independence, the contingency coefficient K, its maximum Kmax for two rows and the
// corrected coefficient K* = K / Kmax.

#include "engine/Kontingenz.h"
#include "sections/frequency/Haeufigkeitstafel.h"

namespace zv {

void AusgabeKontingenzkoeffizient(Laufkontext& k) {
    // Everything is computed before the first line: a fault leaves no line.
    const Kontingenz ergebnis = KontingenzBerechnen(k.M1, k.M2);

    k.Add(k.Titel);
    if (!k.Detail) {
        k.Add("chi² = " + k.Gerundet(ergebnis.chi2));
        k.Add("K = " + k.Gerundet(ergebnis.K));
        k.Add("Kmax = " + k.Gerundet(ergebnis.Kmax));
        k.Add("K* = " + k.Gerundet(ergebnis.KStern));
        k.Add("");
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
    k.Add("chi² = " + k.Gerundet(ergebnis.chi2));
    k.Add("");
    k.Add("           chi²");
    k.Add("K = Sqrt(----------)");
    k.Add("          n + chi²");
    k.Add("");
    k.Add("K = " + k.Gerundet(ergebnis.K));
    k.Add("");
    k.Add("        K                      M - 1           2 - 1");
    k.Add("K* = -------      Kmax = Sqrt(-------) = Sqrt(-------) = " + k.Gerundet(ergebnis.Kmax));
    k.Add("      Kmax                       M               2");
    k.Add("");
    k.Add("K* = " + k.Gerundet(ergebnis.KStern));
    k.Add("");
}

}  // namespace zv

// Report section "Schwerpunkt": the centroid (xMitt, yMitt) of the pairs.

#include <string>

#include "base/Zahltext.h"
#include "sections/Abschnitte.h"
#include "sections/Ergebniszeilen.h"
#include "sections/Rechentabelle.h"

void zv::AusgabeSchwerpunkt(Laufkontext& k) {
    const std::string n = GanzzahlText(static_cast<long long>(k.M1.size()));

    k.Add(k.Titel);
    if (k.Detail) {
        k.Add("");
        std::string xSumme, ySumme;
        for (std::size_t i = 0; i < k.M1.size(); ++i) {
            if (i > 0) xSumme += " + ", ySumme += " + ";
            xSumme += k.Voll(k.M1[i]);
            ySumme += k.Voll(k.M2[i]);
        }
        k.Add("xMitt = (" + xSumme + ") / " + n);
        k.Add("yMitt = (" + ySumme + ") / " + n);
        k.Add("xMitt = " + k.Voll(k.Stat.Summe(k.M1)) + " / " + n);
        k.Add("yMitt = " + k.Voll(k.Stat.Summe(k.M2)) + " / " + n);
    }
    const double xMitt = k.Stat.Mittelwert(k.M1);
    k.Add(SchwerpunktXZeile(k.Format, xMitt));
    const double yMitt = k.Stat.Mittelwert(k.M2);
    k.Add(SchwerpunktYZeile(k.Format, yMitt));
    k.Add("");
    if (!k.Rechentabellen) return;

    // The sums the means divide, in full as the steps print them; the means in full as the
    // other tables of the pairs show them.
    const std::string xSumme = k.Voll(k.Stat.Summe(k.M1)), ySumme = k.Voll(k.Stat.Summe(k.M2));
    Rechentabelle t;
    t.Nachspann = {
        "Sum(xi) = " + xSumme, "Sum(yi) = " + ySumme, "n = " + n,
        "xMitt = Sum(xi) / n = " + Eingesetzt(xSumme) + " / " + n + " = " + k.Voll(xMitt),
        "yMitt = Sum(yi) / n = " + Eingesetzt(ySumme) + " / " + n + " = " + k.Voll(yMitt)};
    t.Schreiben(k);
}

// Report section "Lineare Regression": the least-squares line ^y = ^a + ^b * x.

#include <algorithm>
#include <string>

#include "base/Text.h"
#include "base/Zahltext.h"
#include "engine/Regression.h"
#include "sections/Abschnitte.h"
#include "sections/Ergebniszeilen.h"
#include "sections/correlation/Paare.h"
#include "sections/correlation/Paartabelle.h"

void zv::AusgabeLineareRegression(Laufkontext& k) {
    k.Add(k.Titel);
    if (ZuWenigePaare(k)) {
        EinzelpaarTabelle(k);
        return;
    }

    // Everything is computed before the next line, so a fault leaves only the title.
    const Regressionsgerade g = RegressionBerechnen(k.Stat, k.M1, k.M2);

    if (k.Detail) {
        const std::string n = GanzzahlText(static_cast<long long>(k.M1.size()));
        k.Add("");
        k.Add("      Sum(xi * yi) - n * xMitt * yMitt");
        k.Add("^b = ----------------------------------     ^a = yMitt - ^b * xMitt");
        k.Add("          Sum(xi²) - n * xMitt²");
        k.Add("");

        // Each value is rounded where it is first printed, so a failing rounding leaves the
        // lines before it in place.
        const std::string S = k.Gerundet(g.S);
        k.Add("Sum(xi * yi) = " + S);
        k.Add("n = " + n);
        const std::string xMitt = k.Gerundet(g.xMitt);
        k.Add("xMitt = " + xMitt);
        const std::string yMitt = k.Gerundet(g.yMitt);
        k.Add("yMitt = " + yMitt);
        const std::string Qx = k.Gerundet(g.Qx);
        k.Add("Sum(xi²) = " + Qx);
        k.Add("");

        // The fraction is put together from the rounded parts; the ^b after it is the exact
        // quotient rounded for printing.
        const std::string zaehler = "     " + S + " - " + n + " * " + xMitt + " * " + yMitt;
        const long long zaehlerLaenge = static_cast<long long>(Zeichenzahl(zaehler));
        const std::string nenner = Qx + " - " + n + " * " + xMitt + "²";
        // Centred under the numerator line, a half blank dropped, then moved 3 to the right;
        // a denominator much wider than the numerator starts at the margin.
        const long long einzug =
            std::max(0LL, (zaehlerLaenge - static_cast<long long>(Zeichenzahl(nenner))) / 2 + 3);

        k.Add(zaehler);
        const std::string b = k.Gerundet(g.b);
        k.Add("^b = " + Striche(zaehlerLaenge - 5) + " = " + b);
        k.Add(Leerzeichen(einzug) + nenner);
        k.Add("");
        k.Add("^a = " + yMitt + " - " + b + " * " + xMitt + " = " + k.Gerundet(g.a));
    } else {
        k.Add(SteigungZeile(k.Format, g.b));
        k.Add(AchsenabschnittZeile(k.Format, g.a));
    }
    k.Add("");
    if (k.Rechentabellen) Regressionstabelle(k, g, true);
}

// Report section "Lineare Regression": the least-squares line ^y = ^a + ^b * x.

#include <algorithm>
#include <string>

#include "core/Rechenlauf.h"
#include "sections/correlation/Paare.h"
#include "core/Text.h"
#include "core/Zahltext.h"
#include "sections/correlation/Regression.h"

namespace zv {

void clsRechenlauf::AusgabeLineareRegression() {
    Add("LINEARE REGRESSION");
    if (ZuWenigePaare(*this)) return;

    // Everything is computed before the next line, so a fault leaves only the title.
    const Regressionsgerade g = RegressionBerechnen(Stat, M1, M2, static_cast<double>(M1Max + 1));

    if (Detail) {
        const std::string n = GanzzahlText(M1Max + 1);
        Add("");
        Add("      Sum(xi * yi) - n * xMitt * yMitt");
        Add("^b = ----------------------------------     ^a = yMitt - ^b * xMitt");
        Add("          Sum(xi²) - n * xMitt²");
        Add("");

        // Each value is rounded where it is first printed, so a failing rounding leaves the
        // lines before it in place.
        const std::string S = Gerundet(g.S);
        Add("Sum(xi * yi) = " + S);
        Add("n = " + n);
        const std::string xMitt = Gerundet(g.xMitt);
        Add("xMitt = " + xMitt);
        const std::string yMitt = Gerundet(g.yMitt);
        Add("yMitt = " + yMitt);
        const std::string Qx = Gerundet(g.Qx);
        Add("Sum(xi²) = " + Qx);
        Add("");

        // The fraction is put together from the rounded parts; the ^b after it is the exact
        // quotient rounded for printing.
        const std::string zaehler = "     " + S + " - " + n + " * " + xMitt + " * " + yMitt;
        const long long zaehlerLaenge = static_cast<long long>(Zeichenzahl(zaehler));
        const std::string nenner = Qx + " - " + n + " * " + xMitt + "²";
        // Centred under the numerator line, a half blank dropped, then moved 3 to the right;
        // a denominator much wider than the numerator starts at the margin.
        const long long einzug = std::max(
            0LL, (zaehlerLaenge - static_cast<long long>(Zeichenzahl(nenner))) / 2 + 3);

        Add(zaehler);
        const std::string b = Gerundet(g.b);
        Add("^b = " + Striche(zaehlerLaenge - 5) + " = " + b);
        Add(Leerzeichen(einzug) + nenner);
        Add("");
        Add("^a = " + yMitt + " - " + b + " * " + xMitt + " = " + Gerundet(g.a));
    } else {
        Add("^b = " + Gerundet(g.b));
        Add("^a = " + Gerundet(g.a));
    }
    Add("");
}

}  // namespace zv

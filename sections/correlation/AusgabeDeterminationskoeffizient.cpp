// Report section "Determinationskoeffizient": R², the share of the sum of squares of y that
// the regression line explains.

#include <string>
#include <vector>

#include "core/Rechenlauf.h"
#include "sections/correlation/Paare.h"
#include "core/Rechnen.h"
#include "core/Spalten.h"
#include "core/Text.h"
#include "core/Zahltext.h"
#include "sections/correlation/Listenzugriff.h"
#include "sections/correlation/Regression.h"

namespace zv {

void clsRechenlauf::AusgabeDeterminationskoeffizient() {
    Add("DETERMINATIONSKOEFFIZIENT");
    if (ZuWenigePaare(*this)) return;

    // Everything is computed before the next line, so a fault leaves only the title.
    const double n = static_cast<double>(M1Max + 1);
    const Regressionsgerade g = RegressionBerechnen(Stat, M1, M2, n);

    std::vector<double> geschaetzt;
    geschaetzt.reserve(static_cast<std::size_t>(M1Max + 1));
    for (long long i = 0; i <= M1Max; ++i) geschaetzt.push_back(Plus(Mal(g.b, Element(M1, i)), g.a));

    const double Qy = Stat.SummeQuadrate(M2);
    const double QyDach = Stat.SummeQuadrate(geschaetzt);
    // A centred sum over a constant list is exactly 0 and is not evaluated: constant fitted
    // values explain nothing, constant y leave nothing to explain (0 / 0 then).
    const double zaehler =
        IstKonstant(geschaetzt) ? 0.0 : Minus(QyDach, Mal(Quadrat(g.yMitt), n));
    const double nenner = IstKonstant(M2) ? 0.0 : Minus(Qy, Mal(Quadrat(g.yMitt), n));
    const double R2 = Durch(zaehler, nenner);

    if (!Detail) {
        // Without the details the section ends on its result line.
        Add("R² = " + Gerundet(R2));
        return;
    }

    Add("");
    Add("     Sum(^yi²) - n * yMitt²");
    Add("R² = -----------------------     ^yi = ^a + (^b * xi)");
    Add("       Sum(y²) - n * yMitt²");

    Zeile textX, textDach;
    textX.reserve(geschaetzt.size());
    textDach.reserve(geschaetzt.size());
    for (std::size_t i = 0; i < geschaetzt.size(); ++i) {
        textX.push_back(Voll(M1[i]));
        textDach.push_back(Gerundet(geschaetzt[i]));
    }
    SpaltenAngleichen2(textX, textDach);
    const std::string xZeile = Verbunden(textX);

    const std::string nText = GanzzahlText(M1Max + 1);
    const std::string yMitt = Gerundet(g.yMitt);
    const std::string QyDachText = Gerundet(QyDach);
    const std::string QyText = Gerundet(Qy);

    Add("");
    Add("xi | " + xZeile);
    Add("---+-" + Striche(static_cast<long long>(Zeichenzahl(xZeile)) + 1));
    AddVerbunden("^yi| ", textDach);
    Add("");
    Add("Sum(^yi²) = " + QyDachText);
    Add("n = " + nText);
    Add("yMitt = " + yMitt);
    Add("Sum(y²) = " + QyText);

    const std::string zaehlerZeile = "     " + QyDachText + " - " + nText + " * " + yMitt + "²";
    Add("");
    Add(zaehlerZeile);
    Add("R² = " + Striche(static_cast<long long>(Zeichenzahl(zaehlerZeile)) - 5) + " = " +
        Gerundet(R2));
    Add("     " + QyText + " - " + nText + " * " + yMitt + "²");
    Add("");
}

}  // namespace zv

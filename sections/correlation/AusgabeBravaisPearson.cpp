// Report section "Bravais-Pearson-Korrelationskoeffizient": the correlation coefficient r,
// with the formula and the formula with the numbers put in on request.

#include <algorithm>
#include <string>

#include "core/Rechenlauf.h"
#include "sections/correlation/Paare.h"
#include "core/Rechnen.h"
#include "core/Text.h"
#include "core/Zahltext.h"

namespace zv {

namespace {

constexpr const char* kFormelZaehler = "                  Sum(xi*yi) - n*xMitt*yMitt";
constexpr const char* kFormelNenner =
    "    Sqrt(Sum(xi²) - n*xMitt²) * Sqrt(Sum(yi²) - n*yMitt²)";

}  // namespace

void clsRechenlauf::AusgabeBravaisPearson() {
    Add("BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT");
    if (M1Max != M2Max) {
        Add(kPaareUnvollstaendig);
    } else if (Detail) {
        const double n = static_cast<double>(M1Max + 1);
        const double xMitt = Stat.Mittelwert(M1);
        const double yMitt = Stat.Mittelwert(M2);
        const double S = Stat.SummeProdukte(M1, M2);
        // A centred sum over a constant list is exactly 0; it is not evaluated, so that
        // rounding noise never shows up as a value.
        const bool xKonstant = IstKonstant(M1);
        const bool yKonstant = IstKonstant(M2);
        const double zaehler =
            (xKonstant || yKonstant) ? 0.0 : Minus(S, Mal(Mal(n, xMitt), yMitt));
        const double Qx = Stat.SummeQuadrate(M1);
        const double Qy = Stat.SummeQuadrate(M2);
        const double wurzelX = xKonstant ? 0.0 : Wurzel(Minus(Qx, Mal(Mal(n, xMitt), xMitt)));
        const double wurzelY = yKonstant ? 0.0 : Wurzel(Minus(Qy, Mal(Mal(n, yMitt), yMitt)));

        const std::string wertNenner = "     " + Voll(wurzelX) + " * " + Voll(wurzelY);
        const std::string wertZaehler = Voll(zaehler);
        const long long nennerLaenge = static_cast<long long>(Zeichenzahl(wertNenner));
        // Centred over the whole denominator line, a half blank dropped; a numerator wider
        // than the denominator simply starts at the margin.
        const long long einzug =
            std::max(0LL, (nennerLaenge - static_cast<long long>(Zeichenzahl(wertZaehler))) / 2);

        Add("");
        Add(kFormelZaehler);
        Add("r = " + Striche(static_cast<long long>(Zeichenzahl(kFormelNenner))));
        Add(kFormelNenner);
        Add("");
        Add(Leerzeichen(einzug) + wertZaehler);
        Add("r = " + Striche(nennerLaenge));
        Add(wertNenner);
        Add("");
        Add("r = " + Gerundet(Stat.BravaisPearsonKorrelationskoeffizient(M1, M2)));
    } else {
        Add("r: " + Gerundet(Stat.BravaisPearsonKorrelationskoeffizient(M1, M2)));
    }
    Add("");
}

}  // namespace zv

// Report section "Bravais-Pearson-Korrelationskoeffizient": the correlation coefficient r,
// with the formula and the formula with the numbers put in on request.

#include <algorithm>
#include <string>

#include "base/Text.h"
#include "sections/correlation/Paare.h"

namespace zv {

namespace {

constexpr const char* kFormelZaehler = "                  Sum(xi*yi) - n*xMitt*yMitt";
constexpr const char* kFormelNenner = "    Sqrt(Sum(xi²) - n*xMitt²) * Sqrt(Sum(yi²) - n*yMitt²)";

}  // namespace

void AusgabeBravaisPearson(Laufkontext& k) {
    k.Add(k.Titel);
    if (k.M1Max() != k.M2Max()) {
        k.Add(kPaareUnvollstaendig);
    } else if (k.Detail) {
        const Korrelationsteile teile = k.Stat.BravaisPearsonTeile(k.M1, k.M2);
        const std::string wertNenner =
            "     " + k.Voll(teile.WurzelX) + " * " + k.Voll(teile.WurzelY);
        const std::string wertZaehler = k.Voll(teile.Zaehler);
        const long long nennerLaenge = static_cast<long long>(Zeichenzahl(wertNenner));
        // Centred over the whole denominator line, a half blank dropped; a numerator wider
        // than the denominator simply starts at the margin.
        const long long einzug =
            std::max(0LL, (nennerLaenge - static_cast<long long>(Zeichenzahl(wertZaehler))) / 2);

        k.Add("");
        k.Add(kFormelZaehler);
        k.Add("r = " + Striche(static_cast<long long>(Zeichenzahl(kFormelNenner))));
        k.Add(kFormelNenner);
        k.Add("");
        k.Add(Leerzeichen(einzug) + wertZaehler);
        k.Add("r = " + Striche(nennerLaenge));
        k.Add(wertNenner);
        k.Add("");
        k.Add("r = " + k.Gerundet(BravaisPearson(teile)));
    } else {
        k.Add("r: " + k.Gerundet(k.Stat.BravaisPearsonKorrelationskoeffizient(k.M1, k.M2)));
    }
    k.Add("");
}

}  // namespace zv

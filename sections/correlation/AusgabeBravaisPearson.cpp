// Report section "Bravais-Pearson-Korrelationskoeffizient": the correlation coefficient r,
// with the formula and the formula with the numbers put in on request.

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "base/Text.h"
#include "sections/Abschnitte.h"
#include "sections/Ergebniszeilen.h"
#include "sections/correlation/Paare.h"
#include "sections/correlation/Paartabelle.h"

namespace zv {

namespace {

constexpr const char* kFormelZaehler = "                  Sum(xi*yi) - n*xMitt*yMitt";
constexpr const char* kFormelNenner = "    Sqrt(Sum(xi²) - n*xMitt²) * Sqrt(Sum(yi²) - n*yMitt²)";

// The pairs with their squares and products, the sums, and r from the parts the section
// prints in its steps, printed in full as there.
void Korrelationstabelle(Laufkontext& k, const Korrelationsteile& teile, double r) {
    Rechentabelle t;
    const Paarsummen s{teile.Qx, teile.Qy, teile.SP, teile.xMitt, teile.yMitt};
    Paartabelle(k, t, "*", s);
    t.Nachspann.push_back(Zentriert(k, "*", s, 'x', teile.Sxx));
    t.Nachspann.push_back(Zentriert(k, "*", s, 'y', teile.Syy));
    t.Nachspann.push_back(Zentriert(k, "*", s, 'p', teile.Zaehler));
    // The roots with the places that give r as printed, and near r within the rounding of
    // the report's places (the line's first form, with Sxx and Syy, gives r itself).
    const std::string ergebnis = k.Gerundet(r);
    const int stellen = KnappeStellen(k, {teile.WurzelX, teile.WurzelY}, [&](const Gezeigt& g) {
        const double q = teile.Zaehler / (g[0] * g[1]);
        return k.Gerundet(q) == ergebnis && std::abs(q - r) <= 0.5 * std::pow(10.0, -k.Nks);
    });
    t.Nachspann.push_back(
        "r = Sxy / (Sqrt(Sxx) * Sqrt(Syy)) = " + Eingesetzt(k.Voll(teile.Zaehler)) + " / (" +
        Stellentext(k, teile.WurzelX, stellen) + " * " + Stellentext(k, teile.WurzelY, stellen) +
        ") = " + ergebnis);
    t.Schreiben(k);
}

}  // namespace

}  // namespace zv

void zv::AusgabeBravaisPearson(Laufkontext& k) {
    k.Add(k.Titel);
    std::optional<Korrelationsteile> tabelle;
    double r = 0;
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
        r = BravaisPearson(teile);
        k.Add("r = " + k.Gerundet(r));
        tabelle = teile;
    } else {
        // The coefficient is r of these parts.
        const Korrelationsteile teile = k.Stat.BravaisPearsonTeile(k.M1, k.M2);
        r = BravaisPearson(teile);
        k.Add(BravaisPearsonZeile(k.Format, r));
        tabelle = teile;
    }
    k.Add("");
    if (k.Rechentabellen && tabelle) Korrelationstabelle(k, *tabelle, r);
}

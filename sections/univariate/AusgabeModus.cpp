// "Modus": every value of the highest count (at least two), in order of first appearance.

#include <algorithm>
#include <numeric>
#include <vector>

#include "base/Rechnen.h"
#include "base/Zahltext.h"
#include "sections/Abschnitte.h"
#include "sections/Ergebniszeilen.h"
#include "sections/Rechentabelle.h"

namespace zv {

namespace {

// Each distinct value by size with its count and its share of the values, fj = hj / n, the
// modes marked; the counts add up to n, the shares to 1.
void Modustabelle(Laufkontext& k) {
    const Haeufigkeitsliste h = k.Stat.Auszaehlen(k.M1);
    std::vector<std::size_t> folge(h.Werte.size());
    std::iota(folge.begin(), folge.end(), std::size_t{0});
    std::stable_sort(folge.begin(), folge.end(),
                     [&](std::size_t a, std::size_t b) { return h.Werte[a] < h.Werte[b]; });
    const std::int32_t groesste = *std::max_element(h.Anzahl.begin(), h.Anzahl.end());
    const std::string n = GanzzahlText(static_cast<long long>(k.M1.size()));

    Rechentabelle t;
    t.Vorspann = {"n = " + n, "fj = hj / n"};
    t.Kopf({"j", "xj", "hj", "fj"}, h.Werte.size());
    double anteile = 0;
    for (std::size_t j = 0; j < folge.size(); ++j) {
        const std::int32_t anzahl = h.Anzahl[folge[j]];
        const double anteil = Durch(anzahl, static_cast<double>(k.M1.size()));
        anteile = Plus(anteile, anteil);
        t.Nummer(j) << k.TabellenVoll(h.Werte[folge[j]]) << GanzzahlText(anzahl);
        t.Gerundet(k, anteil);
        if (groesste >= 2 && anzahl == groesste) t.Marke(" <- Modus");
    }
    t.Summen({"", n, k.Gerundet(anteile)});
    t.Nachspann = {"größte Häufigkeit: " + GanzzahlText(groesste)};
    t.Schreiben(k);
}

}  // namespace

}  // namespace zv

void zv::AusgabeModus(Laufkontext& k) {
    k.Add(k.Titel);
    if (!k.M1.empty()) {
        k.Add(ModusZeile(k.Format, k.Stat.Modus(k.M1)));
    }
    k.Add("");
    if (k.Rechentabellen && !k.M1.empty()) Modustabelle(k);
}

// "Modus": every value of the highest count (at least two), in order of first appearance.

#include "base/Zahltext.h"
#include "sections/Abschnitte.h"
#include "sections/Ergebniszeilen.h"
#include "sections/Rechentabelle.h"

namespace zv {

namespace {

// Each distinct value with its count, in order of first appearance, and the largest count.
void Modustabelle(Laufkontext& k) {
    const Haeufigkeitsliste h = k.Stat.Auszaehlen(k.M1);
    Rechentabelle t;
    t.Kopf({"j", "xj", "hj"}, h.Werte.size());
    std::int32_t groesste = 0;
    for (std::size_t j = 0; j < h.Werte.size(); ++j) {
        t.Nummer(j) << k.Voll(h.Werte[j]) << GanzzahlText(h.Anzahl[j]);
        groesste = std::max(groesste, h.Anzahl[j]);
    }
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

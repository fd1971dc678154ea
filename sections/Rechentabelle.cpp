#include "sections/Rechentabelle.h"

#include "base/Text.h"

namespace zv {

void RechentabelleSchreiben(Laufkontext& k, Rechentabelle& t) {
    k.Add("Rechentabelle");
    for (const std::string& zeile : t.Vorspann) k.Add(zeile);
    if (!t.Kopf.empty()) {
        // Every row is padded against one row that collects the widest entry of each column:
        // the first pass widens it, the second pads every row to it.
        Zeile breiteste = t.Kopf;
        for (int durchgang = 0; durchgang < 2; ++durchgang) {
            SpaltenAngleichen2(breiteste, t.Kopf);
            for (Zeile& reihe : t.Reihen) SpaltenAngleichen2(breiteste, reihe);
            if (!t.Summen.empty()) SpaltenAngleichen2(breiteste, t.Summen);
        }
        const std::string strich =
            Striche(static_cast<long long>(Zeichenzahl(k.Verbunden(t.Kopf))));
        k.AddVerbunden("", t.Kopf);
        k.Add(strich);
        for (std::size_t i = 0; i < t.Reihen.size(); ++i)
            k.AddVerbunden("", t.Reihen[i], i < t.Marken.size() ? t.Marken[i] : std::string());
        if (!t.Summen.empty()) {
            k.Add(strich);
            k.AddVerbunden("", t.Summen);
        }
        if (t.GerundeteEintraege) k.Add(kUngerundetGerechnet);
    }
    for (const std::string& zeile : t.Nachspann) k.Add(zeile);
    k.Add("");
}

}  // namespace zv

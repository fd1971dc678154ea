// "Häufigkeitstabelle": every distinct value of the raw list by size with its absolute and
// relative frequency, both cumulated; with the steps, how fj, Hj and Fj come about.

#include <algorithm>
#include <string>
#include <vector>

#include "base/Rechnen.h"
#include "base/Zahltext.h"
#include "engine/Quartile.h"
#include "sections/Abschnitte.h"
#include "sections/Rechentabelle.h"

namespace zv {

namespace {

// The rows whose calculation the steps spell out; the others come about the same way, and a
// list of thousands of distinct values would otherwise repeat the same three lines for each.
constexpr std::size_t kSchrittzeilen = 5;

// The three lines of row j (from 0): fj, Hj and Fj with the learner's numbers.
void Schritte(const Laufkontext& k, const std::vector<Haeufigkeitszeile>& tabelle, std::size_t j,
              std::vector<std::string>& zeilen) {
    const Haeufigkeitszeile& z = tabelle[j];
    const std::string nr = GanzzahlText(static_cast<long long>(j + 1));
    const std::string n = GanzzahlText(static_cast<long long>(k.M1.size()));
    const std::string h = GanzzahlText(z.h), H = GanzzahlText(z.H);
    zeilen.push_back("f" + nr + " = h" + nr + " / n = " + h + " / " + n + " = " + k.Gerundet(z.f));
    if (j == 0) {
        zeilen.push_back("H1 = h1 = " + h);
    } else {
        const std::string vor = GanzzahlText(static_cast<long long>(j));
        zeilen.push_back("H" + nr + " = H" + vor + " + h" + nr + " = " +
                         GanzzahlText(tabelle[j - 1].H) + " + " + h + " = " + H);
    }
    zeilen.push_back("F" + nr + " = H" + nr + " / n = " + H + " / " + n + " = " + k.Gerundet(z.F));
}

// The sorted list with the last position of each distinct value marked: that position is Hj,
// the number of values up to and including xj, and hj is Hj less the position marked before.
void Zaehltabelle(Laufkontext& k, const std::vector<Haeufigkeitszeile>& tabelle) {
    std::vector<double> sortiert;
    k.Stat.BubbleSort(k.M1, sortiert);
    Rechentabelle t;
    t.Vorspann = {"Hj = Stelle des letzten xj in der geordneten Urliste", "hj = Hj - H(j-1)"};
    t.Kopf({"i", "x(i)"}, sortiert.size());
    std::size_t j = 0;
    for (std::size_t i = 0; i < sortiert.size(); ++i) {
        t.Nummer(i) << k.TabellenVoll(sortiert[i]);
        if (i + 1 < sortiert.size() && sortiert[i + 1] == sortiert[i]) continue;
        const std::string nr = GanzzahlText(static_cast<long long>(j + 1));
        t.Marke(" <- H" + nr + " = " + GanzzahlText(tabelle[j].H) + ", h" + nr + " = " +
                GanzzahlText(tabelle[j].h));
        ++j;
    }
    t.Schreiben(k);
}

}  // namespace

}  // namespace zv

void zv::AusgabeHaeufigkeitstabelle(Laufkontext& k) {
    k.Add(k.Titel);
    const std::vector<Haeufigkeitszeile> tabelle = Haeufigkeitstabelle(k.Stat, k.M1);

    Rechentabelle t;
    t.Ueberschrift = false;
    t.Vorspann = {"n = " + GanzzahlText(static_cast<long long>(k.M1.size()))};
    if (k.Detail) {
        t.Vorspann.insert(t.Vorspann.end(), {"hj = wie oft der Wert xj in der Urliste vorkommt",
                                             "fj = hj / n", "Hj = h1 + ... + hj", "Fj = Hj / n"});
    }
    t.Kopf({"j", "xj", "hj", "fj", "Hj", "Fj"}, tabelle.size());
    double anteile = 0;
    for (std::size_t j = 0; j < tabelle.size(); ++j) {
        const Haeufigkeitszeile& z = tabelle[j];
        anteile = Plus(anteile, z.f);
        t.Nummer(j) << k.TabellenVoll(z.Wert) << GanzzahlText(z.h);
        t.Gerundet(k, z.f) << GanzzahlText(z.H);
        t.Gerundet(k, z.F);
    }
    t.Summen({"", GanzzahlText(static_cast<long long>(k.M1.size())), k.Gerundet(anteile), "", ""});

    if (k.Detail) {
        const std::size_t gezeigt = std::min(tabelle.size(), kSchrittzeilen);
        for (std::size_t j = 0; j < gezeigt; ++j) Schritte(k, tabelle, j, t.Nachspann);
        if (gezeigt < tabelle.size())
            t.Nachspann.push_back("Die übrigen " +
                                  GanzzahlText(static_cast<long long>(tabelle.size() - gezeigt)) +
                                  " Zeilen entstehen ebenso.");
    }
    t.Schreiben(k);
    if (k.Rechentabellen) Zaehltabelle(k, tabelle);
}

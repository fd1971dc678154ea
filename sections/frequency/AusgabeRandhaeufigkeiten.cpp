// "Randhäufigkeiten": the frequency table with its row sums, column sums and total.

#include <string>
#include <utility>

#include "base/Rechnen.h"
#include "base/Spalten.h"
#include "base/Text.h"
#include "base/Zahltext.h"
#include "sections/Abschnitte.h"
#include "sections/Rechentabelle.h"
#include "sections/frequency/Haeufigkeitstafel.h"

void zv::AusgabeRandhaeufigkeiten(Laufkontext& k, bool OhneTitel, bool OhneSchritte) {
    const std::size_t spalten = k.M1.size();

    // The whole table is built before the first line, so a fault here leaves no line behind.
    Zeile marken(spalten), zeileA1(spalten), zeileA2(spalten), summen(spalten);
    double n = 0.0;
    for (std::size_t i = 0; i < spalten; ++i) {
        const double h1 = k.M1[i];
        const double h2 = k.M2[i];
        marken[i] = Spaltenname(static_cast<long long>(i));
        zeileA1[i] = k.Voll(h1);
        zeileA2[i] = k.Voll(h2);
        summen[i] = k.Voll(Plus(h1, h2));
        n = Plus(Plus(n, h1), h2);
    }
    SpaltenAngleichen4(marken, zeileA1, zeileA2, summen);

    // After padding every column has one width in all four rows, so all joined rows share
    // the label row's length L in characters; more than 32767 are refused with an overflow.
    const std::string kopf = k.Verbunden(marken);
    const std::size_t L = Zeichenzahl(kopf);
    if (L > 32767) Wirf(Fehlerart::Ueberlauf);

    const std::string trennlinie = "--------+-" + Striche(static_cast<long long>(L)) + "-+-------";

    if (!OhneTitel) k.Add(k.Titel);
    if (k.Detail && !OhneSchritte) k.Add("");
    k.Add("Merkmal | " + kopf + " | hi.");
    k.Add(trennlinie);
    k.AddVerbunden("     a1 | ", zeileA1, " | " + k.Voll(k.Stat.Summe(k.M1)));
    k.AddVerbunden("     a2 | ", zeileA2, " | " + k.Voll(k.Stat.Summe(k.M2)));
    k.Add(trennlinie);
    k.AddVerbunden("    h.j | ", summen, " | n=" + k.Voll(n));
    k.Add("");
    if (!k.Rechentabellen || OhneTitel || n == 0.0) return;

    // A row per cell, row by row: its frequency and its share of all, the joint relative
    // frequency hij / n; the shares add up to 1.
    Rechentabelle t;
    t.Vorspann = {"n = " + k.Voll(n)};
    t.Kopf({"ai", "bj", "hij", "hij / n"}, 2 * spalten);
    double anteile = 0;
    for (const auto& [name, zeile] : {std::pair{"a1", &k.M1}, std::pair{"a2", &k.M2}})
        for (std::size_t j = 0; j < spalten; ++j) {
            const double anteil = Durch((*zeile)[j], n);
            anteile = Plus(anteile, anteil);
            t << name << Spaltenname(static_cast<long long>(j)) << k.TabellenVoll((*zeile)[j]);
            t.Gerundet(k, anteil);
        }
    t.Summen({"", k.Voll(n), k.Gerundet(anteile)});
    t.Schreiben(k);
}

void zv::AusgabeRandhaeufigkeiten(Laufkontext& k) {
    AusgabeRandhaeufigkeiten(k, false, false);
}

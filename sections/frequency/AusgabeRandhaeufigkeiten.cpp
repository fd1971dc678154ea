// "Randhäufigkeiten": the frequency table with its row sums, column sums and total.

#include <string>

#include "core/Rechenlauf.h"
#include "core/Rechnen.h"
#include "core/Spalten.h"
#include "core/Text.h"
#include "core/Zahltext.h"
#include "sections/frequency/Haeufigkeitstafel.h"

namespace zv {

void clsRechenlauf::AusgabeRandhaeufigkeiten(bool& OhneTitel) {
    using haeufigkeit::Wert;
    const long long k = static_cast<long long>(M1Max) + 1;
    const std::size_t spalten = k > 0 ? static_cast<std::size_t>(k) : 0;
    PruefeObergrenze(spalten);

    // The whole table is built before the first line, so a fault here leaves no line behind.
    Zeile marken(spalten), zeileA1(spalten), zeileA2(spalten), summen(spalten);
    double n = 0.0;
    for (std::size_t i = 0; i < spalten; ++i) {
        const double h1 = Wert(M1, static_cast<long long>(i));
        const double h2 = Wert(M2, static_cast<long long>(i));
        marken[i] = "b" + GanzzahlText(static_cast<long long>(i) + 1);
        zeileA1[i] = Voll(h1);
        zeileA2[i] = Voll(h2);
        summen[i] = Voll(Plus(h1, h2));
        n = Plus(Plus(n, h1), h2);
    }
    SpaltenAngleichen4(marken, zeileA1, zeileA2, summen);

    // After padding every column has one width in all four rows, so all joined rows share
    // the label row's length L. L is a 16-bit count of characters.
    const std::string kopf = Verbunden(marken);
    const std::size_t L = Zeichenzahl(kopf);
    if (L > 32767) Wirf(Fehlerart::Ueberlauf);

    const std::string trennlinie = "--------+-" + Striche(static_cast<long long>(L)) + "-+-------";

    if (!OhneTitel) Add("RANDHÄUFIGKEITEN");
    if (Detail) Add("");
    Add("Merkmal | " + kopf + " | hi.");
    Add(trennlinie);
    AddVerbunden("     a1 | ", zeileA1, " | " + Voll(Stat.Summe(M1)));
    AddVerbunden("     a2 | ", zeileA2, " | " + Voll(Stat.Summe(M2)));
    Add(trennlinie);
    AddVerbunden("    h.j | ", summen, " | n=" + Voll(n));
    Add("");
}

}  // namespace zv

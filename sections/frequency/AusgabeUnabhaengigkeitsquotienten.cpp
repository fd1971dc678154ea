// "Unabhängigkeitsquotienten": for every cell the frequency expected if the two features were
// independent, h~ij = hi. * h.j / n, as computed by the engine.

#include <string>

#include "base/Spalten.h"
#include "sections/Abschnitte.h"
#include "sections/frequency/Haeufigkeitstafel.h"

void zv::AusgabeUnabhaengigkeitsquotienten(Laufkontext& k, bool OhneTitel, bool OhneSchritte) {
    if (!OhneTitel) k.Add(k.Titel);
    if (k.Detail && !OhneSchritte) k.Add("");

    // Row 0 is a1, row 1 is a2; column j holds the j-th value of each list.
    const int spalten = static_cast<int>(k.M1.size());
    Tabelle tafel(2, spalten);
    for (int j = 0; j < spalten; ++j) {
        tafel(0, j) = k.M1[static_cast<std::size_t>(j)];
        tafel(1, j) = k.M2[static_cast<std::size_t>(j)];
    }
    const Tabelle erwartet = k.Stat.Unabhaengigkeitsquotienten(tafel);

    Zeile texteA1(static_cast<std::size_t>(spalten)), texteA2(static_cast<std::size_t>(spalten));
    for (int j = 0; j < spalten; ++j)
        texteA1[static_cast<std::size_t>(j)] = k.Gerundet(erwartet(0, j));
    for (int j = 0; j < spalten; ++j)
        texteA2[static_cast<std::size_t>(j)] = k.Gerundet(erwartet(1, j));
    SpaltenAngleichen2(texteA1, texteA2);

    k.AddVerbunden("h~a1: ", texteA1);
    k.AddVerbunden("h~a2: ", texteA2);
    k.Add("");
}

void zv::AusgabeUnabhaengigkeitsquotienten(Laufkontext& k) {
    AusgabeUnabhaengigkeitsquotienten(k, false, false);
}

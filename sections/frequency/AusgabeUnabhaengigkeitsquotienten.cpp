// "Unabhängigkeitsquotienten": for every cell the frequency expected if the two features were
// independent, h~ij = hi. * h.j / n, as computed by the engine.

#include <string>

#include "core/Rechenlauf.h"
#include "core/Rechnen.h"
#include "core/Spalten.h"
#include "sections/frequency/Haeufigkeitstafel.h"

namespace zv {

void clsRechenlauf::AusgabeUnabhaengigkeitsquotienten(bool& OhneTitel) {
    using haeufigkeit::Wert;
    if (!OhneTitel) Add("UNABHÄNGIGKEITSQUOTIENTEN");
    if (Detail) Add("");

    const long long k = static_cast<long long>(M1Max) + 1;
    const std::size_t spalten = k > 0 ? static_cast<std::size_t>(k) : 0;
    PruefeObergrenze(spalten);

    // Row 0 is a1, row 1 is a2; column j holds the j-th value of each list.
    Tabelle tafel(2, static_cast<int>(spalten));
    for (std::size_t j = 0; j < spalten; ++j) {
        const int jj = static_cast<int>(j);
        tafel(0, jj) = Wert(M1, jj);
        tafel(1, jj) = Wert(M2, jj);
    }
    const Tabelle erwartet = Stat.Unabhaengigkeitsquotienten(tafel);

    const auto ergebnisSpalten = static_cast<std::size_t>(erwartet.Spalten);
    Zeile texteA1(ergebnisSpalten), texteA2(ergebnisSpalten);
    for (std::size_t j = 0; j < ergebnisSpalten; ++j)
        texteA1[j] = Gerundet(erwartet(0, static_cast<int>(j)));
    for (std::size_t j = 0; j < ergebnisSpalten; ++j)
        texteA2[j] = Gerundet(erwartet(1, static_cast<int>(j)));
    SpaltenAngleichen2(texteA1, texteA2);

    AddVerbunden("h~a1: ", texteA1);
    AddVerbunden("h~a2: ", texteA2);
    Add("");
}

}  // namespace zv

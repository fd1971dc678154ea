// "Bedingte Häufigkeiten": the share of ai within each column bj, f(ai|bj) = hij / h.j, and
// the share of bj within each row ai, f(bj|ai) = hij / hi.

#include <optional>
#include <string>

#include "core/Rechenlauf.h"
#include "core/Rechnen.h"
#include "core/Spalten.h"
#include "sections/frequency/Haeufigkeitstafel.h"

namespace zv {

void clsRechenlauf::AusgabeBedingteHaeufigkeiten(bool& OhneTitel) {
    using haeufigkeit::Wert;
    const long long k1 = static_cast<long long>(M1Max) + 1;
    const long long k2 = static_cast<long long>(M2Max) + 1;
    const std::size_t spalten1 = k1 > 0 ? static_cast<std::size_t>(k1) : 0;
    const std::size_t spalten2 = k2 > 0 ? static_cast<std::size_t>(k2) : 0;
    PruefeObergrenze(spalten1);

    // Column sums in full precision, built before the first line.
    Zeile spaltensummen(spalten1);
    for (std::size_t j = 0; j < spalten1; ++j) {
        const auto jj = static_cast<long long>(j);
        spaltensummen[j] = Voll(Plus(Wert(M2, jj), Wert(M1, jj)));
    }

    if (!OhneTitel) Add("BEDINGTE HÄUFIGKEITEN");
    if (Detail) {
        Add("");
        Add("            hij");
        AddVerbunden("f(ai|bj) = -----      h.j = ", spaltensummen);
        Add("            h.j");
        Add("");
    }

    // f(ai|bj): each column divided by its own sum.
    Zeile zeile1(spalten1), zeile2(spalten1);
    for (std::size_t j = 0; j < spalten1; ++j) {
        const auto jj = static_cast<long long>(j);
        const double h1 = Wert(M1, jj);
        const double h2 = Wert(M2, jj);
        zeile1[j] = Gerundet(Durch(h1, Plus(h2, h1)));
        zeile2[j] = Gerundet(Durch(h2, Plus(h1, h2)));
    }
    SpaltenAngleichen2(zeile1, zeile2);
    AddVerbunden("f(ai|bj): ", zeile1);
    AddVerbunden("f(ai|bj): ", zeile2);
    Add("");

    // The row sums are taken from the engine once each, at the point where they are first
    // needed, so that a failing sum ends the section after the same lines as it would if it
    // were taken afresh for every entry.
    std::optional<double> summe1, summe2;
    auto zeilensumme1 = [&] {
        if (!summe1) summe1 = Stat.Summe(M1);
        return *summe1;
    };
    auto zeilensumme2 = [&] {
        if (!summe2) summe2 = Stat.Summe(M2);
        return *summe2;
    };

    if (Detail) {
        Add("            hij ");
        std::string zeile = "f(bj|ai) = -----      hi. = " + Gerundet(zeilensumme1());
        zeile += Ausgabetrennzeichen;
        zeile += Gerundet(zeilensumme2());
        Add(zeile);
        Add("            hi. ");
        Add("");
    }

    // f(bj|ai): each row divided by its own sum.
    zeile1.assign(spalten1, std::string());
    for (std::size_t i = 0; i < spalten1; ++i) {
        const double h = Wert(M1, static_cast<long long>(i));
        zeile1[i] = Gerundet(Durch(h, zeilensumme1()));
    }
    zeile2.assign(spalten2, std::string());
    for (std::size_t i = 0; i < spalten2; ++i) {
        const double h = Wert(M2, static_cast<long long>(i));
        zeile2[i] = Gerundet(Durch(h, zeilensumme2()));
    }
    SpaltenAngleichen2(zeile1, zeile2);
    AddVerbunden("f(bj|ai): ", zeile1);
    AddVerbunden("f(bj|ai): ", zeile2);
    Add("");
}

}  // namespace zv

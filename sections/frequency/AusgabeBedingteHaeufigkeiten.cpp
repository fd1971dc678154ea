// "Bedingte Häufigkeiten": the share of ai within each column bj, f(ai|bj) = hij / h.j, and
// the share of bj within each row ai, f(bj|ai) = hij / hi.

#include <optional>
#include <string>

#include "base/Rechnen.h"
#include "base/Spalten.h"
#include "base/Zahltext.h"
#include "sections/Abschnitte.h"
#include "sections/Rechentabelle.h"
#include "sections/frequency/Haeufigkeitstafel.h"

void zv::AusgabeBedingteHaeufigkeiten(Laufkontext& k) {
    const std::size_t spalten = k.M1.size();

    // Column sums in full precision, built before the first line.
    Zeile spaltensummen(spalten);
    for (std::size_t j = 0; j < spalten; ++j) spaltensummen[j] = k.Voll(Plus(k.M2[j], k.M1[j]));

    k.Add(k.Titel);
    if (k.Detail) {
        k.Add("");
        k.Add("            hij");
        k.AddVerbunden("f(ai|bj) = -----      h.j = ", spaltensummen);
        k.Add("            h.j");
        k.Add("");
    }

    // f(ai|bj): each column divided by its own sum.
    Zeile zeile1(spalten), zeile2(spalten);
    for (std::size_t j = 0; j < spalten; ++j) {
        const double h1 = k.M1[j];
        const double h2 = k.M2[j];
        zeile1[j] = k.Gerundet(Durch(h1, Plus(h2, h1)));
        zeile2[j] = k.Gerundet(Durch(h2, Plus(h1, h2)));
    }
    SpaltenAngleichen2(zeile1, zeile2);
    k.AddVerbunden("f(ai|bj): ", zeile1);
    k.AddVerbunden("f(ai|bj): ", zeile2);
    k.Add("");

    // The row sums are taken from the engine once each, at the point where they are first
    // needed, so that a failing sum ends the section after the same lines as it would if it
    // were taken afresh for every entry.
    std::optional<double> summe1, summe2;
    auto zeilensumme1 = [&] {
        if (!summe1) summe1 = k.Stat.Summe(k.M1);
        return *summe1;
    };
    auto zeilensumme2 = [&] {
        if (!summe2) summe2 = k.Stat.Summe(k.M2);
        return *summe2;
    };

    if (k.Detail) {
        k.Add("            hij ");
        std::string zeile = "f(bj|ai) = -----      hi. = " + k.Gerundet(zeilensumme1());
        zeile += k.Ausgabetrennzeichen;
        zeile += k.Gerundet(zeilensumme2());
        k.Add(zeile);
        k.Add("            hi. ");
        k.Add("");
    }

    // f(bj|ai): each row divided by its own sum.
    for (std::size_t i = 0; i < spalten; ++i)
        zeile1[i] = k.Gerundet(Durch(k.M1[i], zeilensumme1()));
    for (std::size_t i = 0; i < spalten; ++i)
        zeile2[i] = k.Gerundet(Durch(k.M2[i], zeilensumme2()));
    SpaltenAngleichen2(zeile1, zeile2);
    k.AddVerbunden("f(bj|ai): ", zeile1);
    k.AddVerbunden("f(bj|ai): ", zeile2);
    k.Add("");
    if (!k.Rechentabellen) return;

    // A row per column bj: f(a1|bj) and f(a2|bj), which add up to 1 in every column.
    Rechentabelle t;
    t.Vorspann = {"f(a1|bj) = h1j / h.j", "f(a2|bj) = h2j / h.j"};
    t.Kopf({"bj", "h1j", "h2j", "h.j", "f(a1|bj)", "f(a2|bj)", "f(a1|bj) + f(a2|bj)"}, spalten);
    for (std::size_t j = 0; j < spalten; ++j) {
        const double h1 = k.M1[j], h2 = k.M2[j];
        const double f1 = Durch(h1, Plus(h2, h1)), f2 = Durch(h2, Plus(h1, h2));
        t << Spaltenname(static_cast<long long>(j)) << k.TabellenVoll(h1) << k.TabellenVoll(h2)
          << spaltensummen[j];
        t.Gerundet(k, f1).Gerundet(k, f2).Gerundet(k, Plus(f1, f2));
    }
    t.Schreiben(k);

    // A row per column bj again: f(bj|a1) and f(bj|a2), each adding up to 1 over the columns.
    Rechentabelle u;
    u.Vorspann = {"h1. = " + k.Voll(zeilensumme1()), "h2. = " + k.Voll(zeilensumme2()),
                  "f(bj|a1) = h1j / h1.", "f(bj|a2) = h2j / h2."};
    u.Kopf({"bj", "h1j", "f(bj|a1)", "h2j", "f(bj|a2)"}, spalten);
    double summe[2] = {0, 0};
    for (std::size_t j = 0; j < spalten; ++j) {
        const double f1 = Durch(k.M1[j], zeilensumme1()), f2 = Durch(k.M2[j], zeilensumme2());
        summe[0] = Plus(summe[0], f1);
        summe[1] = Plus(summe[1], f2);
        u << Spaltenname(static_cast<long long>(j)) << k.TabellenVoll(k.M1[j]);
        u.Gerundet(k, f1) << k.TabellenVoll(k.M2[j]);
        u.Gerundet(k, f2);
    }
    u.Summen({k.Voll(zeilensumme1()), k.Gerundet(summe[0]), k.Voll(zeilensumme2()),
              k.Gerundet(summe[1])});
    u.Schreiben(k);
}

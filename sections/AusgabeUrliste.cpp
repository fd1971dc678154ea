// The raw list at the head of every report: the values in input order, in two-dimensional
// mode as a three-row table that pairs each a1 value with its a2 value under its column label.

#include "base/Spalten.h"
#include "base/Zahltext.h"
#include "sections/Abschnitte.h"
#include "sections/Laufkontext.h"

void zv::AusgabeUrliste(Laufkontext& k) {
    if (!k.Zweidimensional) {
        if (k.M1.size() == 1) return;  // a single value is not listed
        std::vector<std::string> werte;
        werte.reserve(k.M1.size());
        for (double x : k.M1) werte.push_back(k.Voll(x));
        k.AddVerbunden("Urliste: ", werte);
        k.Add("");
        return;
    }

    std::vector<std::string> merkmale, x, y;
    merkmale.reserve(k.M1.size());
    x.reserve(k.M1.size());
    y.reserve(k.M2.size());
    for (std::size_t i = 0; i < k.M1.size(); ++i) {
        merkmale.push_back(Spaltenname(static_cast<long long>(i)));
        x.push_back(k.Voll(k.M1[i]));
        y.push_back(k.Voll(k.M2[i]));
    }
    SpaltenAngleichen3(merkmale, x, y);
    k.AddVerbunden("Merkmal ", merkmale);
    k.AddVerbunden("(x)  a1 ", x);
    k.AddVerbunden("(y)  a2 ", y);
    k.Add("");
}

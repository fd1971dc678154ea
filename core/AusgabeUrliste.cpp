// The raw list at the head of every report: the values in input order, in two-dimensional
// mode as a three-row table that pairs each a1 value with its a2 value under its column label.

#include "core/Rechenlauf.h"
#include "core/Spalten.h"
#include "core/Zahltext.h"

namespace zv {

void clsRechenlauf::AusgabeUrliste() {
    if (!Zweidimensional) {
        if (M1Max == 0) return;  // a single value is not listed
        std::vector<std::string> werte;
        werte.reserve(M1.size());
        for (double x : M1) werte.push_back(Voll(x));
        AddVerbunden("Urliste: ", werte);
        Add("");
        return;
    }

    std::vector<std::string> merkmale, x, y;
    merkmale.reserve(M1.size());
    x.reserve(M1.size());
    y.reserve(M2.size());
    for (int i = 0; i <= M1Max; ++i) {
        merkmale.push_back(Spaltenname(i));
        x.push_back(Voll(M1[i]));
    }
    for (int i = 0; i <= M2Max; ++i) y.push_back(Voll(M2[i]));
    SpaltenAngleichen3(merkmale, x, y);
    AddVerbunden("Merkmal ", merkmale);
    AddVerbunden("(x)  a1 ", x);
    AddVerbunden("(y)  a2 ", y);
    Add("");
}

}  // namespace zv

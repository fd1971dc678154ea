#pragma once
// The benchmark workloads: control states of a run, generated from fixed seeds.

#include <random>
#include <string>

#include "run/Rechenlauf.h"
#include "run/Statistiken.h"

namespace zvbench {

enum class Werte { Ganz, Dezimal };

// n values, whole numbers 1..100 or numbers with two decimals, blank-separated, decimal comma.
inline std::string Liste(int n, Werte art, unsigned saat) {
    std::mt19937 zufall(saat);
    std::uniform_int_distribution<int> ganz(1, 100), hundertstel(0, 99);
    std::string text;
    text.reserve(static_cast<std::size_t>(n) * 6);
    for (int i = 0; i < n; ++i) {
        if (i > 0) text += ' ';
        text += std::to_string(ganz(zufall));
        if (art == Werte::Dezimal) {
            const int h = hundertstel(zufall);
            text += ',';
            text += static_cast<char>('0' + h / 10);
            text += static_cast<char>('0' + h % 10);
        }
    }
    return text;
}

// The run's control states: all entries of the mode selected (or none for the floor),
// details on; with tabellen every section's calculation table too.
inline zv::Steuerzustand Zustand(bool zweidimensional, int n, Werte art, bool alle,
                                 bool tabellen = false) {
    zv::Steuerzustand z;
    z.Zweidimensional = zweidimensional;
    z.Trennzeichenwahl = 0;
    z.chkDetail = alle;
    z.Rechentabellen = tabellen;
    z.txtNks = "3";
    z.txtM1 = Liste(n, art, 1);
    if (zweidimensional) z.txtM2 = Liste(n, art, 2);
    for (const std::string& text : zv::ListenEintraege(zweidimensional))
        z.lstSelection.push_back({text, alle});
    return z;
}

}  // namespace zvbench

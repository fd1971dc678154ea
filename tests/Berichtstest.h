#pragma once
// Helpers for report tests: whole expected texts from lines, runs from control states.

#include <initializer_list>
#include <string>
#include <vector>

#include "run/Rechenlauf.h"
#include "run/Statistiken.h"

namespace zvtest {

// The lines, each followed by CR LF.
inline std::string Zeilen(std::initializer_list<std::string> zeilen) {
    std::string text;
    for (const std::string& z : zeilen) text += z + "\r\n";
    return text;
}

// A run with the given entries selected (the mode's list otherwise unselected).
inline zv::Steuerzustand Zustand(bool zweidimensional, int trennzeichen, std::string m1,
                                 std::string m2, std::vector<std::string> auswahl,
                                 bool detail = false, std::string nks = "3") {
    zv::Steuerzustand z;
    z.Zweidimensional = zweidimensional;
    z.Trennzeichenwahl = trennzeichen;
    z.txtM1 = std::move(m1);
    z.txtM2 = std::move(m2);
    z.chkDetail = detail;
    z.txtNks = std::move(nks);
    for (const std::string& text : zv::ListenEintraege(zweidimensional)) {
        bool gewaehlt = false;
        for (const std::string& a : auswahl) gewaehlt = gewaehlt || a == text;
        z.lstSelection.push_back({text, gewaehlt});
    }
    return z;
}

// The report of a fresh run.
inline zv::Laufergebnis Lauf(const zv::Steuerzustand& z, const char* dezimal = ",") {
    return zv::clsRechenlauf(dezimal).cmdCalculate_Click(z);
}

}  // namespace zvtest

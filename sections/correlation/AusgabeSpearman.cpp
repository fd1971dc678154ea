// Report section "Spearmen-Rangkorrelationskoeffizient": ranks both lists (largest value
// rank 1, ties their mean rank) and takes rSP from the engine.

#include <algorithm>
#include <string>

#include "core/Rechenlauf.h"
#include "sections/correlation/Paare.h"
#include "core/Spalten.h"
#include "core/Text.h"
#include "core/Zahltext.h"
#include "sections/correlation/Listenzugriff.h"
#include "sections/correlation/Rangziffern.h"

namespace zv {

void clsRechenlauf::AusgabeSpearman() {
    Add("RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN");
    if (ZuWenigePaare(*this)) return;

    const std::vector<double> rx = RangzifferBilden(M1).Mittel;
    const std::vector<double> ry = RangzifferBilden(M2).Mittel;

    if (Detail) {
        const long long letzter = M1Max;
        Zeile textX, textY;
        textX.reserve(static_cast<std::size_t>(letzter + 1));
        textY.reserve(static_cast<std::size_t>(letzter + 1));
        for (long long i = 0; i <= letzter; ++i) {
            textX.push_back(Gerundet(Element(rx, i)));
            textY.push_back(Gerundet(Element(ry, i)));
        }
        SpaltenAngleichen2(textX, textY);

        Add("");
        Add("Rangziffern:");
        AddVerbunden("Rix: ", textX);
        AddVerbunden("Riy: ", textY);
        Add("");
        Add("           6 * Sum(Rx-Ry)²");
        Add("rSP = 1 - -----------------");
        Add("          (n-1) * n * (n+1)");

        // The sum line shows the unrounded mean ranks, in input order.
        std::string summe = "          6 * [";
        for (long long i = 0; i <= letzter; ++i) {
            if (i > 0) summe += " + ";
            summe += '(';
            summe += Voll(Element(rx, i));
            summe += '-';
            summe += Voll(Element(ry, i));
            summe += ")²";
        }
        summe += ']';
        const long long summeLaenge = static_cast<long long>(Zeichenzahl(summe));

        const std::string n = GanzzahlText(M1Max + 1);
        const std::string nenner = "(" + n + " - 1) * " + n + " * (" + n + " + 1)";
        const long long einzug = std::max(
            0LL, (summeLaenge - static_cast<long long>(Zeichenzahl(nenner))) / 2 + 5);

        Add("");
        Add(summe);
        Add("rSP = 1 - " + Striche(summeLaenge - 9));
        Add(Leerzeichen(einzug) + nenner);
        Add("");
        Add("rSP = " + Gerundet(Stat.SpearmenRangkorrelationskoeffizient(rx, ry)));
    } else {
        Add("rSP: " + Gerundet(Stat.SpearmenRangkorrelationskoeffizient(rx, ry)));
    }
    Add("");
}

}  // namespace zv

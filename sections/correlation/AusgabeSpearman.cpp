// Report section "Spearmen-Rangkorrelationskoeffizient": ranks both lists (largest value
// rank 1, ties their mean rank) and takes rSP from the engine.

#include <algorithm>
#include <string>

#include "base/Spalten.h"
#include "base/Text.h"
#include "base/Zahltext.h"
#include "engine/Rangziffern.h"
#include "sections/correlation/Paare.h"

namespace zv {

void AusgabeSpearman(Laufkontext& k) {
    k.Add(k.Titel);
    if (ZuWenigePaare(k)) return;

    const std::vector<double> rx = RangzifferBilden(k.M1);
    const std::vector<double> ry = RangzifferBilden(k.M2);

    if (k.Detail) {
        Zeile textX, textY;
        textX.reserve(rx.size());
        textY.reserve(ry.size());
        for (std::size_t i = 0; i < rx.size(); ++i) {
            textX.push_back(k.Gerundet(rx[i]));
            textY.push_back(k.Gerundet(ry[i]));
        }
        SpaltenAngleichen2(textX, textY);

        k.Add("");
        k.Add("Rangziffern:");
        k.AddVerbunden("Rix: ", textX);
        k.AddVerbunden("Riy: ", textY);
        k.Add("");
        k.Add("           6 * Sum(Rx-Ry)²");
        k.Add("rSP = 1 - -----------------");
        k.Add("          (n-1) * n * (n+1)");

        // The sum line shows the unrounded mean ranks, in input order.
        std::string summe = "          6 * [";
        for (std::size_t i = 0; i < rx.size(); ++i) {
            if (i > 0) summe += " + ";
            summe += '(';
            summe += k.Voll(rx[i]);
            summe += '-';
            summe += k.Voll(ry[i]);
            summe += ")²";
        }
        summe += ']';
        const long long summeLaenge = static_cast<long long>(Zeichenzahl(summe));

        const std::string n = GanzzahlText(static_cast<long long>(k.M1.size()));
        const std::string nenner = "(" + n + " - 1) * " + n + " * (" + n + " + 1)";
        const long long einzug =
            std::max(0LL, (summeLaenge - static_cast<long long>(Zeichenzahl(nenner))) / 2 + 5);

        k.Add("");
        k.Add(summe);
        k.Add("rSP = 1 - " + Striche(summeLaenge - 9));
        k.Add(Leerzeichen(einzug) + nenner);
        k.Add("");
        k.Add("rSP = " + k.Gerundet(k.Stat.SpearmenRangkorrelationskoeffizient(rx, ry)));
    } else {
        k.Add("rSP: " + k.Gerundet(k.Stat.SpearmenRangkorrelationskoeffizient(rx, ry)));
    }
    k.Add("");
}

}  // namespace zv

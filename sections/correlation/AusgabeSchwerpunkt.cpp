// Report section "Schwerpunkt": the centroid (xMitt, yMitt) of the pairs.

#include <string>

#include "core/Rechenlauf.h"
#include "core/Zahltext.h"
#include "sections/correlation/Listenzugriff.h"

namespace zv {

void clsRechenlauf::AusgabeSchwerpunkt() {
    const std::string n = GanzzahlText(M1Max + 1);

    Add("SCHWERPUNKT");
    if (Detail) {
        Add("");
        // Both lists are walked with the bound of the first; the run guarantees equal lengths.
        std::string xSumme, ySumme;
        for (long long i = 0; i <= M1Max; ++i) {
            xSumme += Voll(Element(M1, i));
            xSumme += " + ";
            ySumme += Voll(Element(M2, i));
            ySumme += " + ";
        }
        // Cut the trailing " + ".
        if (xSumme.size() >= 3) xSumme.resize(xSumme.size() - 3);
        if (ySumme.size() >= 3) ySumme.resize(ySumme.size() - 3);

        Add("xMitt = (" + xSumme + ") / " + n);
        Add("yMitt = (" + ySumme + ") / " + n);
        Add("xMitt = " + Voll(Stat.Summe(M1)) + " / " + n);
        Add("yMitt = " + Voll(Stat.Summe(M2)) + " / " + n);
    }
    Add("xMitt = " + Gerundet(Stat.Mittelwert(M1)));
    Add("yMitt = " + Gerundet(Stat.Mittelwert(M2)));
    Add("");
}

}  // namespace zv

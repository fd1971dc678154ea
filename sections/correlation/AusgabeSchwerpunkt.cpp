// Report section "Schwerpunkt": the centroid (xMitt, yMitt) of the pairs.

#include <string>

#include "base/Zahltext.h"
#include "sections/Laufkontext.h"

namespace zv {

void AusgabeSchwerpunkt(Laufkontext& k) {
    const std::string n = GanzzahlText(static_cast<long long>(k.M1.size()));

    k.Add(k.Titel);
    if (k.Detail) {
        k.Add("");
        std::string xSumme, ySumme;
        for (std::size_t i = 0; i < k.M1.size(); ++i) {
            if (i > 0) xSumme += " + ", ySumme += " + ";
            xSumme += k.Voll(k.M1[i]);
            ySumme += k.Voll(k.M2[i]);
        }
        k.Add("xMitt = (" + xSumme + ") / " + n);
        k.Add("yMitt = (" + ySumme + ") / " + n);
        k.Add("xMitt = " + k.Voll(k.Stat.Summe(k.M1)) + " / " + n);
        k.Add("yMitt = " + k.Voll(k.Stat.Summe(k.M2)) + " / " + n);
    }
    k.Add("xMitt = " + k.Gerundet(k.Stat.Mittelwert(k.M1)));
    k.Add("yMitt = " + k.Gerundet(k.Stat.Mittelwert(k.M2)));
    k.Add("");
}

}  // namespace zv

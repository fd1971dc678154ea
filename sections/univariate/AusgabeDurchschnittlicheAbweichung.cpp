// "Durchschnittliche Abweichung": mean absolute deviation about the median, then about the mean.

#include "core/Rechenlauf.h"

namespace zv {

void clsRechenlauf::AusgabeDurchschnittlicheAbweichung() {
    Add("DURCHSCHNITTLICHE ABWEICHUNG");
    Add("sMed: " + Gerundet(Stat.DurchschnittlicheAbweichungMedian(M1)));
    Add("sMitt: " + Gerundet(Stat.DurchschnittlicheAbweichungMittelwert(M1)));
    Add("");
}

}  // namespace zv

// "Standardabweichnung": the root of the unrounded population variance, rounded.

#include "core/Rechenlauf.h"
#include "core/Rechnen.h"

namespace zv {

void clsRechenlauf::AusgabeStandardabweichung() {
    Add("STANDARDABWEICHNUNG");
    Add("s: " + Gerundet(Wurzel(Stat.MittlereQuadratischeAbweichung(M1))));
    Add("");
}

}  // namespace zv

// "Mittlere quadratische Abweichung": the population variance.

#include "core/Rechenlauf.h"

namespace zv {

void clsRechenlauf::AusgabeVarianz() {
    Add("MITTLERE QUADRATISCHE ABWEICHUNG (VARIANZ)");
    Add("s²x: " + Gerundet(Stat.MittlereQuadratischeAbweichung(M1)));
    Add("");
}

}  // namespace zv

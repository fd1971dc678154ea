// "Arithmetisches Mittel": the mean of the raw list, rounded.

#include "core/Rechenlauf.h"

namespace zv {

void clsRechenlauf::AusgabeMittelwert() {
    Add("ARITHMETISCHES MITTEL (MITTELWERT)");
    Add("Mittelwert: " + Gerundet(Stat.Mittelwert(M1)));
    Add("");
}

}  // namespace zv

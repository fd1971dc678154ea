// "Spannweite": largest minus smallest value.

#include "core/Rechenlauf.h"

namespace zv {

void clsRechenlauf::AusgabeSpannweite() {
    Add("SPANNWEITE");
    Add("SP: " + Gerundet(Stat.Spannweite(M1)));
    Add("");
}

}  // namespace zv

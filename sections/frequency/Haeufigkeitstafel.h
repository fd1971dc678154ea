#pragma once
// The frequency-table sections read the two lists M1 and M2 as the rows a1 and a2 of a 2 x k
// table of absolute frequencies, column j being the j-th value of each list in the order
// typed. The contingency coefficient shows two of them inside its own steps: without their
// title and without the empty line the steps would put after it.

#include "sections/Laufkontext.h"

namespace zv {

void AusgabeRandhaeufigkeiten(Laufkontext& k, bool OhneTitel, bool OhneSchritte);
void AusgabeUnabhaengigkeitsquotienten(Laufkontext& k, bool OhneTitel, bool OhneSchritte);

}  // namespace zv

#pragma once
// The count check of the paired-data sections.

#include "sections/Ergebniszeilen.h"
#include "sections/Laufkontext.h"

namespace zv {

// Spearman, regression and determination need two lists of equal length with two pairs at
// least. Otherwise the message closes the section, without an empty line after it.
inline bool ZuWenigePaare(Laufkontext& k) {
    if (k.M1Max() == k.M2Max() && k.M1Max() >= 1) return false;
    k.Add(kPaareUnvollstaendig);
    return true;
}

}  // namespace zv

#pragma once
// The count check of the paired-data sections.

#include <string_view>

#include "sections/Laufkontext.h"

namespace zv {

inline constexpr std::string_view kPaareUnvollstaendig =
    "Anzahl der Ausprägungen nicht identisch, Berechnung nicht möglich.";

// Spearman, regression and determination need two lists of equal length with two pairs at
// least. Otherwise the message closes the section, without an empty line after it.
inline bool ZuWenigePaare(Laufkontext& k) {
    if (k.M1Max() == k.M2Max() && k.M1Max() >= 1) return false;
    k.Add(kPaareUnvollstaendig);
    return true;
}

}  // namespace zv

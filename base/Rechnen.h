#pragma once
// Checked arithmetic on doubles. Inputs are always finite; every operation that would yield an
// infinity or a NaN raises the matching run-time error instead, so no such value ever reaches
// the report.

#include <cmath>
#include <cstdint>
#include <vector>

#include "base/Laufzeitfehler.h"

namespace zv {

inline double Gepruefte(double r) {
    if (std::isinf(r) || std::isnan(r)) Wirf(Fehlerart::Ueberlauf);
    return r;
}

inline double Plus(double a, double b) {
    return Gepruefte(a + b);
}
inline double Minus(double a, double b) {
    return Gepruefte(a - b);
}
inline double Mal(double a, double b) {
    return Gepruefte(a * b);
}

// x / 0 is division by zero for x != 0 and overflow for 0 / 0 (also for -0).
inline double Durch(double a, double b) {
    if (b == 0.0) Wirf(a == 0.0 ? Fehlerart::Ueberlauf : Fehlerart::DivisionDurchNull);
    return Gepruefte(a / b);
}

inline double Wurzel(double a) {
    if (a < 0.0) Wirf(Fehlerart::UngueltigesArgument);
    return std::sqrt(a);
}

// The power with exponent 2.
inline double Quadrat(double a) {
    return Gepruefte(std::pow(a, 2.0));
}

// An array of 32768 elements or more (an upper bound of 32767 or more) is refused with an
// overflow: counts and indexes stay within 16 bits.
inline void PruefeObergrenze(std::size_t anzahl) {
    if (anzahl > 32767) Wirf(Fehlerart::Ueberlauf);
}

// All values identical (0 and -0 count as equal); an empty list counts as constant.
inline bool IstKonstant(const std::vector<double>& arr) {
    for (double x : arr)
        if (x != arr.front()) return false;
    return true;
}

}  // namespace zv

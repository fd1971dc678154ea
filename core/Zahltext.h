#pragma once
// Number texts of the report. The decimal separator is the locale's and is always passed in.

#include <cstdint>
#include <string>
#include <string_view>

namespace zv {

// Printed in full: 15 significant digits, correctly rounded (ties to even), trailing zeros
// dropped; plain form for decimal exponents -4..14, otherwise "1,5E-07" / "1E+15".
std::string VollText(double x, std::string_view dezimal);

// The value rounded to nks decimal places (ties to even on the exact binary value), as the
// nearest double. nks < 0 raises "Ungültiges Argument".
double Runden(double x, int nks);

// Printed rounded: Runden, then printed in full (so no trailing zeros).
std::string GerundetText(double x, int nks, std::string_view dezimal);

// Whole counts (n, column numbers): plain decimal digits.
std::string GanzzahlText(long long n);

}  // namespace zv

namespace zv {

// The label of column i (from 0) of a two-dimensional table: "b1", "b2", ...
std::string Spaltenname(long long i);

}  // namespace zv

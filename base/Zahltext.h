#pragma once
// Number texts of the report. The decimal separator is the locale's and is always passed in.

#include <cstdint>
#include <string>
#include <string_view>

namespace zv {

// Printed in full: 15 significant digits, correctly rounded (ties to even), trailing zeros
// dropped; plain form for decimal exponents -4..14, otherwise "1,5E-07" / "1E+15".
std::string VollText(double x, std::string_view dezimal);

// Printed rounded: the value rounded to nks decimal places (ties to even on the exact binary
// value), then printed in full as the nearest double would be (so no trailing zeros).
// nks < 0 raises "Ungültiges Argument".
std::string GerundetText(double x, int nks, std::string_view dezimal);

// Whole counts (n, column numbers): plain decimal digits.
std::string GanzzahlText(long long n);

// The label of column i (from 0) of a two-dimensional table: "b1", "b2", ...
std::string Spaltenname(long long i);

}  // namespace zv

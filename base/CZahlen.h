#pragma once
// Number texts in the C syntax ("." as decimal point) independently of the process locale,
// which the window's toolkit may have switched to the user's locale.

#include <string>

namespace zv {

// Correctly rounded; magnitudes beyond the double range give +-infinity, tiny ones the
// nearest double.
double CZahlLesen(const char* text);

// "%.<stellen>e" and "%.<stellen>f" of x: exact decimal rounding of the binary value, ties to
// even. stellen < 0 gives the shortest text that reads back as x.
std::string CExponentText(double x, int stellen);
std::string CFestkommaText(double x, int stellen);

}  // namespace zv

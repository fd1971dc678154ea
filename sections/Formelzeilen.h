#pragma once
// Formulas drawn in text for the calculation steps: a fraction over three lines and an n-th
// root over two, each behind a left side such as "xHarm = " and followed by an optional rest
// on the middle (root: lower) line, such as " = 2,571".

#include <string_view>

#include "sections/Laufkontext.h"

namespace zv {

// zaehler
// links ------- rechts
// nenner
// Numerator and denominator are centred over a bar one blank wider than the longer of them
// on each side.
void BruchZeilen(Laufkontext& k, std::string_view links, std::string_view zaehler,
                 std::string_view nenner, std::string_view rechts = {});

//       index  _______
// links      \/ radikand rechts
void WurzelZeilen(Laufkontext& k, std::string_view links, std::string_view index,
                  std::string_view radikand, std::string_view rechts = {});

}  // namespace zv

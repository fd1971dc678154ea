#pragma once
// Column padding for the small tables of the report: right-aligns parallel rows column by
// column by putting blanks in front of the shorter entries.

#include <string>
#include <vector>

namespace zv {

using Zeile = std::vector<std::string>;

// Columns 0 up to the smaller of the two upper bounds.
void SpaltenAngleichen2(Zeile& a, Zeile& b);

// Columns 0 up to the upper bound of the first row; a later row with fewer entries raises
// "Index außerhalb des gültigen Bereichs" at its first missing index (earlier columns stay
// padded).
void SpaltenAngleichen3(Zeile& a, Zeile& b, Zeile& c);
void SpaltenAngleichen4(Zeile& a, Zeile& b, Zeile& c, Zeile& d);

}  // namespace zv

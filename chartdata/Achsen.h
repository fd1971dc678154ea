#pragma once
// Axis ranges that a plotting library can draw whatever the data: finite, never of zero width,
// with magnitudes it accepts and spans its tick arithmetic can resolve. Values whose magnitude
// is at least 1E+100 or below 1E-100 are drawn divided by a power of ten, which the axis title
// names, so that values near the limits of double precision never overflow on the way.

#include <string>
#include <string_view>

namespace zv {

struct Achse {
    int Exponent = 0;   // drawn coordinate = value / 10^Exponent
    double Unten = -1;  // the visible range, in drawn coordinates
    double Oben = 1;

    // A value of the axis in drawn coordinates; finite for every finite value.
    double Gezeichnet(double wert) const;
    // A difference of two values in drawn coordinates, without forming the difference.
    double GezeichneteDifferenz(double von, double bis) const;
};

// The axis for values from kleinster to groesster (finite, kleinster <= groesster) with a
// margin of 5 % of the span on each side; equal values get a range around them. abNull: the
// range starts at 0 when no value is negative (for counts and frequencies).
Achse AchseBilden(double kleinster, double groesster, bool abNull = false);

// Widens the visible range (drawn coordinates) where needed so that it holds [unten, oben]
// with a margin of 5 % of the whole span beyond each end.
void Einschliessen(Achse& achse, double unten, double oben);

// Whether a visible range in drawn coordinates can be drawn: finite, increasing, magnitudes up
// to 1E+200, and a span of at least 1E-12 of the larger magnitude and at least 1E-200.
bool Zeichenbar(double unten, double oben);

// The axis title with the power of ten the drawn values are divided by: "Wert (× 1E+300)".
std::string Achsentitel(std::string_view titel, int exponent);

}  // namespace zv

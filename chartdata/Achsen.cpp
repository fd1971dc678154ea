#include "chartdata/Achsen.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zv {

namespace {

constexpr double kRand = 0.05;
constexpr double kMindestanteil = 1e-12;
constexpr double kKleinsteSpanne = 1e-200;
constexpr double kGroessterBetrag = 1e200;
constexpr int kAbExponent = 100;

// Divisions in extended precision: 10^Exponent and the quotients of values near the double
// limits stay finite and keep their digits.
long double Zehnerpotenz(int exponent) {
    return std::pow(10.0L, static_cast<long double>(exponent));
}

// The visible range widened, where needed, to the smallest span that can be drawn around its
// centre.
void MindestspanneHerstellen(double& unten, double& oben) {
    const double groesste = std::max(std::fabs(unten), std::fabs(oben));
    const double mindest = std::max(groesste * kMindestanteil, kKleinsteSpanne);
    if (oben - unten >= mindest) return;
    const double mitte = unten / 2 + oben / 2;
    unten = mitte - mindest;
    oben = mitte + mindest;
}

}  // namespace

double Achse::Gezeichnet(double wert) const {
    if (Exponent == 0) return wert;
    return static_cast<double>(static_cast<long double>(wert) / Zehnerpotenz(Exponent));
}

double Achse::GezeichneteDifferenz(double von, double bis) const {
    return static_cast<double>((static_cast<long double>(bis) - static_cast<long double>(von)) /
                               Zehnerpotenz(Exponent));
}

Achse AchseBilden(double kleinster, double groesster, bool abNull) {
    Achse a;
    const double groesste = std::max(std::fabs(kleinster), std::fabs(groesster));
    if (groesste > 0) {
        const int exponent = static_cast<int>(std::floor(std::log10(groesste)));
        if (std::abs(exponent) >= kAbExponent) a.Exponent = exponent;
    }
    double unten = a.Gezeichnet(kleinster);
    double oben = a.Gezeichnet(groesster);
    // After the division every magnitude is below 1E+100, so the margins cannot overflow.
    if (oben > unten) {
        const double rand = (oben - unten) * kRand;
        unten -= rand;
        oben += rand;
    } else {
        const double halb = unten == 0 ? 1.0 : std::fabs(unten) * 0.1;
        unten -= halb;
        oben += halb;
    }
    if (abNull && kleinster >= 0) unten = 0;
    MindestspanneHerstellen(unten, oben);
    a.Unten = unten;
    a.Oben = oben;
    return a;
}

void Einschliessen(Achse& achse, double unten, double oben) {
    const double rand = (std::max(oben, achse.Oben) - std::min(unten, achse.Unten)) * kRand;
    achse.Unten = std::min(achse.Unten, unten - rand);
    achse.Oben = std::max(achse.Oben, oben + rand);
}

bool Zeichenbar(double unten, double oben) {
    if (!std::isfinite(unten) || !std::isfinite(oben) || !(unten < oben)) return false;
    const double groesste = std::max(std::fabs(unten), std::fabs(oben));
    if (groesste > kGroessterBetrag) return false;
    const double spanne = oben - unten;
    return spanne >= groesste * kMindestanteil && spanne >= kKleinsteSpanne;
}

std::string Achsentitel(std::string_view titel, int exponent) {
    std::string t(titel);
    if (exponent == 0) return t;
    std::string ziffern = std::to_string(std::abs(exponent));
    if (ziffern.size() < 2) ziffern.insert(0, "0");
    return t + " (× 1E" + (exponent < 0 ? "-" : "+") + ziffern + ")";
}

}  // namespace zv

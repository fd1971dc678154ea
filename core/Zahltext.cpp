#include "core/Zahltext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "core/CZahlen.h"
#include "core/Laufzeitfehler.h"

namespace zv {

std::string VollText(double x, std::string_view dezimal) {
    if (x == 0.0) return "0";  // also -0
    // Whole numbers below 10^15 have at most 15 digits and print exactly as they are.
    if (std::fabs(x) < 1e15 && x == std::trunc(x)) return std::to_string(static_cast<long long>(x));

    // 15 significant digits, correctly rounded from the exact binary value (ties to even).
    // The shortest text that reads back as x, when it has at most 15 significant digits, is
    // that rounding already (any decimal of up to 15 digits survives the trip through a
    // double); only values that need 16 or 17 digits are rounded explicitly.
    // Subnormal values carry fewer digits than that and are always rounded explicitly.
    std::string text = std::fabs(x) >= std::numeric_limits<double>::min() ? CExponentText(x, -1)
                                                                           : std::string();
    if (text.empty() || text.find('e') > (x < 0 ? 17u : 16u)) text = CExponentText(x, 14);
    std::string_view s(text);

    const bool negativ = s.front() == '-';
    if (negativ) s.remove_prefix(1);
    std::string ziffern;
    ziffern.push_back(s[0]);
    std::size_t p = s[1] == '.' ? 2 : 1;  // after "d." or "d"
    while (p < s.size() && s[p] != 'e') ziffern.push_back(s[p++]);
    const int exponent = std::atoi(std::string(s.substr(p + 1)).c_str());
    while (ziffern.size() > 1 && ziffern.back() == '0') ziffern.pop_back();

    std::string ergebnis;
    if (negativ) ergebnis.push_back('-');
    const int anzahl = static_cast<int>(ziffern.size());
    if (exponent > -5 && exponent < 15) {
        if (exponent >= 0) {
            const int ganz = exponent + 1;
            if (anzahl <= ganz) {
                ergebnis += ziffern;
                ergebnis.append(ganz - anzahl, '0');
            } else {
                ergebnis.append(ziffern, 0, ganz);
                ergebnis += dezimal;
                ergebnis.append(ziffern, ganz);
            }
        } else {
            ergebnis.push_back('0');
            ergebnis += dezimal;
            ergebnis.append(-exponent - 1, '0');
            ergebnis += ziffern;
        }
    } else {
        ergebnis.push_back(ziffern[0]);
        if (anzahl > 1) {
            ergebnis += dezimal;
            ergebnis.append(ziffern, 1);
        }
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        ergebnis += exp;
    }
    return ergebnis;
}

double Runden(double x, int nks) {
    if (nks < 0) Wirf(Fehlerart::UngueltigesArgument);
    // printf rounds the exact binary value to nks places, ties to even; the decimal result is
    // then read back as the nearest double.
    return CZahlLesen(CFestkommaText(x, nks).c_str());
}

std::string GerundetText(double x, int nks, std::string_view dezimal) {
    return VollText(Runden(x, nks), dezimal);
}

std::string GanzzahlText(long long n) { return std::to_string(n); }

}  // namespace zv

namespace zv {

std::string Spaltenname(long long i) {
    std::string name = "b";
    name += std::to_string(i + 1);
    return name;
}

}  // namespace zv

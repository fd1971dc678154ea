#include "base/Zahltext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "base/CZahlen.h"
#include "base/Laufzeitfehler.h"

namespace zv {

namespace {

// The printed form of a decimal number given as its significant digits (no leading or
// trailing zeros, at most 15) and the decimal exponent of the first digit: plain for
// exponents -4..14, otherwise one digit, the rest after the separator, and "E+nn"/"E-nn".
std::string Formatieren(bool negativ, std::string_view ziffern, int exponent,
                        std::string_view dezimal) {
    std::string ergebnis;  // short enough to need no allocation in the common cases
    if (negativ) ergebnis.push_back('-');
    const int anzahl = static_cast<int>(ziffern.size());
    if (exponent > -5 && exponent < 15) {
        if (exponent >= 0) {
            const int ganz = exponent + 1;
            if (anzahl <= ganz) {
                ergebnis += ziffern;
                ergebnis.append(ganz - anzahl, '0');
            } else {
                ergebnis += ziffern.substr(0, ganz);
                ergebnis += dezimal;
                ergebnis += ziffern.substr(ganz);
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
            ergebnis += ziffern.substr(1);
        }
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        ergebnis += exp;
    }
    return ergebnis;
}

}  // namespace

std::string VollText(double x, std::string_view dezimal) {
    if (x == 0.0) return "0";  // also -0
    // Whole numbers below 10^15 have at most 15 digits and print exactly as they are.
    if (std::fabs(x) < 1e15 && x == std::trunc(x)) return std::to_string(static_cast<long long>(x));

    // 15 significant digits, correctly rounded from the exact binary value (ties to even).
    // The shortest text that reads back as x, when it has at most 15 significant digits, is
    // that rounding already (any decimal of up to 15 digits survives the trip through a
    // normal double); subnormal values and values that need 16 or 17 digits are rounded
    // explicitly.
    char text[64];
    std::size_t laenge = 0;
    if (std::fabs(x) >= std::numeric_limits<double>::min()) {
        laenge = static_cast<std::size_t>(
            std::to_chars(text, text + sizeof text, x, std::chars_format::scientific).ptr - text);
    }
    if (laenge == 0 || std::string_view(text, laenge).find('e') > (x < 0 ? 17u : 16u)) {
        laenge = static_cast<std::size_t>(
            std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, 14).ptr -
            text);
    }

    // "-d.ddde+xx"
    std::string_view s(text, laenge);
    const bool negativ = s.front() == '-';
    if (negativ) s.remove_prefix(1);
    const std::size_t e = s.find('e');
    char ziffern[20];
    std::size_t anzahl = 0;
    ziffern[anzahl++] = s[0];
    for (std::size_t i = 2; i < e; ++i) ziffern[anzahl++] = s[i];
    while (anzahl > 1 && ziffern[anzahl - 1] == '0') --anzahl;
    int exponent = 0;
    std::from_chars(s.data() + e + 1 + (s[e + 1] == '+'), s.data() + s.size(), exponent);
    return Formatieren(negativ, std::string_view(ziffern, anzahl), exponent, dezimal);
}

namespace {

// A double's exact decimal expansion ends at most 1074 places after the point, so rounding to
// more places changes nothing; capping keeps large requests cheap.
constexpr int kGenaueStellen = 1074;

}  // namespace

namespace {

constexpr double kZehnerpotenzen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Rounds through x * 10^nks where that is provably exact enough: 10^nks is exact for nks <= 22,
// the product is off the true one by at most half a unit in its last place, so when it lies
// farther than a whole unit from the nearest half, rounding it gives the same whole number as
// rounding the exact product. The printed text is that whole number with the point moved.
bool SchnellGerundet(double x, int nks, std::string_view dezimal, std::string& text) {
    if (nks > 22) return false;
    const double y = x * kZehnerpotenzen[nks];
    if (!(std::fabs(y) < 4503599627370496.0)) return false;  // 2^52
    const double r = std::nearbyint(y);
    const double abstandZurHaelfte = std::fabs(std::fabs(y - r) - 0.5);
    if (abstandZurHaelfte <= 2.0 * (std::nextafter(std::fabs(y), INFINITY) - std::fabs(y)))
        return false;
    if (r == 0.0) {
        text = "0";
        return true;
    }
    char puffer[24];
    const auto ende =
        std::to_chars(puffer, puffer + sizeof puffer, static_cast<long long>(std::fabs(r))).ptr;
    std::string_view ziffern(puffer, static_cast<std::size_t>(ende - puffer));
    const int exponent = static_cast<int>(ziffern.size()) - 1 - nks;
    while (ziffern.back() == '0') ziffern.remove_suffix(1);
    if (ziffern.size() > 15) return false;
    text = Formatieren(r < 0, ziffern, exponent, dezimal);
    return true;
}

}  // namespace

std::string GerundetText(double x, int nks, std::string_view dezimal) {
    if (nks < 0) Wirf(Fehlerart::UngueltigesArgument);
    // x is a whole multiple of 2^(e-53), which has 53 - e decimal places: rounding to that many
    // places or more changes nothing.
    int e = 0;
    std::frexp(x, &e);
    if (nks >= 53 - e) return VollText(x, dezimal);
    if (std::string schnell; SchnellGerundet(x, nks, dezimal, schnell)) return schnell;
    const std::string fest = CFestkommaText(x, std::min(nks, kGenaueStellen));  // exact

    // With at most 15 significant digits the rounded decimal is what its nearest double
    // prints as in full, so it is formatted directly; longer ones go through the double.
    std::string_view s(fest);
    const bool negativ = s.front() == '-';
    if (negativ) s.remove_prefix(1);
    const std::size_t punkt = std::min(s.find('.'), s.size());
    std::string ziffern;
    int exponent = 0;
    bool begonnen = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i == punkt) continue;
        if (!begonnen && s[i] == '0') continue;
        if (!begonnen) {
            begonnen = true;
            exponent = static_cast<int>(i < punkt ? punkt - i - 1 : -static_cast<long>(i - punkt));
        }
        ziffern.push_back(s[i]);
    }
    while (!ziffern.empty() && ziffern.back() == '0') ziffern.pop_back();
    if (ziffern.empty()) return "0";  // also a negative value rounded to 0
    if (ziffern.size() <= 15 && exponent > -300)
        return Formatieren(negativ, ziffern, exponent, dezimal);
    return VollText(CZahlLesen(fest.c_str()), dezimal);
}

std::string GanzzahlText(long long n) {
    return std::to_string(n);
}

std::string Spaltenname(long long i) {
    std::string name = "b";
    name += std::to_string(i + 1);
    return name;
}

}  // namespace zv

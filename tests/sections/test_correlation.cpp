// Report sections of the pairs (x, y): centroid, Bravais-Pearson, Spearman, linear regression
// and coefficient of determination. Every case compares the whole report text.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/Laufzeitfehler.h"
#include "core/Rechenlauf.h"
#include "sections/correlation/Rangziffern.h"
#include "sections/correlation/Regression.h"

namespace zv {
namespace {

using Abschnitt = void (clsRechenlauf::*)();
using Liste = std::vector<double>;

constexpr const char* kUngleich = "Anzahl der Ausprägungen nicht identisch, Berechnung nicht möglich.";

std::string S(int n, char c) { return std::string(static_cast<std::size_t>(n), c); }

struct Fall {
    const char* name;
    Abschnitt abschnitt;
    Liste x, y;
    int nks;
    bool detail;
    std::vector<std::string> zeilen;             // everything appended, each with CR LF
    std::optional<Fehlerart> fehler = {};        // thrown after the lines above
    int trennzeichen = 1;                        // 1 comma, 2 semicolon
};

void Pruefe(const Fall& f) {
    SCOPED_TRACE(f.name);
    clsRechenlauf lauf(",");
    lauf.M1 = f.x;
    lauf.M2 = f.y;
    lauf.M1Max = static_cast<std::int16_t>(f.x.size() - 1);
    lauf.M2Max = static_cast<std::int16_t>(f.y.size() - 1);
    lauf.Nks = static_cast<std::int16_t>(f.nks);
    lauf.Detail = f.detail;
    lauf.TrennzeichenSetzen(f.trennzeichen);

    std::optional<Fehlerart> fehler;
    try {
        (lauf.*f.abschnitt)();
    } catch (const Laufzeitfehler& e) {
        fehler = e.Art();
    }
    std::string erwartet;
    for (const auto& z : f.zeilen) erwartet += z + "\r\n";
    EXPECT_EQ(lauf.Ausgabe->Value(), erwartet);
    EXPECT_EQ(fehler, f.fehler);
}

const std::string kBpZaehler = "                  Sum(xi*yi) - n*xMitt*yMitt";
const std::string kBpNenner = "    Sqrt(Sum(xi²) - n*xMitt²) * Sqrt(Sum(yi²) - n*yMitt²)";
const std::vector<std::string> kBpFormel = {"", kBpZaehler, "r = " + S(57, '-'), kBpNenner, ""};

std::vector<std::string> Mit(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(Schwerpunkt, Faelle) {
    const Abschnitt A = &clsRechenlauf::AusgabeSchwerpunkt;
    const char* T = "SCHWERPUNKT";
    const Fall faelle[] = {
        {"worked example", A, {1, 2, 4}, {3, 5, 6}, 2, true,
         {T, "", "xMitt = (1 + 2 + 4) / 3", "yMitt = (3 + 5 + 6) / 3", "xMitt = 7 / 3",
          "yMitt = 14 / 3", "xMitt = 2,33", "yMitt = 4,67", ""}},
        {"single pair", A, {5}, {7}, 2, true,
         {T, "", "xMitt = (5) / 1", "yMitt = (7) / 1", "xMitt = 5 / 1", "yMitt = 7 / 1",
          "xMitt = 5", "yMitt = 7", ""}},
        {"negative and decimal values", A, {3, -2}, {0.1, 0.2}, 3, true,
         {T, "", "xMitt = (3 + -2) / 2", "yMitt = (0,1 + 0,2) / 2", "xMitt = 1 / 2",
          "yMitt = 0,3 / 2", "xMitt = 0,5", "yMitt = 0,15", ""}},
        {"no detail, a third", A, {1, 0, 0}, {1, 2, 3}, 3, false,
         {T, "xMitt = 0,333", "yMitt = 2", ""}},
        {"no detail, no trailing zeros, half to even", A, {2, 2}, {0.125, 0.125}, 2, false,
         {T, "xMitt = 2", "yMitt = 0,12", ""}},
        {"sum overflows after the sum texts", A, {1e308, 1e308}, {1, 2}, 2, true,
         {T, "", "xMitt = (1E+308 + 1E+308) / 2", "yMitt = (1 + 2) / 2"},
         Fehlerart::Ueberlauf},
    };
    for (const auto& f : faelle) Pruefe(f);
}

TEST(BravaisPearson, Faelle) {
    const Abschnitt A = &clsRechenlauf::AusgabeBravaisPearson;
    const char* T = "BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT";
    const Fall faelle[] = {
        {"worked example", A, {1, 2, 3}, {1, 3, 5}, 3, true,
         Mit(Mit({T}, kBpFormel),
             {S(19, ' ') + "4", "r = " + S(39, '-'), "     1,4142135623731 * 2,82842712474619",
              "", "r = 1", ""})},
        {"no detail", A, {1, 2, 3, 4}, {1, 3, 2, 4}, 2, false, {T, "r: 0,8", ""}},
        {"unequal counts", A, {1, 2, 3}, {1, 2}, 2, true, {T, kUngleich, ""}},
        // One pair: numerator and roots are 0, the coefficient is 0 / 0.
        {"single pair", A, {4}, {9}, 2, true,
         Mit(Mit({T}, kBpFormel), {S(4, ' ') + "0", "r = " + S(10, '-'), "     0 * 0", ""}),
         Fehlerart::Ueberlauf},
        // Constant x: the centred sums are exactly 0 (rounding would make the radicand
        // -3.5E-18 and the root fail).
        {"constant x", A, {0.1, 0.1, 0.1}, {1, 2, 3}, 3, true,
         Mit(Mit({T}, kBpFormel),
             {S(11, ' ') + "0", "r = " + S(24, '-'), "     0 * 1,4142135623731", ""}),
         Fehlerart::Ueberlauf},
        {"constant y, no detail", A, {1, 2, 3}, {0.1, 0.1, 0.1}, 3, false, {T},
         Fehlerart::Ueberlauf},
        // A numerator text wider than the denominator line starts at the margin.
        {"numerator wider than denominator", A, {0, 0.1, 0, 0.1}, {1.4, 1.4, 0.7, 0.7}, 3, true,
         Mit(Mit({T}, kBpFormel), {"-5,55111512312578E-17", "r = " + S(14, '-'),
                                   "     0,1 * 0,7", "", "r = 0", ""})},
    };
    for (const auto& f : faelle) Pruefe(f);
}

const std::vector<std::string> kSpFormel = {
    "", "           6 * Sum(Rx-Ry)²", "rSP = 1 - -----------------",
    "          (n-1) * n * (n+1)", ""};

TEST(Spearman, Faelle) {
    const Abschnitt A = &clsRechenlauf::AusgabeSpearman;
    const char* T = "RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN";
    const Fall faelle[] = {
        {"worked example", A, {10, 20, 30}, {1, 3, 2}, 3, true,
         Mit({T, "", "Rangziffern:", "Rix: 3; 2; 1", "Riy: 3; 1; 2"},
             Mit(kSpFormel, {"          6 * [(3-3)² + (2-1)² + (1-2)²]", "rSP = 1 - " + S(31, '-'),
                             S(14, ' ') + "(3 - 1) * 3 * (3 + 1)", "", "rSP = 0,5", ""})),
         {}, 2},
        // Ties share their mean rank; the rank rows are aligned column by column.
        {"ties", A, {3, 1, 3, 2}, {4, 3, 2, 1}, 2, true,
         Mit({T, "", "Rangziffern:", "Rix: 1,5; 4; 1,5; 3", "Riy:   1; 2;   3; 4"},
             Mit(kSpFormel,
                 {"          6 * [(1,5-1)² + (4-2)² + (1,5-3)² + (3-4)²]",
                  "rSP = 1 - " + S(44, '-'), S(21, ' ') + "(4 - 1) * 4 * (4 + 1)", "",
                  "rSP = 0,25", ""})),
         {}, 2},
        {"no detail, constant list", A, {5, 5, 5}, {1, 2, 3}, 3, false, {T, "rSP: 0,5", ""}},
        {"two pairs", A, {1, 2}, {2, 1}, 3, false, {T, "rSP: -1", ""}},
        {"one pair", A, {1}, {2}, 3, true, {T, kUngleich}},
        {"unequal counts", A, {1, 2, 3}, {1, 2}, 3, false, {T, kUngleich}},
    };
    for (const auto& f : faelle) Pruefe(f);
}

const std::vector<std::string> kLrFormel = {
    "", "      Sum(xi * yi) - n * xMitt * yMitt",
    "^b = ----------------------------------     ^a = yMitt - ^b * xMitt",
    "          Sum(xi²) - n * xMitt²", ""};

TEST(LineareRegression, Faelle) {
    const Abschnitt A = &clsRechenlauf::AusgabeLineareRegression;
    const char* T = "LINEARE REGRESSION";
    const Fall faelle[] = {
        {"worked example", A, {1, 2, 3}, {1, 3, 5}, 2, true,
         Mit(Mit({T}, kLrFormel),
             {"Sum(xi * yi) = 22", "n = 3", "xMitt = 2", "yMitt = 3", "Sum(xi²) = 14", "",
              "     22 - 3 * 2 * 3", "^b = " + S(14, '-') + " = 2", S(7, ' ') + "14 - 3 * 2²", "",
              "^a = 3 - 2 * 2 = -1", ""})},
        // ^b = 0,25 prints as 0,2; ^a is computed from 0,25 (0,5 - 0,25 * 2 = 0).
        {"rounded slope", A, {0, 4}, {0, 1}, 1, true,
         Mit(Mit({T}, kLrFormel),
             {"Sum(xi * yi) = 4", "n = 2", "xMitt = 2", "yMitt = 0,5", "Sum(xi²) = 16", "",
              "     4 - 2 * 2 * 0,5", "^b = " + S(15, '-') + " = 0,2", S(7, ' ') + "16 - 2 * 2²",
              "", "^a = 0,5 - 0,2 * 2 = 0", ""})},
        {"no detail", A, {1, 2, 3}, {1, 3, 5}, 2, false, {T, "^b = 2", "^a = -1", ""}},
        // A denominator text 9 characters wider than the numerator line starts at the margin.
        {"denominator wider than numerator", A, {123456789.123, 1}, {0, 1}, 3, true,
         Mit(Mit({T}, kLrFormel),
             {"Sum(xi * yi) = 1", "n = 2", "xMitt = 61728395,061", "yMitt = 0,5",
              "Sum(xi²) = 1,52415787805609E+16", "", "     1 - 2 * 61728395,061 * 0,5",
              "^b = " + S(26, '-') + " = 0", "1,52415787805609E+16 - 2 * 61728395,061²", "",
              "^a = 0,5 - 0 * 61728395,061 = 1", ""})},
        // Constant x: 0 / 0 before any line (rounding would otherwise give ^b = 2,667).
        {"constant x", A, {0.7, 0.7, 0.7, 0.7, 0.7, 0.7, 0.7}, {1, 2, 3, 4, 5, 6, 7}, 3, true,
         {T}, Fehlerart::Ueberlauf},
        {"one pair", A, {1}, {2}, 3, true, {T, kUngleich}},
        {"unequal counts", A, {1, 2}, {1, 2, 3}, 3, false, {T, kUngleich}},
    };
    for (const auto& f : faelle) Pruefe(f);
}

TEST(LineareRegression, KonstantesYGibtWaagerechteGerade) {
    // Exactly ^b = 0 and ^a = yMitt; the plain formula gives ^b = -1.3E-16 here.
    clsStatistik stat;
    const Liste x = {1, 2, 3, 4, 5, 6, 7};
    const Liste y(7, 0.7);
    const Regressionsgerade g = RegressionBerechnen(stat, x, y, 7.0);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(g.b), std::bit_cast<std::uint64_t>(0.0));
    EXPECT_EQ(g.a, g.yMitt);
    EXPECT_EQ(g.yMitt, stat.Mittelwert(y));
}

TEST(Determinationskoeffizient, Faelle) {
    const Abschnitt A = &clsRechenlauf::AusgabeDeterminationskoeffizient;
    const char* T = "DETERMINATIONSKOEFFIZIENT";
    const Fall faelle[] = {
        {"worked example", A, {1, 2, 3}, {1, 2, 6}, 2, true,
         {T, "", "     Sum(^yi²) - n * yMitt²",
          "R² = -----------------------     ^yi = ^a + (^b * xi)", "       Sum(y²) - n * yMitt²",
          "", "xi |   1; 2;   3", "---+-" + S(12, '-'), "^yi| 0,5; 3; 5,5", "",
          "Sum(^yi²) = 39,5", "n = 3", "yMitt = 3", "Sum(y²) = 41", "", "     39,5 - 3 * 3²",
          "R² = " + S(13, '-') + " = 0,89", "     41 - 3 * 3²", ""},
         {}, 2},
        // Without details the section ends on its result line, no empty line.
        {"no detail, perfect fit", A, {1, 2, 3}, {1, 3, 5}, 2, false, {T, "R² = 1"}},
        {"constant x", A, {0.7, 0.7, 0.7, 0.7, 0.7, 0.7, 0.7}, {1, 2, 3, 4, 5, 6, 7}, 3, false,
         {T}, Fehlerart::Ueberlauf},
        // Constant y: 0 / 0 (rounding would otherwise give R² = -0,333).
        {"constant y", A, {1, 2, 3, 4, 5, 6, 7}, {0.7, 0.7, 0.7, 0.7, 0.7, 0.7, 0.7}, 3, true,
         {T}, Fehlerart::Ueberlauf},
        {"one pair", A, {1}, {2}, 3, true, {T, kUngleich}},
        {"unequal counts", A, {1, 2, 3}, {1, 2}, 3, true, {T, kUngleich}},
    };
    for (const auto& f : faelle) Pruefe(f);
}

// The ranking as first described: for every element of the sorted copy, from the largest,
// scan the whole list; then for every position count the equal competition ranks.
Rangziffern LiteraleRangziffern(const Liste& w) {
    const std::size_t n = w.size();
    Liste sortiert = w;
    std::stable_sort(sortiert.begin(), sortiert.end());
    Rangziffern r{Liste(n, 0.0), Liste(n, 0.0)};
    long naechster = 1, vergeben = 1;
    for (std::size_t k = n; k-- > 0;) {
        for (std::size_t j = 0; j < n; ++j)
            if (w[j] == sortiert[k] && r.Wettkampf[j] == 0) {
                r.Wettkampf[j] = static_cast<double>(vergeben);
                ++naechster;
            }
        vergeben = naechster;
    }
    for (std::size_t i = 0; i < n; ++i) {
        long c = 0;
        for (std::size_t j = 0; j < n; ++j) c += r.Wettkampf[j] == r.Wettkampf[i];
        double summe = 0;
        for (long k = 0; k < c; ++k) summe += r.Wettkampf[i] + static_cast<double>(k);
        for (std::size_t j = 0; j < n; ++j)
            if (r.Wettkampf[j] == r.Wettkampf[i] && r.Mittel[j] == 0)
                r.Mittel[j] = summe / static_cast<double>(c);
    }
    return r;
}

std::vector<std::uint64_t> Bits(const Liste& l) {
    std::vector<std::uint64_t> b;
    for (double v : l) b.push_back(std::bit_cast<std::uint64_t>(v));
    return b;
}

TEST(Rangziffern, BeispielUndNullen) {
    const Rangziffern r = RangzifferBilden({3, 1, 3, 2});
    EXPECT_EQ(r.Wettkampf, (Liste{1, 4, 1, 3}));
    EXPECT_EQ(r.Mittel, (Liste{1.5, 4, 1.5, 3}));
    EXPECT_EQ(RangzifferBilden({0.0, -0.0, 1.0, 0.0}).Mittel, (Liste{3, 3, 1, 3}));
}

TEST(Rangziffern, GleichDerLiteralenRangfolge) {
    std::mt19937 zufall(20240611);
    const Liste vorrat = {0.0, -0.0, 0.1 + 0.2, 0.3, -1.5, 2.0, 7.25, -7.25, 1e-300, 1e300};
    for (int runde = 0; runde < 20; ++runde) {
        const std::size_t n = 1 + zufall() % 600;
        Liste w(n);
        for (double& v : w)
            v = zufall() % 3 == 0 ? std::uniform_real_distribution<double>(-5, 5)(zufall)
                                  : vorrat[zufall() % vorrat.size()];
        const Rangziffern schnell = RangzifferBilden(w);
        const Rangziffern literal = LiteraleRangziffern(w);
        ASSERT_EQ(Bits(schnell.Wettkampf), Bits(literal.Wettkampf)) << "n = " << n;
        ASSERT_EQ(Bits(schnell.Mittel), Bits(literal.Mittel)) << "n = " << n;
    }
}

TEST(Spearman, GroessteListe) {
    // 32767 pairs with large tie groups: no 16-bit counter overflow, and equal lists give 1.
    clsRechenlauf lauf(",");
    for (int i = 0; i < 32767; ++i) lauf.M1.push_back(static_cast<double>(i % 1000));
    lauf.M2 = lauf.M1;
    lauf.M1Max = lauf.M2Max = 32766;
    lauf.AusgabeSpearman();
    EXPECT_EQ(lauf.Ausgabe->Value(),
              "RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN\r\nrSP: 1\r\n\r\n");
}

}  // namespace
}  // namespace zv

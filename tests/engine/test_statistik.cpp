// The engine's routines: what the whole reports in tests/faelle/ cannot show (summation order,
// stability under shifted and scaled data, outside reference values, failure kinds), and the
// fast sort, mode and ranks against plain reference forms on random data with ties, 0 beside
// -0 and last-bit differences.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

#include "Fehlerpruefung.h"
#include "engine/Rangziffern.h"
#include "engine/Regression.h"
#include "engine/clsStatistik.h"

using namespace zv;
using zvtest::FehlerBeim;
using Liste = std::vector<double>;

namespace {

const clsStatistik Stat;

// The mode by a linear search of the distinct values.
Liste ReferenzModus(const Liste& arr) {
    Liste w;
    std::vector<int> c;
    for (double x : arr) {
        const auto j = static_cast<std::size_t>(std::find(w.begin(), w.end(), x) - w.begin());
        if (j < w.size())
            ++c[j];
        else
            w.push_back(x), c.push_back(1);
    }
    const int maxC = *std::max_element(c.begin(), c.end());
    Liste r{0};
    if (maxC >= 2)
        for (std::size_t j = 0; j < w.size(); ++j)
            if (c[j] == maxC) r.push_back(w[j]);
    return r;
}

// The mean rank of every value by counting: 1 + the number of greater values, plus half the
// number of other equal ones.
Liste ReferenzRaenge(const Liste& w) {
    Liste r;
    for (double x : w) {
        const auto groesser = std::count_if(w.begin(), w.end(), [x](double y) { return y > x; });
        const auto gleich = std::count(w.begin(), w.end(), x);
        r.push_back(static_cast<double>(groesser + 1) + static_cast<double>(gleich - 1) / 2);
    }
    return r;
}

// What must not change when the data are shifted or scaled, or must change as the algebra says.
struct Kennwerte {
    double r, b, a, R2;
    double varianz, s, mittlereAbweichung, abweichungMedian;  // of x
    double varianzY;
};

Kennwerte Berechnen(const Liste& x, const Liste& y) {
    const Bestimmtheit b = BestimmtheitBerechnen(Stat, x, y);
    const double varianz = Stat.MittlereQuadratischeAbweichung(x);
    return {Stat.BravaisPearsonKorrelationskoeffizient(x, y),
            b.Gerade.b,
            b.Gerade.a,
            b.R2,
            varianz,
            std::sqrt(varianz),
            Stat.DurchschnittlicheAbweichungMittelwert(x),
            Stat.DurchschnittlicheAbweichungMedian(x),
            Stat.MittlereQuadratischeAbweichung(y)};
}

::testing::AssertionResult Nahe(double ist, double soll) {
    if (std::fabs(ist - soll) <= 1e-6 * std::fabs(soll)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << ist << " statt " << soll;
}

Liste Verschoben(Liste w, double c) {
    for (double& x : w) x += c;
    return w;
}

Liste Skaliert(Liste w, double f) {
    for (double& x : w) x *= f;
    return w;
}

bool BitGleich(const Liste& a, const Liste& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::signbit(a[i]) != std::signbit(b[i]) || a[i] != b[i]) return false;
    return true;
}

}  // namespace

TEST(Statistik, SumsAccumulateInIndexOrder) {
    EXPECT_EQ(Stat.SummeProdukte({1, 2, 3}, {4, 5, 6, 99}), 32);  // over arr1's indexes
    EXPECT_EQ(Stat.Summe({}), 0);
    EXPECT_EQ(Stat.Summe({1e16, 1, 1}), 1e16);  // 1e16 + 1 + 1 stays 1e16
    EXPECT_EQ(Stat.Summe({1, 1, 1e16}), 1e16 + 2);
    EXPECT_EQ(Stat.Median({4, 1, 3, 2}), 2.5);
    const Liste eingabe{3, 1, 2};
    Liste ausgabe(10, 9.0);
    Stat.BubbleSort(eingabe, ausgabe);
    EXPECT_EQ(ausgabe, (Liste{1, 2, 3}));
    EXPECT_EQ(eingabe, (Liste{3, 1, 2}));
    EXPECT_TRUE(BitGleich(Stat.Modus({-0.0, 1, 0.0}), {0, -0.0}));
}

TEST(Statistik, SortModeAndRanksMatchReferenceFormsOnRandomData) {
    std::mt19937 zufall(7);
    const Liste vorrat = {0.0, -0.0, 0.1 + 0.2, 0.3, -1.5, 2.0, 7.25, -7.25, 1e-300, 1e300};
    const std::function<double()> arten[] = {
        [&] { return static_cast<double>(zufall() % 5); },
        [&] { return vorrat[zufall() % vorrat.size()]; },
        [&] { return std::ldexp(static_cast<double>(zufall()), -20); },
        [&] { return -std::ldexp(static_cast<double>(zufall()), -40); }};
    for (int runde = 0; runde < 200; ++runde) {
        const int n = 1 + static_cast<int>(zufall() % (runde % 10 == 0 ? 3000 : 60));
        Liste werte;
        for (int i = 0; i < n; ++i) werte.push_back(arten[zufall() % 4]());
        Liste sortiert, referenz = werte;
        std::stable_sort(referenz.begin(), referenz.end());
        Stat.BubbleSort(werte, sortiert);
        ASSERT_TRUE(BitGleich(sortiert, referenz));
        ASSERT_TRUE(BitGleich(Stat.Modus(werte), ReferenzModus(werte)));
        if (n <= 600) {
            ASSERT_EQ(RangzifferBilden(werte), ReferenzRaenge(werte));
        }
    }
}

TEST(Statistik, ShiftingOrScalingTheDataChangesOnlyWhatItMust) {
    // The worked example, then random lists of eighths (exact after every shift) with a trend,
    // so that r stays away from 0 and a relative comparison means something.
    std::vector<std::pair<Liste, Liste>> daten = {{{1, 2, 3, 4}, {1, 3, 2, 4}}};
    std::mt19937 zufall(11);
    for (double steigung : {-2.0, 0.5, 3.0}) {
        for (int runde = 0; runde < 4; ++runde) {
            Liste x, y;
            for (int i = 0, n = 3 + static_cast<int>(zufall() % 28); i < n; ++i) {
                x.push_back(static_cast<double>(static_cast<int>(zufall() % 1601) - 800) / 8);
                y.push_back(steigung * x.back() +
                            static_cast<double>(static_cast<int>(zufall() % 161) - 80) / 8);
            }
            daten.emplace_back(x, y);
        }
    }
    for (const auto& [x, y] : daten) {
        const Kennwerte k = Berechnen(x, y);
        const auto gleich = [&](const Kennwerte& v, double b, double a, double fx, double fy) {
            EXPECT_TRUE(Nahe(v.r, k.r));
            EXPECT_TRUE(Nahe(v.R2, k.R2));
            EXPECT_TRUE(Nahe(v.b, k.b * fy / fx));
            EXPECT_TRUE(Nahe(v.a, a));
            EXPECT_TRUE(Nahe(v.b, b));
            EXPECT_TRUE(Nahe(v.varianz, k.varianz * fx * fx));
            EXPECT_TRUE(Nahe(v.s, k.s * fx));
            EXPECT_TRUE(Nahe(v.mittlereAbweichung, k.mittlereAbweichung * fx));
            EXPECT_TRUE(Nahe(v.abweichungMedian, k.abweichungMedian * fx));
            EXPECT_TRUE(Nahe(v.varianzY, k.varianzY * fy * fy));
        };
        for (double c : {1e3, 1e6, 1e8, 1e9}) {
            SCOPED_TRACE(::testing::Message() << "n " << x.size() << ", + " << c);
            // ^y = ^a + ^b x: x + c keeps the line where it was, y + c lifts it by c.
            gleich(Berechnen(Verschoben(x, c), y), k.b, k.a - k.b * c, 1, 1);
            gleich(Berechnen(x, Verschoben(y, c)), k.b, k.a + c, 1, 1);
        }
        for (int e : {-6, -3, 3, 6}) {
            SCOPED_TRACE(::testing::Message() << "n " << x.size() << ", * 1E" << e);
            const double f = std::pow(10.0, e);
            gleich(Berechnen(Skaliert(x, f), y), k.b / f, k.a, f, 1);
            gleich(Berechnen(x, Skaliert(y, f)), k.b * f, k.a * f, 1, f);
        }
    }
    const Kennwerte beispiel = Berechnen(Verschoben({1, 2, 3, 4}, 1e8), {1, 3, 2, 4});
    EXPECT_DOUBLE_EQ(beispiel.r, 0.8);
    EXPECT_DOUBLE_EQ(beispiel.b, 0.8);
    EXPECT_TRUE(Nahe(beispiel.R2, 0.64));  // through ^yi = ^a + ^b xi, which carry the offset
}

TEST(Statistik, ReferenceDataSets) {
    // Norris (NIST StRD, linear least squares): the certified line of y on x and its R².
    const Liste x = {0.2,   337.4, 118.2, 884.6, 10.1,  226.5, 666.3, 996.3, 448.6,
                     777.0, 558.2, 0.4,   0.6,   775.5, 666.9, 338.0, 447.5, 11.6,
                     556.0, 228.1, 995.8, 887.6, 120.2, 0.3,   0.3,   556.8, 339.1,
                     887.2, 999.0, 779.0, 11.1,  118.3, 229.2, 669.1, 448.9, 0.5};
    const Liste y = {0.1,   338.8, 118.1, 888.0, 9.2,   228.1, 668.5, 998.5, 449.1,
                     778.9, 559.2, 0.3,   0.1,   778.1, 668.8, 339.3, 448.9, 10.8,
                     557.7, 228.3, 998.0, 888.8, 119.6, 0.3,   0.6,   557.6, 339.3,
                     888.0, 998.5, 778.9, 10.2,  117.6, 228.9, 668.4, 449.2, 0.2};
    const Bestimmtheit b = BestimmtheitBerechnen(Stat, x, y);
    EXPECT_NEAR(b.Gerade.b, 1.00211681802045, 1e-12);
    EXPECT_NEAR(b.Gerade.a, -0.262323073774029, 1e-11);
    EXPECT_NEAR(b.R2, 0.999993745883712, 1e-13);
    EXPECT_NEAR(Stat.BravaisPearsonKorrelationskoeffizient(x, y), std::sqrt(0.999993745883712),
                1e-13);
    // NumAcc4 (NIST StRD, univariate): 10000000.2, then 500 times 10000000.1 and 10000000.3;
    // certified standard deviation 0.1 with divisor n - 1.
    Liste w = {10000000.2};
    for (int i = 0; i < 500; ++i) w.insert(w.end(), {10000000.1, 10000000.3});
    EXPECT_TRUE(Nahe(Stat.MittlereQuadratischeAbweichung(w), 0.01 * 1000 / 1001));
}

TEST(Statistik, FailureKinds) {
    const Liste riesig(32768, 1.0);
    EXPECT_EQ(Stat.Summe(Liste(32767, 1.0)), 32767);
    EXPECT_EQ(FehlerBeim([&] { Stat.Summe(riesig); }), Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([&] { Stat.Median(riesig); }), Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([&] { Stat.Modus(riesig); }), Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([&] { Stat.SpearmenRangkorrelationskoeffizient(riesig, riesig); }),
              Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([] { Stat.Mittelwert({}); }), Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([] { Stat.MittlereQuadratischeAbweichung({}); }), Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([] { Stat.Modus({}); }), Fehlerart::IndexAusserhalb);
    EXPECT_EQ(FehlerBeim([] { Stat.Spannweite({}); }), Fehlerart::IndexAusserhalb);
    EXPECT_EQ(FehlerBeim([] { Stat.Median({}); }), Fehlerart::IndexAusserhalb);
    EXPECT_EQ(FehlerBeim([] { Stat.SummeProdukte({1, 2}, {1}); }), Fehlerart::IndexAusserhalb);
    EXPECT_EQ(FehlerBeim([] { Stat.Summe({1e308, 1e308}); }), Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([] { Stat.SummeQuadrate({1e200}); }), Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([] { Stat.Spannweite({-1e308, 1e308}); }), Fehlerart::Ueberlauf);
    // A constant list gives 0 / 0, never a coefficient made of rounding noise.
    EXPECT_EQ(FehlerBeim([] {
                  Stat.BravaisPearsonKorrelationskoeffizient({0.1, 0.1, 0.1}, {1, 2, 4});
              }),
              Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([] {
                  Stat.BravaisPearsonKorrelationskoeffizient({1, 2}, {5, 5});
              }),
              Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([] { Stat.SpearmenRangkorrelationskoeffizient({1}, {1}); }),
              Fehlerart::Ueberlauf);
    // Every rank of a constant list is the same mean rank: rSP is 0 / 0 like r.
    EXPECT_EQ(FehlerBeim([] {
                  Stat.SpearmenRangkorrelationskoeffizient({2.5, 2.5, 2.5, 2.5}, {4, 3, 2, 1});
              }),
              Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([] {
                  Stat.SpearmenRangkorrelationskoeffizient({1, 2}, {1.5, 1.5});
              }),
              Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([] {
                  Stat.SpearmenRangkorrelationskoeffizient({1, 2}, {1});
              }),
              Fehlerart::IndexAusserhalb);
    Tabelle nullen(2, 2), gemischt(2, 1), spalte(2, 2), dz(2, 2);
    gemischt.Werte = {1, -1};       // column sum 0 times row sum over 0
    spalte.Werte = {1, -1, 2, -2};  // grand total 0, row sums 0: 3 * 0 / 0
    dz.Werte = {2, 1, -1, -2};      // row 0 sum 3, column 0 sum 1: 3 / 0
    EXPECT_EQ(FehlerBeim([&] { Stat.Unabhaengigkeitsquotienten(nullen); }), Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([&] { Stat.Unabhaengigkeitsquotienten(gemischt); }), Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([&] { Stat.Unabhaengigkeitsquotienten(spalte); }), Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([&] { Stat.Unabhaengigkeitsquotienten(dz); }),
              Fehlerart::DivisionDurchNull);
}

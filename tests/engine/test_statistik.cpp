// The engine's routines: what the whole reports in tests/faelle/ cannot show (summation order,
// stability, exact operand order, failure kinds), and the fast sort, mode and ranks against
// plain reference forms on random data with ties, 0 beside -0 and last-bit differences.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <random>

#include "Fehlerpruefung.h"
#include "engine/Rangziffern.h"
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

TEST(Statistik, VarianceIsCentred) {
    // A large mean costs no precision and identical values give exactly 0.
    EXPECT_NEAR(Stat.MittlereQuadratischeAbweichung({10000001, 10000002, 10000003}), 2.0 / 3,
                1e-12);
    EXPECT_EQ(Stat.MittlereQuadratischeAbweichung({0.1, 0.1, 0.1}), 0.0);
    EXPECT_EQ(Stat.MittlereQuadratischeAbweichung({0.0, -0.0}), 0.0);
    EXPECT_EQ(Stat.MittlereQuadratischeAbweichung({1e200, 1e200}), 0.0);
}

TEST(Statistik, Correlation) {
    // Exact operand order: sqrt(8) * sqrt(2) is 4 plus one unit in the last place.
    EXPECT_EQ(Stat.BravaisPearsonKorrelationskoeffizient({1, 2, 3}, {2, 4, 6}),
              4.0 / (std::sqrt(8.0) * std::sqrt(2.0)));
    EXPECT_DOUBLE_EQ(Stat.BravaisPearsonKorrelationskoeffizient({1, 2, 3, 4}, {1, 3, 2, 4}), 0.8);
    EXPECT_EQ(Stat.SpearmenRangkorrelationskoeffizient({3, 2, 1}, {3, 1, 2}), 0.5);
    EXPECT_EQ(Stat.SpearmenRangkorrelationskoeffizient({1.5, 1.5, 3}, {1, 2, 3}), 0.875);
    // No 16-bit limit on (n - 1) n (n + 1): 33 and 32767 pairs are computed.
    for (std::size_t n : {33, 32767}) {
        Liste r(n);
        std::iota(r.begin(), r.end(), 1.0);
        EXPECT_EQ(Stat.SpearmenRangkorrelationskoeffizient(r, r), 1) << n;
    }
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

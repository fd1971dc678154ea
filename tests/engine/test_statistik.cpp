#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "Fehlerpruefung.h"
#include "core/Laufzeitfehler.h"
#include "engine/clsStatistik.h"

using namespace zv;
using zvtest::FehlerBeim;
using Liste = std::vector<double>;

namespace {

const clsStatistik Stat;


// The literal bubble sort with the last-exchange shortcut.
Liste LiteralSortiert(Liste s) {
    if (s.size() < 2) return s;
    long long last = static_cast<long long>(s.size()) - 1;
    do {
        long long mark = 0;
        for (long long j = 0; j <= last - 1; ++j)
            if (s[j] > s[j + 1]) std::swap(s[j], s[j + 1]), mark = j;
        last = mark;
    } while (last > 0);
    return s;
}

// The literal mode: linear search of the distinct values.
Liste LiteralModus(const Liste& arr) {
    Liste w{arr[0]};
    std::vector<int> c{1};
    for (std::size_t i = 1; i < arr.size(); ++i) {
        std::size_t j = 0;
        while (j < w.size() && !(arr[i] == w[j])) ++j;
        if (j < w.size()) ++c[j];
        else w.push_back(arr[i]), c.push_back(1);
    }
    const int maxC = *std::max_element(c.begin(), c.end());
    Liste r{0};
    if (maxC >= 2)
        for (std::size_t j = 0; j < w.size(); ++j)
            if (c[j] == maxC) r.push_back(w[j]);
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
    // The reports show these examples too; here what they cannot show.
    EXPECT_EQ(Stat.SummeProdukte({1, 2, 3}, {4, 5, 6, 99}), 32);  // over arr1's indexes
    EXPECT_EQ(Stat.Summe({}), 0);
    EXPECT_EQ(Stat.Summe({1e16, 1, 1}), 1e16);  // 1e16 + 1 + 1 stays 1e16
    EXPECT_EQ(Stat.Summe({1, 1, 1e16}), 1e16 + 2);
    EXPECT_EQ(Stat.Median({4, 1, 3, 2}), 2.5);
}

TEST(Statistik, SortCopiesAndIsStable) {
    const Liste eingabe{3, 1, 2};
    Liste ausgabe(10, 9.0);
    Stat.BubbleSort(eingabe, ausgabe);
    EXPECT_EQ(ausgabe, (Liste{1, 2, 3}));
    EXPECT_EQ(eingabe, (Liste{3, 1, 2}));
    Liste null;
    Stat.BubbleSort({0.0, -0.0, 0.0, -1.0}, null);
    EXPECT_TRUE(BitGleich(null, {-1.0, 0.0, -0.0, 0.0}));
}

TEST(Statistik, Modes) {
    EXPECT_EQ(Stat.Modus({4, 4, 4, 5, 5}), (Liste{0, 4}));
    EXPECT_EQ(Stat.Modus({0.1 + 0.2, 0.3}), (Liste{0}));  // exact comparison
    EXPECT_TRUE(BitGleich(Stat.Modus({-0.0, 1, 0.0}), {0, -0.0}));
}

TEST(Statistik, FastRoutinesMatchLiteralOnesOnRandomData) {
    std::mt19937 zufall(7);
    for (int runde = 0; runde < 200; ++runde) {
        const int n = 1 + static_cast<int>(zufall() % (runde % 10 == 0 ? 5000 : 60));
        Liste werte;
        for (int i = 0; i < n; ++i) {
            switch (zufall() % 5) {
                case 0: werte.push_back(static_cast<double>(zufall() % 5)); break;
                case 1: werte.push_back(zufall() % 2 ? 0.0 : -0.0); break;
                case 2: werte.push_back(std::ldexp(static_cast<double>(zufall()), -20)); break;
                case 3: werte.push_back(-std::ldexp(static_cast<double>(zufall()), -40)); break;
                default: werte.push_back(-static_cast<double>(zufall() % 3)); break;
            }
        }
        Liste schnell;
        Stat.BubbleSort(werte, schnell);
        ASSERT_TRUE(BitGleich(schnell, LiteralSortiert(werte)));
        ASSERT_TRUE(BitGleich(Stat.Modus(werte), LiteralModus(werte)));
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
    EXPECT_DOUBLE_EQ(Stat.BravaisPearsonKorrelationskoeffizient({1, 2, 3}, {3, 2, 1}), -1);
    EXPECT_DOUBLE_EQ(Stat.BravaisPearsonKorrelationskoeffizient({1, 2, 3, 4}, {1, 3, 2, 4}), 0.8);
    EXPECT_EQ(Stat.SpearmenRangkorrelationskoeffizient({3, 2, 1}, {3, 1, 2}), 0.5);
    EXPECT_EQ(Stat.SpearmenRangkorrelationskoeffizient({1, 2, 3}, {3, 2, 1}), -1);
    EXPECT_EQ(Stat.SpearmenRangkorrelationskoeffizient({1.5, 1.5, 3}, {1, 2, 3}), 0.875);
    // No 16-bit limit on (n - 1) n (n + 1): 33 and 32767 pairs are computed.
    Liste r(33), g(32767);
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = static_cast<double>(i + 1);
    for (std::size_t i = 0; i < g.size(); ++i) g[i] = static_cast<double>(i + 1);
    EXPECT_EQ(Stat.SpearmenRangkorrelationskoeffizient(r, r), 1);
    EXPECT_EQ(Stat.SpearmenRangkorrelationskoeffizient(g, g), 1);
}

TEST(Statistik, ExpectedFrequencies) {
    Tabelle t(2, 3);
    const double werte[] = {10, 20, 5, 3, 7, 15};
    std::copy(std::begin(werte), std::end(werte), t.Werte.begin());
    const Tabelle q = Stat.Unabhaengigkeitsquotienten(t);
    const double erwartet[] = {35.0 * 13 / 60, 27.0 * 35 / 60, 20.0 * 35 / 60,
                               13.0 * 25 / 60, 27.0 * 25 / 60, 20.0 * 25 / 60};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(q.Werte[i], erwartet[i]) << i;
    EXPECT_EQ(q(0, 1), 15.75);
    Tabelle eine(1, 3);
    eine.Werte = {1, 2, 4};
    EXPECT_EQ(Stat.Unabhaengigkeitsquotienten(eine).Werte, (Liste{1, 2, 4}));
}

TEST(Statistik, FailureKinds) {
    const Liste riesig(32768, 1.0);
    const Liste groesste(32767, 1.0);
    EXPECT_EQ(Stat.Summe(groesste), 32767);
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
    EXPECT_EQ(FehlerBeim([] { Stat.BravaisPearsonKorrelationskoeffizient({0.1, 0.1, 0.1}, {1, 2, 3}); }),
              Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([] { Stat.BravaisPearsonKorrelationskoeffizient({1, 2}, {5, 5}); }),
              Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([] { Stat.BravaisPearsonKorrelationskoeffizient({1, 2, 3}, {1, 2}); }),
              Fehlerart::IndexAusserhalb);
    EXPECT_EQ(FehlerBeim([] { Stat.SpearmenRangkorrelationskoeffizient({1}, {1}); }),
              Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([] { Stat.SpearmenRangkorrelationskoeffizient({1, 2}, {1}); }),
              Fehlerart::IndexAusserhalb);
    Tabelle nullen(2, 2), gemischt(2, 1);
    gemischt.Werte = {1, -1};
    EXPECT_EQ(FehlerBeim([&] { Stat.Unabhaengigkeitsquotienten(nullen); }), Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([&] { Stat.Unabhaengigkeitsquotienten(gemischt); }),
              Fehlerart::Ueberlauf);  // column sum 0 times row sum over 0
    Tabelle spalte(2, 2);
    spalte.Werte = {1, -1, 2, -2};  // grand total 0, row sums 0: 3 * 0 / 0
    EXPECT_EQ(FehlerBeim([&] { Stat.Unabhaengigkeitsquotienten(spalte); }), Fehlerart::Ueberlauf);
    Tabelle dz2(2, 2);
    dz2.Werte = {2, 1, -1, -2};  // row 0 sum 3, column 0 sum 1: 3 / 0
    EXPECT_EQ(FehlerBeim([&] { Stat.Unabhaengigkeitsquotienten(dz2); }),
              Fehlerart::DivisionDurchNull);
}

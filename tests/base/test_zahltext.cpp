#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <limits>
#include <random>
#include <string>

#include "Fehlerpruefung.h"
#include "base/CZahlen.h"
#include "base/Laufzeitfehler.h"
#include "base/Zahltext.h"

using namespace zv;

TEST(VollText, FormsInBothSeparators) {
    // The text with the decimal comma; with the point only the separator differs.
    const std::pair<double, std::string> faelle[] = {
        // clang-format off
        {0.0, "0"}, {-0.0, "0"}, {0.1 + 0.2, "0,3"}, {1.0 / 3.0, "0,333333333333333"},
        {std::sqrt(2.0), "1,4142135623731"}, {123456789012345.0, "123456789012345"},
        {0.0001, "0,0001"}, {0.00001, "1E-05"}, {0.000015, "1,5E-05"}, {1.5e-7, "1,5E-07"},
        {1e15, "1E+15"}, {999999999999999.0, "999999999999999"},
        // 15 significant digits round up into the next decade.
        {9999999999999999.0, "1E+16"}, {-2.77555756156289e-17, "-2,77555756156289E-17"},
        {-2.5, "-2,5"}, {100.0, "100"}, {1e100, "1E+100"}, {-0.5, "-0,5"},
        {std::numeric_limits<double>::max(), "1,79769313486232E+308"},
        {std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324"}};
    // clang-format on
    for (const auto& [wert, komma] : faelle) {
        EXPECT_EQ(VollText(wert, ","), komma) << wert;
        std::string punkt = komma;
        std::replace(punkt.begin(), punkt.end(), ',', '.');
        EXPECT_EQ(VollText(wert, "."), punkt) << wert;
    }
}

TEST(VollText, FifteenDigitsTiesToEvenOnTheBinaryValue) {
    // 0.1234567890123455 is stored below the half; 1.000000000000005 above it.
    EXPECT_EQ(VollText(0.1234567890123455, ","), "0,123456789012345");
    EXPECT_EQ(VollText(1.000000000000005, ","), "1,00000000000001");
    EXPECT_EQ(VollText(2.0 / 3.0, ","), "0,666666666666667");
}

TEST(GerundetText, RoundsTheExactBinaryValueHalvesToEven) {
    struct Fall {
        double wert;
        int nks;
        const char* text;
    };
    // clang-format off
    const Fall faelle[] = {
        {0.125, 2, "0,12"},  {0.375, 2, "0,38"},   {2.675, 2, "2,67"},  {2.5, 0, "2"},
        {3.5, 0, "4"},       {-0.125, 2, "-0,12"}, {-0.0001, 3, "0"},   {2.0, 2, "2"},
        {1.0 / 3, 3, "0,333"}, {14.0 / 9, 3, "1,556"}, {14.0 / 9, 1, "1,6"}, {1e20, 3, "1E+20"},
        {0.00001, 7, "1E-05"}, {123.456, 32767, "123,456"},
        {std::numeric_limits<double>::denorm_min(), 32767, "4,94065645841247E-324"},
        {std::numeric_limits<double>::denorm_min(), 323, "0"},
        // clang-format on
    };
    for (const Fall& f : faelle) EXPECT_EQ(GerundetText(f.wert, f.nks, ","), f.text) << f.wert;
    EXPECT_EQ(zvtest::FehlerBeim([] { GerundetText(1.0, -1, ","); }),
              Fehlerart::UngueltigesArgument);
}

TEST(VollText, MatchesPrintfRoundingOnRandomDoubles) {
    // The reference: printf's exact rounding to 15 significant digits, reformatted.
    auto referenz = [](double x) {
        char puffer[64];
        std::snprintf(puffer, sizeof puffer, "%.14e", x);
        return CZahlLesen(puffer);
    };
    std::mt19937_64 zufall(11);
    // Any bits, decimals, [0, 1), tiny values, reciprocals.
    const std::function<double()> arten[] = {
        [&] { return std::bit_cast<double>(zufall()); },
        [&] { return static_cast<double>(zufall() % 1000000) / 1000.0; },
        [&] { return std::ldexp(static_cast<double>(zufall() >> 11), -53); },
        [&] { return std::ldexp(static_cast<double>(zufall() >> 12), -1074); },
        [&] { return 1.0 / static_cast<double>(1 + zufall() % 10000); }};
    for (int i = 0; i < 200000; ++i) {
        const double x = arten[i % 5]();
        if (!std::isfinite(x) || x == 0.0) continue;
        // Reading the text back gives the 15-digit rounding of x.
        std::string text = VollText(x, ".");
        ASSERT_EQ(CZahlLesen(text.c_str()), referenz(x)) << text;
        ASSERT_LE(text.size(), 22u);
    }
}

TEST(GerundetText, DirectFormattingMatchesRoundingThroughTheDouble) {
    std::mt19937_64 zufall(5);
    // Any bits, thousandths of 997, small binary fractions, exact halves.
    const std::function<double()> arten[] = {
        [&] { return std::bit_cast<double>(zufall()); },
        [&] { return (static_cast<double>(zufall() % 2000000) - 1000000) / 997.0; },
        [&] { return std::ldexp(static_cast<double>(zufall() >> 11), -53 - int(zufall() % 40)); },
        [&] { return static_cast<double>(zufall() % 100000) / 8.0; }};
    for (int i = 0; i < 100000; ++i) {
        const double x = arten[i % 4]();
        if (!std::isfinite(x)) continue;
        // The reference: the exact binary value rounded to nks places, read back as a double.
        const int nks = static_cast<int>(zufall() % 24);
        const double gerundet = CZahlLesen(CFestkommaText(x, nks).c_str());
        ASSERT_EQ(GerundetText(x, nks, ","), VollText(gerundet, ",")) << x << " " << nks;
    }
}

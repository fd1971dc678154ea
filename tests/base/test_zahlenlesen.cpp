#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "Fehlerpruefung.h"
#include "base/Laufzeitfehler.h"
#include "base/Zahlenlesen.h"

using namespace zv;
using zvtest::FehlerBeim;

TEST(ZahlLesen, AcceptedForms) {
    struct Fall {
        const char* text;
        const char* dezimal;
        double wert;
    };
    const Fall faelle[] = {{"2,5", ",", 2.5},    {"2.5", ".", 2.5},    {"-3", ",", -3.0},
                           {"+4", ",", 4.0},     {" \t7 ", ",", 7.0},  {",5", ",", 0.5},
                           {"5,", ",", 5.0},     {"1e3", ",", 1000.0}, {"1,5E-2", ",", 0.015},
                           {"2E+2", ",", 200.0}, {"0,1", ",", 0.1},    {"1e-400", ",", 0.0},
                           {"007", ",", 7.0}};
    for (const Fall& f : faelle) EXPECT_EQ(ZahlLesen(f.text, f.dezimal), f.wert) << f.text;
    EXPECT_TRUE(std::signbit(ZahlLesen("-0", ",")));
    const std::string lang = "1" + std::string(100000, '0');
    EXPECT_EQ(FehlerBeim([&] { ZahlLesen(lang, ","); }), Fehlerart::Ueberlauf);
    EXPECT_EQ(ZahlLesen("0," + std::string(100000, '0') + "1", ","), 0.0);
    EXPECT_EQ(ZahlLesen(std::string(99999, '0') + "7", ","), 7.0);
    EXPECT_EQ(ZahlLesen("1," + std::string(99999, '3'), ","), 4.0 / 3);
    EXPECT_EQ(ZahlLesen("1e-" + std::string(99997, '9'), ","), 0.0);
    EXPECT_EQ(FehlerBeim([] { ZahlLesen("1e" + std::string(99998, '9'), ","); }),
              Fehlerart::Ueberlauf);
}

TEST(ZahlLesen, RefusedForms) {
    // In either locale: signs, points and exponents alone, grouping, NaN, infinity, hexadecimal
    // and binary, Arabic-Indic and full-width digits, the minus sign U+2212, superscript two,
    // one half, a byte order mark, control characters.
    // clang-format off
    const char* refused[] = {
        "", " ", "+", "-", ".", ",", "e5", "1e", "1e+", "E", "--1", "+-1", "1e5e5", "1,2,3",
        "1..2", "1 e5", "+ 5", "1,5,5", "1 2", "1f", "1'000", "1\u00A0000", "inf", "NaN", "nan",
        "-Infinity", "0x10", "0b1", "1,5e", "1.5e", "\u0661\u0662", "\uFF11\uFF12",
        "\u22125", "\u00B2", "\u00BD", "\uFEFF1", "\x01", "1\x7F", "\v1", "\f1", "1\n",
        "\xD9\xA3"};
    // clang-format on
    for (const char* dezimal : {",", "."})
        for (const char* t : refused)
            EXPECT_EQ(FehlerBeim([&] { ZahlLesen(t, dezimal); }), Fehlerart::Typenunvertraeglich)
                << t << " " << dezimal;
    EXPECT_EQ(FehlerBeim([&] { ZahlLesen("1.000", ","); }), Fehlerart::Typenunvertraeglich);
    EXPECT_EQ(FehlerBeim([&] { ZahlLesen(std::string("1\0", 2), ","); }),
              Fehlerart::Typenunvertraeglich);
    EXPECT_EQ(FehlerBeim([&] { ZahlLesen("1,5", "."); }), Fehlerart::Typenunvertraeglich);
    EXPECT_EQ(FehlerBeim([&] { ZahlLesen("1e400", ","); }), Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([&] { ZahlLesen("-1e400", ","); }), Fehlerart::Ueberlauf);
    EXPECT_TRUE(IstNumerisch(" 2,5 ", ","));
    EXPECT_FALSE(IstNumerisch("2.5", ","));
}

TEST(FuehrendeZahl, ReadsAsMuchAsFormsANumber) {
    struct Fall {
        const char* text;
        double wert;
    };
    const Fall faelle[] = {{"7", 7},      {"", 0},     {"a", 0},       {"1 2", 12},  {" -\t3", -3},
                           {"2.5x", 2.5}, {"2,5", 2},  {"1e2", 100},   {"1e", 1},    {"1e+", 1},
                           {"-", 0},      {".5", 0.5}, {"3.7.1", 3.7}, {"1E-1", 0.1}};
    for (const Fall& f : faelle) EXPECT_EQ(FuehrendeZahl(f.text), f.wert) << f.text;
}

TEST(AufInt16Runden, HalvesToEvenAndRange) {
    EXPECT_EQ(AufInt16Runden(2.5), 2);
    EXPECT_EQ(AufInt16Runden(3.5), 4);
    EXPECT_EQ(AufInt16Runden(-2.5), -2);
    EXPECT_EQ(AufInt16Runden(32767.0), 32767);
    EXPECT_EQ(AufInt16Runden(-32768.4), -32768);
    EXPECT_EQ(FehlerBeim([] { AufInt16Runden(32767.5); }), Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([] { AufInt16Runden(-32768.6); }), Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([] { AufInt16Runden(FuehrendeZahl("1e9")); }), Fehlerart::Ueberlauf);
    EXPECT_EQ(FehlerBeim([] { AufInt16Runden(FuehrendeZahl("1e999")); }), Fehlerart::Ueberlauf);
}

TEST(Dezimaltrennzeichen, FromLocaleNames) {
    EXPECT_EQ(DezimaltrennzeichenFuerLocale("de_DE.UTF-8"), ",");
    EXPECT_EQ(DezimaltrennzeichenFuerLocale("de_CH"), ".");
    EXPECT_EQ(DezimaltrennzeichenFuerLocale("fr_FR@euro"), ",");
    EXPECT_EQ(DezimaltrennzeichenFuerLocale("en_US.UTF-8"), ".");
    EXPECT_EQ(DezimaltrennzeichenFuerLocale("C"), ".");
    EXPECT_EQ(DezimaltrennzeichenFuerLocale("POSIX"), ".");
    setenv("LC_ALL", "", 1);
    setenv("LC_NUMERIC", "de_AT.UTF-8", 1);
    setenv("LANG", "en_GB.UTF-8", 1);
    EXPECT_EQ(DezimaltrennzeichenAusUmgebung(), ",");
    setenv("LC_ALL", "en_US", 1);
    EXPECT_EQ(DezimaltrennzeichenAusUmgebung(), ".");
    unsetenv("LC_ALL");
    unsetenv("LC_NUMERIC");
    unsetenv("LANG");
}

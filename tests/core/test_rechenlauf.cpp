#include <gtest/gtest.h>

#include "../sections/Berichtstest.h"
#include "core/Rechenlauf.h"

using namespace zv;
using zvtest::Zeilen;
using zvtest::Zustand;

namespace {

enum { Leer = 0, Komma = 1, Semikolon = 2, Tab = 3, Tilde = 4 };

std::string Bericht(const Steuerzustand& z, const char* dezimal = ",") {
    clsRechenlauf lauf(dezimal);
    return lauf.cmdCalculate_Click(z).txtAusgabe;
}

}  // namespace

TEST(Rechenlauf, ReadingTheInputBoxes) {
    struct Fall {
        Steuerzustand zustand;
        std::string bericht;
    };
    const std::string typ = Zeilen({"Typen unverträglich"});
    const Fall faelle[] = {
        {Zustand(false, Leer, "  3 1 2  ", "", {}), Zeilen({"Urliste: 3  1  2", ""})},
        {Zustand(false, Leer, "1  2", "", {}), typ},
        {Zustand(false, Tab, "1\t2\t", "", {}), typ},
        {Zustand(false, Komma, "2,5", "", {}), Zeilen({"Urliste: 2, 5", ""})},
        {Zustand(false, Semikolon, "0,5;-2", "", {}), Zeilen({"Urliste: 0,5; -2", ""})},
        {Zustand(false, Tilde, "1~x~3", "", {}), typ},
        {Zustand(false, Leer, "   ", "", {}),
         Zeilen({"Daten unvollständig, Berechnung nicht möglich!"})},
        {Zustand(false, Leer, "7", "", {"Arithmetisches Mittel"}),
         Zeilen({"ARITHMETISCHES MITTEL (MITTELWERT)", "Mittelwert: 7", ""})},
        {Zustand(false, Leer, "1e400 2", "", {}), Zeilen({"Überlauf"})},
        {Zustand(true, Leer, "1 2 3", "1 2", {}),
         Zeilen({"Anzahl der Merkmale ist nicht gleich, Berechnung nicht möglich!"})},
        // The count comparison comes before any piece of the second box is converted.
        {Zustand(true, Leer, "1 2 3", "x y", {}),
         Zeilen({"Anzahl der Merkmale ist nicht gleich, Berechnung nicht möglich!"})},
        {Zustand(true, Leer, "", "1 2", {}),
         Zeilen({"Daten unvollständig, Berechnung nicht möglich!"})},
        {Zustand(true, Leer, "5 1", "2 9", {}),
         Zeilen({"Merkmal b1  b2", "(x)  a1  5   1", "(y)  a2  2   9", ""})},
        {Zustand(true, Leer, "10 5", "3 17", {}),
         Zeilen({"Merkmal b1  b2", "(x)  a1 10   5", "(y)  a2  3  17", ""})},
        {Zustand(true, Komma, "4", "2,5", {}),
         Zeilen({"Anzahl der Merkmale ist nicht gleich, Berechnung nicht möglich!"})},
        {Zustand(true, Semikolon, "4", "2,5", {}),
         Zeilen({"Merkmal  b1", "(x)  a1   4", "(y)  a2 2,5", ""})},
    };
    for (const Fall& f : faelle) EXPECT_EQ(Bericht(f.zustand), f.bericht) << f.zustand.txtM1;
    EXPECT_EQ(Bericht(Zustand(false, Komma, "1.5,2", "", {}), "."), Zeilen({"Urliste: 1.5, 2", ""}));
}

TEST(Rechenlauf, WritesBackTrimmedBoxesAndDecimalPlaces) {
    struct Fall {
        const char* nks;
        const char* zurueck;
        const char* mittel;
    };
    const Fall faelle[] = {{"0", "3", "1,667"}, {"", "3", "1,667"}, {"a", "3", "1,667"},
                           {"7", "7", "1,6666667"}, {"2", "2", "1,67"}, {"-", "3", "1,667"}};
    for (const Fall& f : faelle) {
        clsRechenlauf lauf(",");
        const auto erg = lauf.cmdCalculate_Click(
            Zustand(false, Leer, " 1 2 2 ", " x ", {"Arithmetisches Mittel"}, false, f.nks));
        EXPECT_EQ(erg.txtNks, f.zurueck);
        EXPECT_EQ(erg.txtM1, "1 2 2");
        EXPECT_EQ(erg.txtM2, " x ");  // one-dimensional: the second box is not touched
        EXPECT_EQ(erg.txtAusgabe, Zeilen({"Urliste: 1  2  2", "", "ARITHMETISCHES MITTEL (MITTELWERT)",
                                          "Mittelwert: " + std::string(f.mittel), ""}));
    }
    clsRechenlauf lauf(",");
    auto erg = lauf.cmdCalculate_Click(Zustand(true, Leer, " 1 ", " 2  ", {}));
    EXPECT_EQ(erg.txtM2, "2");
    // A negative number of places fails each rounded result, not the run.
    erg = lauf.cmdCalculate_Click(
        Zustand(false, Leer, "1 2", "", {"Median", "Spannweite"}, false, "-1"));
    EXPECT_EQ(erg.txtAusgabe,
              Zeilen({"Urliste: 1  2", "", "MEDIAN", "Median: 1,5", "", "SPANNWEITE",
                      "Ungültiges Argument"}));
    erg = lauf.cmdCalculate_Click(Zustand(false, Leer, "1 2", "", {}, false, "99999"));
    EXPECT_EQ(erg.txtAusgabe, Zeilen({"Überlauf"}));
}

TEST(Rechenlauf, ListLengthLimits) {
    auto liste = [](int n, const std::string& letztes) {
        std::string t;
        for (int i = 1; i < n; ++i) t += "1 ";
        return t + letztes;
    };
    // 32767 values are processed.
    const std::string bericht = Bericht(Zustand(false, Leer, liste(32767, "2"), "", {"Modus"}));
    EXPECT_TRUE(bericht.ends_with("\r\n\r\nMODUS\r\nModus: 1\r\n\r\n"));
    // 32768 pieces overflow the conversion counter; an unreadable piece fails first.
    EXPECT_EQ(Bericht(Zustand(false, Leer, liste(32768, "1"), "", {})), Zeilen({"Überlauf"}));
    EXPECT_EQ(Bericht(Zustand(false, Leer, liste(32768, "x"), "", {})),
              Zeilen({"Typen unverträglich"}));
    // 32769 pieces overflow the upper index when split, before any conversion.
    EXPECT_EQ(Bericht(Zustand(false, Leer, liste(32769, "x"), "", {})), Zeilen({"Überlauf"}));
    EXPECT_EQ(Bericht(Zustand(true, Leer, "1 2", liste(32768, "x"), {})),
              Zeilen({"Anzahl der Merkmale ist nicht gleich, Berechnung nicht möglich!"}));
    EXPECT_EQ(Bericht(Zustand(true, Leer, "1 2", liste(32769, "1"), {})), Zeilen({"Überlauf"}));
}

TEST(Rechenlauf, SectionsRunInListOrderAndFailOneByOne) {
    clsRechenlauf lauf(",");
    // Selected out of table order: the list order decides. The standard deviation of an
    // overflowing list fails, the following section still runs.
    const auto z = Zustand(false, Leer, "1e308 1e308 -1e308", "",
                           {"Spannweite", "Standardabweichnung", "Modus"});
    EXPECT_EQ(lauf.cmdCalculate_Click(z).txtAusgabe,
              Zeilen({"Urliste: 1E+308  1E+308  -1E+308", "", "MODUS", "Modus: 1E+308", "",
                      "SPANNWEITE", "Überlauf", "STANDARDABWEICHNUNG", "Überlauf"}));
    // Pressing twice gives the same report, nothing accumulates.
    EXPECT_EQ(lauf.cmdCalculate_Click(z).txtAusgabe, lauf.cmdCalculate_Click(z).txtAusgabe);
    // Unknown entry texts are skipped; no entry selected leaves only the raw list.
    Steuerzustand fremd = Zustand(false, Leer, "1 2", "", {});
    fremd.lstSelection.push_back({"modus", true});
    EXPECT_EQ(lauf.cmdCalculate_Click(fremd).txtAusgabe, Zeilen({"Urliste: 1  2", ""}));
}

TEST(Rechenlauf, SeparatorKeptWhenNoneChosen) {
    clsRechenlauf lauf(",");
    lauf.TrennzeichenSetzen(Tilde);
    EXPECT_EQ(lauf.Ausgabetrennzeichen, "~ ");
    lauf.TrennzeichenSetzen(-1);
    EXPECT_EQ(lauf.Trennzeichen, "~");
    lauf.TrennzeichenSetzen(Tab);
    EXPECT_EQ(lauf.Ausgabetrennzeichen, "\t ");
}

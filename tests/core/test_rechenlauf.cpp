// What the run gives back to the window besides the report, and the list-length limits.
// Report texts themselves are checked by the case files in tests/faelle/.

#include <gtest/gtest.h>

#include "../sections/Berichtstest.h"

using namespace zv;
using zvtest::Zeilen;
using zvtest::Zustand;

TEST(Rechenlauf, WritesBackTrimmedBoxesAndDecimalPlaces) {
    struct Fall {
        const char *nks, *zurueck, *mittel;
    };
    const Fall faelle[] = {{"0", "3", "1,667"}, {"", "3", "1,667"}, {"a", "3", "1,667"},
                           {"-", "3", "1,667"}, {"7", "7", "1,6666667"}, {"2", "2", "1,67"}};
    for (const Fall& f : faelle) {
        clsRechenlauf lauf(",");
        const auto erg = lauf.cmdCalculate_Click(
            Zustand(false, 0, " 1 2 2 ", " x ", {"Arithmetisches Mittel"}, false, f.nks));
        EXPECT_EQ(erg.txtNks, f.zurueck);
        EXPECT_EQ(erg.txtM1, "1 2 2");
        EXPECT_EQ(erg.txtM2, " x ");  // one-dimensional: the second box is not touched
        EXPECT_EQ(erg.txtAusgabe, Zeilen({"Urliste: 1  2  2", "", "ARITHMETISCHES MITTEL (MITTELWERT)",
                                          "Mittelwert: " + std::string(f.mittel), ""}));
    }
    clsRechenlauf lauf(",");
    EXPECT_EQ(lauf.cmdCalculate_Click(Zustand(true, 0, " 1 ", " 2  ", {})).txtM2, "2");
    // Pressing twice gives the same report; nothing accumulates.
    const auto z = Zustand(false, 0, "3 1 2", "", {"Median"}, true);
    EXPECT_EQ(lauf.cmdCalculate_Click(z).txtAusgabe, lauf.cmdCalculate_Click(z).txtAusgabe);
}

TEST(Rechenlauf, ListLengthLimits) {
    auto liste = [](int n, const std::string& letztes) {
        std::string t;
        for (int i = 1; i < n; ++i) t += "1 ";
        return t + letztes;
    };
    auto bericht = [](const Steuerzustand& z) { return clsRechenlauf(",").cmdCalculate_Click(z).txtAusgabe; };
    const std::string ueberlauf = Zeilen({"Überlauf"});
    // 32767 values are processed.
    EXPECT_TRUE(bericht(Zustand(false, 0, liste(32767, "2"), "", {"Modus"}))
                    .ends_with("\r\n\r\nMODUS\r\nModus: 1\r\n\r\n"));
    // 32768 pieces overflow the conversion counter after the last piece; an unreadable piece
    // fails first.
    EXPECT_EQ(bericht(Zustand(false, 0, liste(32768, "1"), "", {})), ueberlauf);
    EXPECT_EQ(bericht(Zustand(false, 0, liste(32768, "x"), "", {})), Zeilen({"Typen unverträglich"}));
    // 32769 pieces overflow the upper index when split, before any conversion.
    EXPECT_EQ(bericht(Zustand(false, 0, liste(32769, "x"), "", {})), ueberlauf);
    EXPECT_EQ(bericht(Zustand(true, 0, "1 2", liste(32768, "x"), {})),
              Zeilen({"Anzahl der Merkmale ist nicht gleich, Berechnung nicht möglich!"}));
    EXPECT_EQ(bericht(Zustand(true, 0, "1 2", liste(32769, "1"), {})), ueberlauf);
}

TEST(Rechenlauf, SeparatorKeptWhenNoneChosen) {
    clsRechenlauf lauf(",");
    lauf.TrennzeichenSetzen(4);
    EXPECT_EQ(lauf.Ausgabetrennzeichen, "~ ");
    lauf.TrennzeichenSetzen(-1);
    EXPECT_EQ(lauf.Trennzeichen, "~");
    lauf.TrennzeichenSetzen(3);
    EXPECT_EQ(lauf.Ausgabetrennzeichen, "\t ");
}
